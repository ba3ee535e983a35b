#pragma once
// A click on a link of a page where the page view shows it, as the user follows links.

#include "publish/PageView.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

// The view must be shown. The link is the first text `text` of the page.
inline void clickPageLink(PageView &view, const QString &text)
{
    const QTextCursor found = view.document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor start(view.document()), end(view.document());
    start.setPosition(found.selectionStart());
    end.setPosition(found.selectionEnd());
    view.setTextCursor(start);
    view.ensureCursorVisible();
    const QPoint at((view.cursorRect(start).left() + view.cursorRect(end).left()) / 2, view.cursorRect(start).center().y());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
}
