#include "StringHelpers.h"

#include <algorithm>

bool IsInArray(const QString &text, const QStringList &list) { return list.contains(text, Qt::CaseSensitive); }

void SortStrings(QStringList &list) { std::sort(list.begin(), list.end()); }

QString FlattenLineBreaks(QString &text)
{
    for (QChar &c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return text;
}
