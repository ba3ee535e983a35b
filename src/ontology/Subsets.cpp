#include "Subsets.h"

#include "ConceptCommands.h"
#include "Global.h"
#include "SelectionLists.h"
#include "db/Text.h"

#include <algorithm>
#include <functional>
#include <vector>

qsizetype SubsetNameLength(const QString &name) { return name.toUcs4().size(); }

std::optional<int> FreeSubsetID()
{
    int candidate = FirstUserSubsetID;
    db::Statement st(OntologyDB, QStringLiteral("SELECT Subset_ID FROM Subsets WHERE Subset_ID BETWEEN ? AND ? "
                                                "ORDER BY Subset_ID"));
    st.bind(1, FirstUserSubsetID).bind(2, LastSubsetID);
    while (st.step()) {
        const int used = st.column(0).toInt();
        if (used > candidate)
            break;
        candidate = used + 1;
    }
    st.reset();
    if (candidate > LastSubsetID)
        return std::nullopt;
    return candidate;
}

bool SubsetNameTaken(const QString &name)
{
    return OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM Subsets WHERE Subset = ?"), {name}).toLongLong() > 0;
}

bool SubsetExists(int subset)
{
    return OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM Subsets WHERE Subset_ID = ?"), {subset}).toLongLong() >
           0;
}

void AddSubset(int subset, const QString &name)
{
    db::Transaction tx(OntologyDB);
    OntologyDB.execute(QStringLiteral("INSERT INTO Subsets (Subset_ID, Subset) VALUES (?, ?)"), {subset, name});
    tx.commit();
}

QString SubsetRemovalProblem(int subset)
{
    const QString name = GetSubsetName(subset);
    if (OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM Subsets")).toLongLong() <= 1)
        return QStringLiteral("%1 is the only subset of this ontology. It cannot be removed.").arg(name);
    // The root first: it is the reason the user most likely needs to hear.
    db::Statement kept(OntologyDB, QStringLiteral("SELECT Concept, Type = ? OR Concept = ? FROM CONCEPTS "
                                                  "WHERE Subset_ID = ? AND (Type = ? OR Concept IN (?, ?, ?)) "
                                                  "ORDER BY 2 DESC, rowid LIMIT 1"));
    kept.bindAll({RootType, RootConcept, subset, RootType, RootConcept, QStringLiteral("DOMAIN"), QStringLiteral("RANGE")});
    if (!kept.step())
        return {};
    const QString held = kept.column(0).toString();
    const bool root = kept.column(1).toBool();
    kept.reset();
    if (root)
        return QStringLiteral("Subset %1 holds the root concept %2. It cannot be removed.").arg(name, held);
    return QStringLiteral("Subset %1 holds %2, which keeps the domains and ranges of the ontology. "
                          "It cannot be removed.")
        .arg(name, held);
}

qsizetype CountConceptsLosingTheirLastParent(int subset)
{
    // From the subset's concepts down to their children elsewhere, and of those the ones
    // with no parent outside it: a walk over the subset, not over the whole ontology. The
    // parents are looked up by the child's own row, so that a child inside the subset is
    // passed over before they are.
    return OntologyDB
        .scalar(QStringLiteral("SELECT count(DISTINCT c.Concept) FROM CONCEPTS p "
                               "JOIN ISA i ON i.ISA = p.Concept "
                               "JOIN CONCEPTS c ON c.Concept = i.Concept "
                               "WHERE p.Subset_ID = ?1 AND c.Subset_ID <> ?1 AND NOT EXISTS ("
                               "SELECT 1 FROM ISA j JOIN CONCEPTS q ON q.Concept = j.ISA "
                               "WHERE j.Concept = c.Concept AND q.Subset_ID <> ?1)"),
                {subset})
        .toLongLong();
}

namespace {

struct Reference {
    QString table;
    QString column;
};

// The columns that refer to a concept, as the file declares them; nothing when some table
// refers to one of those tables in turn (removing their rows set by set would then leave
// that table's rows behind, so the cascades must do it).
std::optional<std::vector<Reference>> conceptReferences()
{
    std::vector<Reference> out;
    QStringList referring;
    db::Statement st(OntologyDB, QStringLiteral("SELECT m.name, f.\"table\", f.\"from\" FROM sqlite_schema m, "
                                                "pragma_foreign_key_list(m.name) f WHERE m.type = 'table'"));
    std::vector<std::pair<QString, QString>> parents;  // child table, parent table
    while (st.step()) {
        const QString table = st.column(0).toString();
        const QString parent = st.column(1).toString();
        parents.push_back({table, parent});
        if (db::sameText(parent, QStringLiteral("CONCEPTS"))) {
            out.push_back({table, st.column(2).toString()});
            referring << table;
        }
    }
    for (const auto &[table, parent] : parents)
        if (referring.contains(parent, Qt::CaseInsensitive))
            return std::nullopt;
    return out;
}

}  // namespace

QStringList RemoveSubset(int subset, const std::function<void()> &betweenRuns)
{
    const db::BulkCache cache(OntologyDB);
    const auto references = conceptReferences();
    std::optional<db::ForeignKeysOff> unchecked;
    if (references)
        unchecked.emplace(OntologyDB);
    db::Transaction tx(OntologyDB);
    const QStringList removed = ListSubsetConcepts(subset);
    // Each table is swept a run of identifiers at a time, in identifier order, so that
    // the windows may paint between runs; a sweep keeps to one table, whose pages then
    // stay in the cache until it is done. A run's rows are found through the index by subset.
    constexpr qsizetype RunLength = 5000;
    const QString run = QStringLiteral("Subset_ID = ?1 AND Concept BETWEEN ?2 AND ?3");
    const auto sweep = [&](const QString &sql) {
        for (qsizetype first = 0; first < removed.size(); first += RunLength) {
            const qsizetype last = std::min(first + RunLength, removed.size()) - 1;
            OntologyDB.execute(sql, {subset, removed.at(first), removed.at(last)});
            if (betweenRuns)
                betweenRuns();
        }
    };
    if (unchecked && unchecked->active()) {
        // What the cascades would do, one statement per referring column and run rather
        // than a dozen statements per concept.
        for (const Reference &r : *references)
            sweep(QStringLiteral("DELETE FROM %1 WHERE %2 IN (SELECT Concept FROM CONCEPTS WHERE %3)")
                      .arg(db::quoteIdent(r.table), db::quoteIdent(r.column), run));
    }
    sweep(QStringLiteral("DELETE FROM CONCEPTS WHERE ") + run);
    OntologyDB.execute(QStringLiteral("DELETE FROM Subsets WHERE Subset_ID = ?"), {subset});
    tx.commit();
    return removed;
}

qsizetype TransferConcepts(const QStringList &concepts, int from, int to, const BatchProgress &progress)
{
    const db::BulkCache cache(OntologyDB);
    db::Transaction tx(OntologyDB);
    db::Statement move(OntologyDB,
                       QStringLiteral("UPDATE CONCEPTS SET Subset_ID = ? WHERE Concept = ? AND Subset_ID = ?"));
    qsizetype moved = 0;
    qsizetype done = 0;
    for (const QString &c : concepts) {
        move.bind(1, to).bind(2, c).bind(3, from);
        move.run();
        moved += OntologyDB.changes();
        if (progress)
            progress(++done);
    }
    tx.commit();
    return moved;
}
