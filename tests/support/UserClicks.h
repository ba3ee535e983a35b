#pragma once
// Clicks as the user makes them on a view's viewport: at the middle of the row, with the
// button pressed (the header's are in HeaderClicks.h). A right click is followed by the context
// menu request the window system sends after the button's release.

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>

#include "HeaderClicks.h"

inline QPoint centreOf(const QAbstractItemView *view, const QModelIndex &index)
{
    return view->visualRect(index).center();
}

// The row is scrolled into view first, as the user scrolls to it.
inline void clickRow(QAbstractItemView *view, const QModelIndex &index, Qt::MouseButton button = Qt::LeftButton)
{
    view->scrollTo(index);
    const QPoint at = centreOf(view, index);
    QTest::mouseClick(view->viewport(), button, {}, at);
    if (button == Qt::RightButton) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &menu);
    }
}

// What the window system sends for a double click.
inline void doubleClickRow(QAbstractItemView *view, const QModelIndex &index)
{
    view->scrollTo(index);
    const QPoint at = centreOf(view, index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

// A click on the empty part of the view, below its rows.
inline void clickBelowRows(QAbstractItemView *view, Qt::MouseButton button)
{
    const QPoint at(view->viewport()->width() / 2, view->viewport()->height() - 2);
    QTest::mouseClick(view->viewport(), button, {}, at);
    if (button == Qt::RightButton) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &menu);
    }
}

inline void rightClickBelowRows(QAbstractItemView *view) { clickBelowRows(view, Qt::RightButton); }
