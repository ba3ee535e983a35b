#include "IsaLinks.h"

#include "Global.h"
#include "db/Text.h"

namespace {

bool linkExists(const QString &child, const QString &parent)
{
    return !OntologyDB.scalar(QStringLiteral("SELECT 1 FROM ISA WHERE Concept = ? AND ISA = ?"), {child, parent})
                .isNull();
}

}  // namespace

qint64 CountIsaLinks(const QString &child)
{
    return OntologyDB.scalar(QStringLiteral("SELECT COUNT(*) FROM ISA WHERE Concept = ?"), {child}).toLongLong();
}

bool IsaLinkWouldCycle(const QString &child, const QString &parent)
{
    if (db::sameText(child, parent))
        return true;
    // The parent lies below the child exactly when the child is among the parent's
    // ancestors; walking up is far shorter than walking down from a concept high in the tree.
    for (const QString &a : GetAncestors(parent))
        if (db::sameText(a, child))
            return true;
    return false;
}

LinkOutcome AddIsaLink(const QString &child, const QString &parent)
{
    db::Transaction tx(OntologyDB);
    if (linkExists(child, parent))
        return LinkOutcome::Exists;
    if (IsaLinkWouldCycle(child, parent))
        return LinkOutcome::Cycle;
    OntologyDB.execute(QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)"), {child, parent});
    tx.commit();
    return LinkOutcome::Done;
}

LinkOutcome ReplaceIsaLink(const QString &child, const QString &oldParent, const QString &newParent)
{
    db::Transaction tx(OntologyDB);
    if (linkExists(child, newParent))
        return LinkOutcome::Exists;
    if (!linkExists(child, oldParent))
        return LinkOutcome::Gone;
    if (IsaLinkWouldCycle(child, newParent))
        return LinkOutcome::Cycle;
    OntologyDB.execute(QStringLiteral("UPDATE ISA SET ISA = ? WHERE Concept = ? AND ISA = ?"),
                       {newParent, child, oldParent});
    tx.commit();
    return LinkOutcome::Done;
}

bool DeleteIsaLink(const QString &child, const QString &parent)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("DELETE FROM ISA WHERE Concept = ? AND ISA = ?"), {child, parent});
    const bool deleted = OntologyDB.changes() > 0;
    tx.commit();
    return deleted;
}
