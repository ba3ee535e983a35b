#include "ConceptTree.h"

#include "Global.h"
#include "db/Text.h"

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

QHash<QString, QStringList> IsaPaths::waysDown(const QString &top, const QStringList &conceptIds)
{
    QHash<QString, QStringList> ways;
    QHash<QString, bool> climbed;
    QStringList queue;
    for (const QString &c : conceptIds)
        if (!db::sameText(c, top) && reachesTop(c, top) && !climbed.contains(ConceptKey(c))) {
            climbed.insert(ConceptKey(c), true);
            queue << c;
        }
    // Upward from the concepts through the parents below top, each concept climbed once;
    // top ends every climb.
    for (qsizetype i = 0; i < queue.size(); ++i) {
        const QString child = queue.at(i);
        for (const QString &parent : parentsOf(child)) {
            if (!reachesTop(parent, top))
                continue;
            const QString key = ConceptKey(parent);
            ways[key] << child;
            if (!db::sameText(parent, top) && !climbed.contains(key)) {
                climbed.insert(key, true);
                queue << parent;
            }
        }
    }
    for (QStringList &children : ways) {
        std::sort(children.begin(), children.end(),
                  [](const QString &a, const QString &b) { return db::compareText(a, b) < 0; });
        children.erase(std::unique(children.begin(), children.end(),
                                   [](const QString &a, const QString &b) { return db::sameText(a, b); }),
                       children.end());
    }
    return ways;
}
