#pragma once
// The identifier lists that the concept selection windows (reports, export, batch naming)
// fill their lists from and select by. Each is one query read into memory at once, so a
// window can test every identifier against a pattern or a set without a query per row.

#include <QString>
#include <QStringList>

// Alphabetically (as the file compares identifiers) or in the order the rows were stored.
enum class ConceptOrder { Alpha, AsEntered };

// Every concept of the open ontology.
QStringList ListOntologyConcepts(ConceptOrder order);
// The concepts of one subset.
QStringList ListSubsetConcepts(int subset);
// The subset names in Subset_ID order.
QStringList ListSubsetNames();
// Every descendant of the concept in no particular order, a concept reached along several
// paths possibly more than once: what GetDescendants lists, for callers that want the
// set. The links are read in one pass and walked in memory, so a subhierarchy of half a
// million concepts costs one read of the table rather than a query per concept.
QStringList ListDescendantsUnordered(const QString &identifier);
