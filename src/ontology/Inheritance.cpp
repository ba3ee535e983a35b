#include "Inheritance.h"

#include "Global.h"
#include "Hierarchy.h"

#include <QSet>

namespace {

const QString Cumulative = QStringLiteral("c");

bool includesRelations(const QString &include) { return include == QLatin1String("all") || include == QLatin1String("rels"); }
bool includesAttributes(const QString &include) { return include == QLatin1String("all") || include == QLatin1String("attrs"); }

SlotList slotRows(const QString &sql, const QString &conceptId)
{
    db::Statement st(OntologyDB, sql);
    st.bind(1, conceptId);
    SlotList rows;
    while (st.step()) {
        QString value = st.column(1).toString();
        if (st.column(2).toBool())
            value += DefaultSuffix;
        rows.push_back({st.column(0).toString(), value});
    }
    return rows;
}

void addInherited(const SlotRow &row, const QString &from)
{
    // Inherit cannot hold an empty value, and there is nothing to show for one.
    if (row.value.isEmpty())
        return;
    try {
        OntologyDB.execute(QStringLiteral("INSERT INTO Inherit (Attr, Value, \"From\") VALUES (?, ?, ?)"),
                           {row.slot, row.value, from});
    } catch (const db::DbError &e) {
        // The pair is there already (the same ancestor giving it twice, an ancestor met
        // again, or a value differing only in letter case): the earlier row stays.
        if (e.number() != db::err::DuplicateKey)
            throw;
    }
}

void merge(const SlotRow &row, const QString &ancestor, bool exclusive)
{
    if (row.value == NothingValue) {
        InheritDelete(row.slot);
        return;
    }
    if (exclusive)
        InheritDeleteNotFrom(row.slot, ancestor);
    else
        InheritDeleteValue(row.slot, row.value);
    addInherited(row, ancestor);
}

// The concept's own value for a slot is not inherited; in exclusive mode it replaces
// every inherited value of that slot (no inherited row comes from the concept itself).
void cancelOwn(const SlotRow &row, const QString &conceptId, bool exclusive)
{
    if (row.value == NothingValue)
        InheritDelete(row.slot);
    else if (exclusive)
        InheritDeleteNotFrom(row.slot, conceptId);
    else
        InheritDeleteValue(row.slot, row.value);
}

}  // namespace

void AncestorWorkList::append(const QString &conceptId)
{
    if (m_index.contains(conceptId))
        return;
    m_index.insert(conceptId, qsizetype(m_entries.size()));
    m_entries.push_back({conceptId});
}

void AncestorWorkList::markVisited(const QString &conceptId)
{
    const auto it = m_index.constFind(conceptId);
    if (it == m_index.cend() || m_entries[size_t(*it)].visited)
        return;
    m_entries[size_t(*it)].visited = true;
    ++m_visited;
}

bool IsInAncestorList(const QString &identifier, const AncestorWorkList &work) { return work.contains(identifier); }
void MarkAncestorVisited(const QString &identifier, AncestorWorkList &work) { work.markVisited(identifier); }
bool AllAncestorsVisited(const AncestorWorkList &work) { return work.allVisited(); }

SlotList GetOwnRelations(const QString &conceptId)
{
    return slotRows(QStringLiteral("SELECT Rel, Concept2, \"Default\" FROM RELATIONS WHERE Concept1 = ? "
                                   "ORDER BY Relation_ID"),
                    conceptId);
}

SlotList GetOwnAttributes(const QString &conceptId)
{
    return slotRows(QStringLiteral("SELECT Attribute, Value, \"Default\" FROM ATTRIBUTES WHERE Concept = ? "
                                   "ORDER BY Property_ID"),
                    conceptId);
}

void UseSessionInheritTable()
{
    QStringList statements;  // the table first, then its indexes, which follow it into temp
    {
        db::Statement st(OntologyDB, QStringLiteral("SELECT sql FROM main.sqlite_schema WHERE tbl_name = 'Inherit' "
                                                    "AND sql IS NOT NULL ORDER BY type = 'index', rowid"));
        while (st.step())
            statements << st.column(0).toString();
    }
    static const QString create = QStringLiteral("CREATE TABLE ");
    if (statements.isEmpty() || !statements.front().startsWith(create))
        return;
    statements.front().replace(0, create.size(), QStringLiteral("CREATE TEMP TABLE "));
    db::Transaction tx(OntologyDB);
    for (const QString &sql : statements)
        OntologyDB.execute(sql);
    tx.commit();
}

void InheritClear() { OntologyDB.execute(QStringLiteral("DELETE FROM Inherit")); }

// The slot is matched twice: through its index (which ignores case), then exactly.
void InheritDelete(const QString &slot)
{
    OntologyDB.execute(QStringLiteral("DELETE FROM Inherit WHERE Attr = ?1 AND Attr = ?1 COLLATE BINARY"), {slot});
}

void InheritDeleteValue(const QString &slot, const QString &value)
{
    OntologyDB.execute(QStringLiteral("DELETE FROM Inherit WHERE Attr = ?1 AND Attr = ?1 COLLATE BINARY "
                                      "AND Value = ?2 COLLATE BINARY"),
                       {slot, value});
}

void InheritDeleteNotFrom(const QString &slot, const QString &ancestor)
{
    OntologyDB.execute(QStringLiteral("DELETE FROM Inherit WHERE Attr = ?1 AND Attr = ?1 COLLATE BINARY "
                                      "AND \"From\" <> ?2 COLLATE BINARY"),
                       {slot, ancestor});
}

void InheritWalk(const QString &node, const QString &inheritanceType, const QString &include, AncestorWorkList &work)
{
    const bool exclusive = inheritanceType != Cumulative;
    const bool relations = includesRelations(include);
    const bool attributes = includesAttributes(include);
    struct Frame {
        QString node;
        QStringList children;
        qsizetype next = 0;
    };
    std::vector<Frame> stack;  // our own stack: an ancestor chain may be very deep
    QSet<QString> onPath;
    // Whether every ancestor has been merged is asked only on entering a node; the loop
    // over a node's children goes on regardless, so an ancestor reached along several
    // paths is merged again each time, at that point of the order.
    const auto enter = [&](const QString &n) {
        if (AllAncestorsVisited(work))
            return;
        stack.push_back({n, GetChildren(n)});
        onPath.insert(n);
    };
    enter(node);
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next == top.children.size()) {
            onPath.remove(top.node);
            stack.pop_back();
            continue;
        }
        const QString child = top.children.at(top.next++);
        if (!IsInAncestorList(child, work))
            continue;  // not above the concept: the walk does not enter it
        if (relations)
            for (const SlotRow &row : GetOwnRelations(child))
                merge(row, child, exclusive);
        if (attributes)
            for (const SlotRow &row : GetOwnAttributes(child))
                merge(row, child, exclusive);
        MarkAncestorVisited(child, work);
        // Entering a node the walk is already inside would go round an IS-A cycle forever.
        if (!onPath.contains(child))
            enter(child);
    }
}

void ComputeInherited(const QString &conceptId, const QString &inheritanceType, const QString &include)
{
    AncestorWorkList work;
    for (const QString &ancestor : GetAncestors(conceptId))
        if (ancestor != RootConcept)  // the root's own slots are never inherited
            work.append(ancestor);
    db::Transaction tx(OntologyDB);
    InheritClear();
    if (!work.isEmpty()) {
        const bool exclusive = inheritanceType != Cumulative;
        InheritWalk(RootConcept, inheritanceType, include, work);
        for (const SlotRow &row : GetOwnRelations(conceptId))
            cancelOwn(row, conceptId, exclusive);
        for (const SlotRow &row : GetOwnAttributes(conceptId))
            cancelOwn(row, conceptId, exclusive);
    }
    tx.commit();
}
