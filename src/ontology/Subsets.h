#pragma once
// The subsets of the open ontology. Every concept belongs to exactly one subset; the
// Subsets table cascades to CONCEPTS, so removing a subset removes its concepts and every
// row that names them. Subset 1 comes with every new ontology; the user's subsets take the
// numbers 2 to 127. Each command here is one transaction; nothing here asks the user.

#include "BatchProgress.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

constexpr int SubsetNameMaxLength = 65;
constexpr int FirstUserSubsetID = 2;
constexpr int LastSubsetID = 127;

// Characters as the file counts them (a character beyond the 16-bit range is one).
qsizetype SubsetNameLength(const QString &name);
// The smallest number from 2 to 127 that no subset has, or nothing when all are taken.
std::optional<int> FreeSubsetID();
// Compared as the file compares names: ASCII letter case does not count.
bool SubsetNameTaken(const QString &name);
bool SubsetExists(int subset);
void AddSubset(int subset, const QString &name);

// Why the subset must stay, or "" when it may be removed: the last subset of the
// ontology (new concepts would have nowhere to go), the subset that holds the root (the
// hierarchy would lose its top) and the one that holds DOMAIN or RANGE (every domain
// and range would go) stay.
QString SubsetRemovalProblem(int subset);
// How many concepts of other subsets have all their parents in the subset: removing it
// leaves them without any parent, outside every tree.
qsizetype CountConceptsLosingTheirLastParent(int subset);
// Removes the subset with its concepts and returns the identifiers of the concepts
// removed, in identifier order. betweenRuns is called between the runs the removal goes
// in, where the windows may paint.
QStringList RemoveSubset(int subset, const std::function<void()> &betweenRuns = {});

// Moves those of the concepts that are still in subset from into subset to and returns
// how many moved; a concept deleted or moved meanwhile is passed over.
qsizetype TransferConcepts(const QStringList &concepts, int from, int to, const BatchProgress &progress = {});
