#pragma once
// The one open ontology file: opening it into OntologyDB with its MetaData row read into
// OntologyInfo, writing that row back, and letting the file go. No window is involved;
// the main window's life cycle calls these and shows what they throw.

#include "Global.h"
#include "Properties.h"

// The MetaData row a new ontology starts with: the texts typed in the properties
// dialog, today as Created and Modified, and the default options.
OntologyInfoRecord NewOntologyInfo(const PropertiesText &text);

// Opens path into OntologyDB and reads its MetaData row into OntologyInfo, with today as
// Modified. A file that is no database, lacks a table of the ontology schema or has no
// MetaData row is refused with 3343 or 3011. On any failure nothing has been written to
// the file, OntologyDB is closed and OntologyInfo holds nothing of an earlier ontology.
void OpenOntologyDatabase(const QString &path);

// Writes OntologyInfo back into the file's MetaData row, with today as Modified.
void WriteBackOntologyInfo();

// Lets the file go: RSInherit and OntologyDB are closed (every other cursor on the file
// ends with it). Never throws.
void ReleaseOntologyDatabase();
