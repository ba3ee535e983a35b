#pragma once
// A click on a column header where the user clicks it: on the header's viewport, in the
// middle of the section.

#include <QHeaderView>
#include <QTest>

inline void clickHeader(QHeaderView &header, int section)
{
    const QPoint at(header.sectionViewportPosition(section) + header.sectionSize(section) / 2, header.height() / 2);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
}
