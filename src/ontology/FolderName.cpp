#include "FolderName.h"

bool IsValidFolderName(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    bool onlyDots = !name.isEmpty();
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || forbidden.contains(c))
            return false;
        if (c != QLatin1Char('.'))
            onlyDots = false;
    }
    return !onlyDots;
}
