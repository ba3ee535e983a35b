#pragma once
// Queries over the IS-A hierarchy of the open ontology. Lists are duplicate-free and in
// a fixed order; a concept without rows gives an empty list. The walks stop at a concept
// already met, so a cycle in the links cannot trap them, and they keep their own stack,
// so a chain of any depth is walked without running out of the program's stack.

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace db {
class Statement;
}

// The concepts whose IS-A parent is the identifier, in identifier order.
QStringList GetChildren(const QString &identifier);
// The IS-A parents, in identifier order.
QStringList GetParents(const QString &identifier);
// True when the concept has no children; count, when given, receives how many it has.
bool IsLeafConcept(const QString &identifier, qsizetype *count = nullptr);
// Every concept below: the children in order, then, child by child, the descendants of
// each child not listed yet. A concept reached along several paths is listed once, at
// its first place in that order.
QStringList GetDescendants(const QString &identifier);
// Every concept above, in the same manner over the parents: for a single chain it runs
// from the parent up to the root; with several parents the root comes where it is first
// met, not necessarily last. The identifier itself is never listed.
QStringList GetAncestors(const QString &identifier);

// The walk behind GetDescendants and GetAncestors, taken a few steps at a time, so that a
// pane shows the first of forty thousand descendants without reading them all. Each
// call reads what it needs in one read transaction of its own.
class HierarchyWalk {
public:
    enum class Direction { Down, Up };
    HierarchyWalk(const QString &start, Direction direction);

    // The next identifiers in the walk's order, at most max (all that are left with -1).
    QStringList next(qsizetype max);
    bool done() const { return m_started && m_ready.isEmpty() && m_stack.empty(); }

private:
    void expand(class db::Statement &neighbours, const QString &node);

    QString m_start;
    Direction m_direction;
    bool m_started = false;
    QHash<QString, bool> m_met;  // listed -> expanded
    struct Frame {
        QStringList neighbours;
        qsizetype next = 0;
    };
    std::vector<Frame> m_stack;
    QStringList m_ready;  // listed by an expansion, not handed out yet
};
