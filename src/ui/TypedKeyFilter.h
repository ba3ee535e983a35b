#pragma once
// Runs every character typed into a box through a key handler first, as the windows'
// KeyPress handlers do: the handler returns the character to insert instead, or 0 to
// swallow the key. Editing keys, and keys with Ctrl held, pass untouched.

#include <QString>
#include <functional>

class QLineEdit;

void installTypedKeyFilter(QLineEdit *box, std::function<int(int key)> handler);

// What Ctrl+V gives such a box: the clipboard's text cut to its first 255 characters, each
// run through the key handler (a character it maps to 0 is dropped). Boxes append them one
// at a time, as if typed.
QString pastedKeys(const std::function<int(int key)> &handler);
