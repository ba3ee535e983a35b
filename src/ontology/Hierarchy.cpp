#include "Hierarchy.h"

#include "Global.h"

#include <QHash>
#include <vector>

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

// The order both walks keep: a node's neighbours are listed before any of them is
// expanded, then each neighbour is expanded in turn, depth first. Expanding a node a
// second time could only repeat entries already listed, so each node is expanded once;
// that is also what makes a cycle harmless.
QStringList orderedClosure(const QString &start, const QString &neighboursSql)
{
    // One read transaction for the whole walk: the file is locked and checked once, not
    // once for every node.
    db::Transaction read(OntologyDB);
    db::Statement st(OntologyDB, neighboursSql);
    QStringList result;
    QHash<QString, bool> met;  // listed -> expanded
    met.insert(start, true);
    struct Frame {
        QStringList neighbours;
        qsizetype next = 0;
    };
    std::vector<Frame> stack;
    const auto expand = [&](const QString &node) {
        QStringList neighbours = column(st, node);
        for (const QString &n : neighbours) {
            const qsizetype before = met.size();
            met[n];  // one hash look-up both tests and records the node
            if (met.size() != before)
                result << n;
        }
        stack.push_back({std::move(neighbours)});
    };
    expand(start);
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next == top.neighbours.size()) {
            stack.pop_back();
            continue;
        }
        const QString node = top.neighbours.at(top.next++);
        bool &expanded = met[node];
        if (expanded)
            continue;
        expanded = true;
        expand(node);
    }
    read.commit();
    return result;
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

QStringList GetDescendants(const QString &identifier) { return orderedClosure(identifier, ChildrenSql); }

QStringList GetAncestors(const QString &identifier) { return orderedClosure(identifier, ParentsSql); }
