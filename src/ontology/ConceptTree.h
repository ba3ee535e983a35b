#pragma once
// What the concept trees read: a node's children with, in the same query, whether each of
// them has children of its own; the concepts a typed search finds; and the IS-A paths
// along which a tree opens to show a concept.

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct ChildRow {
    QString conceptId;
    bool hasChildren = false;
};

// The identifier as the file compares keys: ASCII letters folded to capitals.
QString ConceptKey(const QString &conceptId);

// The children of the concept in identifier order, each telling whether it has children.
std::vector<ChildRow> GetChildRows(const QString &parent);

// The concept's Type, or nothing when the concept is not (or no longer) in the file.
std::optional<int> FindConceptType(const QString &conceptId);

// The concepts whose identifier matches the search pattern ("*" any run, "?" one
// character, "#" one digit, "[...]" a class; an unclosed "[" is itself), letters compared
// without regard to case as the file compares keys, in identifier order. The literal text
// before the first wildcard narrows the scan to one range of the key.
QStringList FindConceptsLike(const QString &pattern);

// For every concept on an IS-A path from top down to one of the concepts (top included,
// the concepts themselves only where they lie on the way to another), by its key
// (ConceptKey): its children on such paths, in identifier order. A tree that opens top and
// then, node by node, the children listed shows every node of the concepts below top.
// Empty when none of them lies below top. Each ancestor is read once, so a search that
// reveals thousands of concepts costs what their ancestors number.
QHash<QString, QStringList> IsaWaysDown(const QString &top, const QStringList &conceptIds);
