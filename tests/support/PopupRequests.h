#pragma once
// Every way the user asks for a view's pop-up on its current row: the right button on the
// row, the context-menu key and Shift+F10 with the focus in the view. Each must open the
// same menu, the keys at the row, so that no command of a pop-up is out of the keyboard's
// reach.

#include "ScriptedPopupMenus.h"
#include "UserClicks.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

struct PopupWay {
    const char *what;
    std::function<void(QAbstractItemView *view, const QModelIndex &row)> ask;
};

inline std::vector<PopupWay> popupWays()
{
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers) {
        return [k, modifiers](QAbstractItemView *view, const QModelIndex &) {
            view->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), view);
            QTest::keyClick(QApplication::focusWidget(), k, modifiers);
        };
    };
    return {
        {"right click", [](QAbstractItemView *view, const QModelIndex &row) {
             if (row.isValid())
                 clickRow(view, row, Qt::RightButton);
             else
                 rightClickBelowRows(view);
         }},
        {"context-menu key", key(Qt::Key_Menu, Qt::NoModifier)},
        {"Shift+F10", key(Qt::Key_F10, Qt::ShiftModifier)},
    };
}

// Asks by every way for the pop-up of the view's current row (none: an empty view), the
// window shown and active; each opens the menu of this title once, the keys at the row.
// The menus script chooses nothing.
inline void expectPopupByEveryWay(ScriptedPopupMenus &menus, QAbstractItemView *view, const QString &title)
{
    QWidget *window = view->window();
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const PopupWay &way : popupWays()) {
        SCOPED_TRACE(way.what);
        const QModelIndex row = view->currentIndex();
        const size_t before = menus.shown().size();
        menus.chooseNothing();
        way.ask(view, row);
        ASSERT_EQ(menus.shown().size(), before + 1) << "one pop-up";
        EXPECT_EQ(menus.shown().back().title, title);
        if (row.isValid()) {
            EXPECT_EQ(view->currentIndex(), row) << "the pop-up is for the row that was current";
            const QRect at(view->viewport()->mapToGlobal(view->visualRect(row).topLeft()), view->visualRect(row).size());
            EXPECT_TRUE(at.contains(menus.shown().back().at)) << "opened at the row";
        }
    }
}
