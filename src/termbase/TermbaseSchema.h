#pragma once
// The termbase file: its eighteen tables, their indexes and cascading relations, the
// data-category repository and skeleton element tree copied from res.dat, and the
// termbase's own copy of the working ontology's concept identifiers.

#include "db/Database.h"
#include "db/Schema.h"

#include <QString>
#include <QStringList>
#include <functional>

db::Schema termbaseSchema();

// Tables a file must have to be taken for a termbase.
QStringList termbaseTables();

// The resource copy reports its progress after every copied row with a value that
// climbs from 1 and never passes ResourceCopyMaximum, whatever the number of rows:
// the editor's progress bar takes that maximum.
constexpr int ResourceCopyMaximum = 686;
using CopyProgress = std::function<void(int value)>;

// Creates the file at path with the whole schema, the resource rows and the working
// ontology's concepts, in one transaction. A file that exists already is error 3204
// and is left alone; any later failure removes the file again, so no half-built
// termbase remains.
void CreateTermbaseSchema(const QString &path, const CopyProgress &progress = {});

// Copies the seven resource tables from res.dat into a new termbase, in an order in
// which every row's relations are satisfied.
void CopyResourceData(db::Database &termbase, const CopyProgress &progress = {});

// Copies the concept identifiers of OntologyDB, all but RootConcept, into the
// termbase's CONCEPTS.
void CopyOntologyConcepts(db::Database &termbase);
