#pragma once
// The ontology's properties and options live in one MetaData row: the one with the
// lowest MetaData_ID. Reading and writing use that same row, so a file that somehow
// holds several rows still shows what was last saved.

struct OntologyInfoRecord;

// Reads the row into info; a Null reads as the field's value in a new ontology (a Null
// text that has none as ""). Without a row info is left as it was and the result is false.
bool ReadOntologyMetaData(OntologyInfoRecord &info);
// Writes info into the row, or adds the row when the table has none.
void WriteOntologyMetaData(const OntologyInfoRecord &info);
