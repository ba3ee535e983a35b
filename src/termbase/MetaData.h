#pragma once
// The termbase's one MetaData row: its properties and options.

#include "Global.h"

// The row a new termbase starts with. From typed it takes Name, Owner, Author, Contact
// and Description; Created and Modified are today, Ontology is OntologyPath, the data
// categories are named in "en" and shown as a "tree".
void WriteFirstMetaData(db::Database &termbase, const TermbaseInfoRecord &typed);

// Empties info, then fills it from the MetaData row of TermbaseDB (the lowest MetaID).
// A file without that row was never finished as a termbase: ObjectNotFound (3011), so
// it is refused like a file without the termbase's tables.
void ReadTermbaseMetaData(TermbaseInfoRecord &info);

// The working ontology a termbase file names: the Ontology of its MetaData row. A file
// without that row is ObjectNotFound (3011), as for ReadTermbaseMetaData.
QString ReadTermbaseOntology(const db::Database &termbase);

// Binds a termbase file to the open ontology: its row's Ontology becomes OntologyPath
// and Modified today. Nothing else of the row changes.
void BindTermbaseToOntology(db::Database &termbase);

// Writes TermbaseInfo back into the row it was read from, with today as Modified. The
// row's Ontology stays as it is: only linking a termbase changes its ontology.
void WriteTermbaseMetaData();
