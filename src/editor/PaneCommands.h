#pragma once
// Small pieces the pane commands of the main window share.

#include "db/Error.h"
#include "ui/MsgBox.h"
#include "ui/MsgBox.h"

#include <QListWidget>
#include <QTreeWidget>
#include <functional>

// The list's selected item; nullptr when none is selected.
inline QListWidgetItem *selectedItem(const QListWidget &list)
{
    QListWidgetItem *item = list.currentItem();
    return item && item->isSelected() ? item : nullptr;
}

inline QTreeWidgetItem *selectedItem(const QTreeWidget &list)
{
    QTreeWidgetItem *item = list.currentItem();
    return item && item->isSelected() ? item : nullptr;
}

// The selected item's text; "" when none is selected.
inline QString selectedText(const QListWidget &list)
{
    QListWidgetItem *item = selectedItem(list);
    return item ? item->text() : QString();
}

// Sorts the list view by column (0-based) when one was chosen.
inline void sortByChosenColumn(QTreeWidget &view, int column)
{
    if (column >= 0)
        view.sortItems(column, Qt::AscendingOrder);
}

// Asks the question and, unless the answer is No, deletes; a row that was no longer
// there (deleteRow gives false) is reported by what it was. False when the answer was No.
inline bool deleteAfterAsking(const QString &question, const QString &what, const std::function<bool()> &deleteRow)
{
    if (ui::msgBox(question, ui::Buttons::YesNo, ui::Icon::Exclamation, QStringLiteral("Confirm Delete")) ==
        ui::Answer::No)
        return false;
    try {
        if (!deleteRow())
            ui::msgBox(QStringLiteral("Nothing was deleted: the ") + what + QStringLiteral(" is no longer there."),
                       ui::Buttons::Ok, ui::Icon::Information);
    } catch (const db::DbError &e) {
        ui::errorBox(e.description());
    }
    return true;
}
