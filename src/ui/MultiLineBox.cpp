#include "MultiLineBox.h"

#include <QPlainTextEdit>

namespace ui {

QPlainTextEdit *multiLineBox(QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setTabChangesFocus(true);
    return box;
}

}  // namespace ui
