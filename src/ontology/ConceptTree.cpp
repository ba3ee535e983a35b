#include "ConceptTree.h"

#include "Global.h"
#include "db/Text.h"

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

const QStringList &IsaPaths::parentsOf(const QString &conceptId)
{
    const QString key = ConceptKey(conceptId);
    auto it = m_parents.find(key);
    if (it == m_parents.end())
        it = m_parents.insert(key, GetParents(conceptId));
    return *it;
}

bool IsaPaths::reachesTop(const QString &conceptId, const QString &top)
{
    if (!db::sameText(m_top, top)) {
        m_top = top;
        m_reaches.clear();
    }
    // Kept on a stack of its own: a chain may be deeper than the program's stack allows,
    // and a cycle in the links ends at a concept already on the way.
    struct Frame {
        QString key;
        QStringList parents;
        qsizetype next = 0;
    };
    const QString start = ConceptKey(conceptId);
    if (auto known = m_reaches.constFind(start); known != m_reaches.cend())
        return *known;
    const QString topKey = ConceptKey(top);
    std::vector<Frame> stack;
    QHash<QString, bool> onWay;
    const auto enter = [&](const QString &c) {
        const QString key = ConceptKey(c);
        if (key == topKey) {
            m_reaches.insert(key, true);
            return;
        }
        onWay.insert(key, true);
        stack.push_back({key, parentsOf(c)});
    };
    enter(conceptId);
    while (!stack.empty()) {
        Frame &f = stack.back();
        if (m_reaches.value(f.key, false) || f.next == f.parents.size()) {
            const QString key = f.key;
            const bool reaches = m_reaches.value(key, false);
            m_reaches.insert(key, reaches);
            stack.pop_back();
            if (reaches && !stack.empty())
                m_reaches.insert(stack.back().key, true);
            continue;
        }
        const QString parent = f.parents.at(f.next++);
        const QString key = ConceptKey(parent);
        if (auto known = m_reaches.constFind(key); known != m_reaches.cend()) {
            if (*known)
                m_reaches.insert(f.key, true);
            continue;
        }
        if (onWay.contains(key))
            continue;
        enter(parent);
        if (key == topKey)
            m_reaches.insert(f.key, true);
    }
    return m_reaches.value(start, false);
}

std::vector<QStringList> IsaPaths::pathsFromTop(const QString &top, const QString &conceptId, size_t maxPaths)
{
    std::vector<QStringList> paths;
    if (db::sameText(top, conceptId) || !reachesTop(conceptId, top))
        return paths;
    // Depth first upward through the parents that lie below top, on a stack of its own (a
    // chain may be deeper than the program's stack); each path found is read from the top
    // down. The way up never meets a concept twice, so a cycle ends it.
    struct Frame {
        QString conceptId;
        QStringList parents;
        qsizetype next = 0;
    };
    std::vector<Frame> stack;
    QHash<QString, bool> onWay;
    onWay.insert(ConceptKey(conceptId), true);
    stack.push_back({conceptId, parentsOf(conceptId)});
    while (!stack.empty() && paths.size() < maxPaths) {
        Frame &f = stack.back();
        if (f.next == f.parents.size()) {
            onWay.remove(ConceptKey(f.conceptId));
            stack.pop_back();
            continue;
        }
        const QString parent = f.parents.at(f.next++);
        const QString key = ConceptKey(parent);
        if (onWay.contains(key) || !reachesTop(parent, top))
            continue;
        if (db::sameText(parent, top)) {
            QStringList path{parent};
            for (size_t i = stack.size() - 1; i >= 1; --i)
                path << stack[i].conceptId;
            paths.push_back(std::move(path));
            continue;
        }
        onWay.insert(key, true);
        stack.push_back({parent, parentsOf(parent)});
    }
    return paths;
}
