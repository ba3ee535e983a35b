#pragma once
// Small helpers over texts and lists of texts. Unlike the file's keys and criteria,
// they compare exactly: "abc" and "ABC" are different entries here.

#include <QString>
#include <QStringList>

bool IsInArray(const QString &text, const QStringList &list);
// Ascending by character code.
void SortStrings(QStringList &list);
// Every carriage return and line feed becomes a blank, in place, so the length stays the
// same (a CR LF pair gives two blanks). Returns the changed text as well.
QString FlattenLineBreaks(QString &text);
