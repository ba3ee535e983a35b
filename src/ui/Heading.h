#pragma once
// The bold caption over a list or box in the program's windows.

#include <QLabel>

inline QLabel *heading(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
