#pragma once
// The IS-A links of a concept: one ISA row per (child, parent) pair. A link that would
// close a cycle (a parent that is the concept itself or lies below it) is refused: the
// hierarchy must keep every concept's path up to the root. Each command runs in one
// transaction.

#include <QString>

enum class LinkOutcome { Done, Exists, Cycle, Gone };

qint64 CountIsaLinks(const QString &child);
bool IsaLinkWouldCycle(const QString &child, const QString &parent);
// Exists when the link is there already, Cycle as above.
LinkOutcome AddIsaLink(const QString &child, const QString &parent);
// Moves the link (child, oldParent) to newParent; Gone when that link is no longer there.
LinkOutcome ReplaceIsaLink(const QString &child, const QString &oldParent, const QString &newParent);
// False when the link was no longer there.
bool DeleteIsaLink(const QString &child, const QString &parent);
