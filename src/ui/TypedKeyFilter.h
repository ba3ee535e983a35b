#pragma once
// Runs every character typed into a box through a key handler first, as the windows'
// KeyPress handlers do: the handler returns the character to insert instead, or 0 to
// swallow the key. Editing keys, and keys with Ctrl held, pass untouched.

#include <functional>

class QLineEdit;

void installTypedKeyFilter(QLineEdit *box, std::function<int(int key)> handler);
