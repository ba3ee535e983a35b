#pragma once
// A box with a button of its own beside it (a new subset's name and its Add): Enter typed
// in the box presses that button, not the dialog's default one, which would close the
// dialog as confirmed and leave what was typed unused.

class QAbstractButton;
class QLineEdit;

namespace ui {

void enterPresses(QLineEdit *box, QAbstractButton *button);

}  // namespace ui
