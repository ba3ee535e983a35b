#pragma once
// Runs every character that enters a box through a key handler first, as the windows'
// KeyPress handlers do: the handler returns the character to insert instead, or 0 to
// drop it. Typed keys, and text pasted (by the keys, the context menu or the middle
// button) or dropped, all pass through it. Editing keys, and keys with Ctrl held, pass
// untouched: only keys that type a character are filtered.
//
// An editable combo box keeps the focus for its line edit and hands its keys on without
// the line edit's event filters seeing them, so its keys are filtered on the combo box.

#include <QString>
#include <functional>

class QComboBox;
class QLineEdit;

using KeyHandler = std::function<int(int key)>;
// Takes text the user pasted or dropped, before any filtering.
using PasteHandler = std::function<void(const QString &text)>;

enum class EnterKey {
    Passes,     // Enter is not a typed character: it goes on to the window untouched
    ToHandler,  // Enter is offered to the handler as 13; a 0 from it stops the key there
};

struct TypedKeyOptions {
    EnterKey enter = EnterKey::Passes;
    // Empty: pasted and dropped text goes in at the cursor, through the handler.
    PasteHandler paste = {};
};

void installTypedKeyFilter(QLineEdit *box, KeyHandler handler, TypedKeyOptions options = {});
void installTypedKeyFilter(QComboBox *box, KeyHandler handler, TypedKeyOptions options = {});

// What a filtered box takes from pasted or dropped text: its first 255 characters, each
// run through the key handler (a character it maps to 0 is dropped, and line breaks and
// other control characters are dropped without asking it).
QString pastedKeys(const QString &text, const KeyHandler &handler);
