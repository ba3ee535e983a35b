#include "Elements.h"

#include "Global.h"
#include "ui/MsgBox.h"

#include <QSet>

namespace {

constexpr qint64 RootElement = 1;
const QString TermEntryCategory = QStringLiteral("0.3");

// Positions RSElements on the element; false, after the GL001 message, when it is missing.
bool seekElement(qint64 elemID)
{
    if (!RSElements || !RSTEConcepts)
        throw db::DbError(db::err::ObjectClosed, QStringLiteral("No termbase is open."));
    RSElements->seek(elemID);
    if (!RSElements->noMatch())
        return true;
    ui::errorBox(QStringLiteral("Element not found. Fatal Error. Please report. Error Code GL001"));
    return false;
}

}  // namespace

QString GetElementCategory(qint64 elemID)
{
    return seekElement(elemID) ? RSElements->text(QStringLiteral("categoryID")) : QString();
}

QString GetEntryElement(qint64 elemID)
{
    QSet<qint64> seen;
    qint64 current = elemID;
    while (current != RootElement && !seen.contains(current)) {
        seen.insert(current);
        if (!seekElement(current))
            return {};
        if (RSElements->text(QStringLiteral("categoryID")) == TermEntryCategory) {
            RSTEConcepts->seek(current);
            return RSTEConcepts->noMatch() ? QString() : RSTEConcepts->text(QStringLiteral("Concept"));
        }
        const QVariant parent = RSElements->field(QStringLiteral("parentID"));
        if (parent.isNull() || parent.toLongLong() == 0)
            return {};
        current = parent.toLongLong();
    }
    return {};
}
