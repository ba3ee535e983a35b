#include "Like.h"

#include "db/Text.h"

namespace ui {

bool Like(const QString &text, const QString &pattern)
{
    return db::likeMatch(text, pattern, Qt::CaseSensitive);
}

bool IsValidLikePattern(const QString &pattern)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) != QLatin1Char('['))
            continue;
        qsizetype j = i + 1;
        if (j < pattern.size() && pattern.at(j) == QLatin1Char('!'))
            ++j;
        const qsizetype start = j;
        while (j < pattern.size() && (pattern.at(j) != QLatin1Char(']') || j == start)) {
            if (j + 2 < pattern.size() && pattern.at(j + 1) == QLatin1Char('-') && pattern.at(j + 2) != QLatin1Char(']')) {
                if (pattern.at(j) > pattern.at(j + 2))
                    return false;
                j += 3;
            } else {
                ++j;
            }
        }
        if (j >= pattern.size())
            return false;
        i = j;
    }
    return true;
}

}  // namespace ui
