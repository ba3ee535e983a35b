#pragma once
// Small pieces the pane commands of the main window share.

#include "ui/MsgBox.h"

#include <QListWidget>

// The list's selected item; nullptr when none is selected.
inline QListWidgetItem *selectedItem(const QListWidget &list)
{
    QListWidgetItem *item = list.currentItem();
    return item && item->isSelected() ? item : nullptr;
}

inline QString selectedText(const QListWidget &list)
{
    QListWidgetItem *item = selectedItem(list);
    return item ? item->text() : QString();
}

// Any answer but No goes on.
inline bool confirmDelete(const QString &prompt)
{
    return ui::msgBox(prompt, ui::Buttons::YesNo, ui::Icon::Exclamation, QStringLiteral("Confirm Delete")) !=
           ui::Answer::No;
}

inline void tellNothingDeleted(const QString &what)
{
    ui::msgBox(QStringLiteral("Nothing was deleted: the ") + what + QStringLiteral(" is no longer there."),
               ui::Buttons::Ok, ui::Icon::Information);
}
