#include "Hierarchy.h"

#include "Global.h"


namespace {

const QString ChildrenSql = QStringLiteral("SELECT Concept FROM ISA WHERE ISA = ? ORDER BY Concept");
const QString ParentsSql = QStringLiteral("SELECT ISA FROM ISA WHERE Concept = ? ORDER BY ISA");

QStringList column(db::Statement &st, const QString &key)
{
    st.bind(1, key);
    QStringList out;
    while (st.step())
        out << st.column(0).toString();
    return out;
}

}  // namespace

QStringList GetChildren(const QString &identifier)
{
    db::Statement st(OntologyDB, ChildrenSql);
    return column(st, identifier);
}

QStringList GetParents(const QString &identifier)
{
    db::Statement st(OntologyDB, ParentsSql);
    return column(st, identifier);
}

bool IsLeafConcept(const QString &identifier, qsizetype *count)
{
    const qsizetype n =
        OntologyDB.scalar(QStringLiteral("SELECT count(*) FROM ISA WHERE ISA = ?"), {identifier}).toLongLong();
    if (count)
        *count = n;
    return n == 0;
}

QStringList GetDescendants(const QString &identifier)
{
    return HierarchyWalk(identifier, HierarchyWalk::Direction::Down).next(-1);
}

QStringList GetAncestors(const QString &identifier)
{
    return HierarchyWalk(identifier, HierarchyWalk::Direction::Up).next(-1);
}

// The order both walks keep: a node's neighbours are listed before any of them is
// expanded, then each neighbour is expanded in turn, depth first. Expanding a node a
// second time could only repeat entries already listed, so each node is expanded once;
// that is also what makes a cycle harmless.
HierarchyWalk::HierarchyWalk(const QString &start, Direction direction) : m_start(start), m_direction(direction) {}

void HierarchyWalk::expand(db::Statement &neighbours, const QString &node)
{
    QStringList found = column(neighbours, node);
    for (const QString &n : found) {
        const qsizetype before = m_met.size();
        m_met[n];  // one hash look-up both tests and records the node
        if (m_met.size() != before)
            m_ready << n;
    }
    m_stack.push_back({std::move(found)});
}

QStringList HierarchyWalk::next(qsizetype max)
{
    if (done())
        return {};
    // One read transaction for the steps taken now: the file is locked and checked once,
    // not once for every node.
    db::Transaction read(OntologyDB);
    db::Statement st(OntologyDB, m_direction == Direction::Down ? ChildrenSql : ParentsSql);
    if (!m_started) {
        m_started = true;
        m_met.insert(m_start, true);
        expand(st, m_start);
    }
    while (!m_stack.empty() && (max < 0 || m_ready.size() < max)) {
        Frame &top = m_stack.back();
        if (top.next == top.neighbours.size()) {
            m_stack.pop_back();
            continue;
        }
        const QString node = top.neighbours.at(top.next++);
        bool &expanded = m_met[node];
        if (expanded)
            continue;
        expanded = true;
        expand(st, node);
    }
    read.commit();
    QStringList out;
    if (max < 0 || m_ready.size() <= max) {
        out.swap(m_ready);
    } else {
        out = m_ready.mid(0, max);
        m_ready.remove(0, max);
    }
    return out;
}
