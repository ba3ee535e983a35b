#pragma once
// The concepts of the open termbase's term entries (TE_CONCEPTS), for the windows that
// list and select entries by their concept.

#include "ontology/SelectionLists.h"

#include <QHash>
#include <QString>
#include <QStringList>

QStringList ListEntryConcepts(ConceptOrder order);
// Every entry's concept with the elemID of its entry: read once per run, so that entries
// deleted since the list was filled are told apart from those still there.
QHash<QString, qint64> EntryElemIDs();
// Whether the termbase has any term entry with a concept.
bool HasEntryConcepts();
