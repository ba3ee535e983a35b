#include "ConceptTree.h"

#include "Global.h"
#include "db/Text.h"

#include <QSet>
#include <algorithm>
#include <vector>

namespace {

// The text before the first character that is a wildcard of the search patterns.
QString literalPrefix(const QString &pattern)
{
    qsizetype i = 0;
    while (i < pattern.size() && !QStringLiteral("*?#[").contains(pattern.at(i)))
        ++i;
    return pattern.left(i);
}

}  // namespace

QString ConceptKey(const QString &conceptId)
{
    QString out = conceptId;
    for (QChar &c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return out;
}

std::vector<ChildRow> GetChildRows(const QString &parent)
{
    db::Statement st(OntologyDB, QStringLiteral("SELECT i.Concept, EXISTS (SELECT 1 FROM ISA c WHERE c.ISA = i.Concept) "
                                                "FROM ISA i WHERE i.ISA = ? ORDER BY i.Concept"));
    st.bind(1, parent);
    std::vector<ChildRow> rows;
    while (st.step())
        rows.push_back({st.column(0).toString(), st.column(1).toBool()});
    return rows;
}

std::optional<int> FindConceptType(const QString &conceptId)
{
    const QVariant type = OntologyDB.scalar(QStringLiteral("SELECT Type FROM CONCEPTS WHERE Concept = ?"), {conceptId});
    if (type.isNull())
        return std::nullopt;
    return type.toInt();
}

QStringList FindConceptsLike(const QString &pattern)
{
    const QString prefix = literalPrefix(pattern);
    QStringList found;
    db::Statement st(OntologyDB, prefix.isEmpty()
                                     ? QStringLiteral("SELECT Concept FROM CONCEPTS ORDER BY Concept")
                                     : QStringLiteral("SELECT Concept FROM CONCEPTS WHERE Concept >= ? ORDER BY Concept"));
    if (!prefix.isEmpty())
        st.bind(1, prefix);
    const QString folded = ConceptKey(prefix);
    while (st.step()) {
        const QString conceptId = st.column(0).toString();
        // The key order folds ASCII letters as ConceptKey does, so the first identifier that
        // no longer begins with the prefix ends the range.
        if (!prefix.isEmpty() && ConceptKey(conceptId.left(prefix.size())) != folded)
            break;
        if (db::likeMatch(conceptId, pattern, Qt::CaseInsensitive))
            found << conceptId;
    }
    return found;
}

QHash<QString, QStringList> IsaWaysDown(const QString &top, const QStringList &conceptIds)
{
    const QString topKey = ConceptKey(top);
    // Up first: each ancestor of the concepts is climbed once and every link met is kept,
    // by its parent's key. A climb ends at top; one that never meets it goes on to the
    // root, as nothing tells in advance which parents lie below top.
    QHash<QString, QStringList> met;
    QSet<QString> climbed;
    QStringList queue;
    for (const QString &c : conceptIds) {
        const QString key = ConceptKey(c);
        if (key != topKey && !climbed.contains(key)) {
            climbed.insert(key);
            queue << c;
        }
    }
    for (qsizetype i = 0; i < queue.size(); ++i) {
        const QString child = queue.at(i);
        for (const QString &parent : GetParents(child)) {
            const QString key = ConceptKey(parent);
            met[key] << child;
            if (key != topKey && !climbed.contains(key)) {
                climbed.insert(key);
                queue << parent;
            }
        }
    }
    // Then down from top through the links met: what top does not reach is on no way
    // down, and a cycle in the links ends at a concept already reached.
    QHash<QString, QStringList> ways;
    QStringList down{topKey};
    QSet<QString> reached{topKey};
    for (qsizetype i = 0; i < down.size(); ++i) {
        const auto children = met.constFind(down.at(i));
        if (children == met.cend())
            continue;
        QStringList sorted = *children;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString &a, const QString &b) { return db::compareText(a, b) < 0; });
        sorted.erase(std::unique(sorted.begin(), sorted.end(),
                                 [](const QString &a, const QString &b) { return db::sameText(a, b); }),
                     sorted.end());
        for (const QString &c : sorted) {
            const QString key = ConceptKey(c);
            if (!reached.contains(key)) {
                reached.insert(key);
                down << key;
            }
        }
        ways.insert(down.at(i), sorted);
    }
    return ways;
}
