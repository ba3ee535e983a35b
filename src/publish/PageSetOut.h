#pragma once
// A page's HTML cut into the parts the page view lays out one after another. The text
// layout lays a table out whole, and a table cell of a hundred thousand lines (the
// descendants of a top concept) takes seconds; blocks of their own after the table it
// lays out a step at a time. So a cell of more than LongListLines lines is set out below
// the outermost table that holds it: a paragraph with the label of its row, then each
// line a block of its own; the cell itself says where its lines went. Each part parses
// on its own, and the parts in order are the page as the view shows it.
//
//   const QStringList parts = SetOutLongLists(html);  // parts.join({}) is what is shown

#include <QString>
#include <QStringList>

constexpr qsizetype LongListLines = 500;

QStringList SetOutLongLists(const QString &html);
