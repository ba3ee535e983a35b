#pragma once
// A multi-line text box of a window. Tab and Shift+Tab move the focus on and back, as in
// every other box: a tab typed into the text would be stored and exported with it.

class QPlainTextEdit;
class QWidget;

namespace ui {

QPlainTextEdit *multiLineBox(QWidget *parent);

}  // namespace ui
