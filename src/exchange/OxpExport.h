#pragma once
// Concepts of the open ontology as blocks of export-file lines. A block holds, in this
// order: the IS-A lines (by parent), the one DEFINITION line, the SUBCLASSES lines (by
// child), then for an attribute concept (Type 3) its DOMAIN lines and its RANGE values,
// for a relation concept (Type 4) its DOMAIN and RANGE concepts, and for any other
// concept its relations (by slot) and its attributes (by attribute). Line breaks in a
// definition or an attribute value become blanks, so every slot stays on its line.
// Exporting only reads the ontology.

#include <QString>
#include <QStringList>
#include <functional>

// The block of one concept, its lines joined by CR LF, without a line end after the
// last; "" when the concept is not in the ontology.
QString ConceptToOxp(const QString &identifier);
// Appends the concept's relation, attribute, domain and range lines.
void RelationsToOxp(const QString &identifier, QStringList &lines);

struct OxpExportResult {
    qsizetype exported = 0;
    QStringList missing;  // listed, but no longer in the ontology: not written
};

// Called once per identifier, in the order given, after its block is written (or
// skipped): its position in the list and whether it was exported.
using OxpExportProgress = std::function<void(qsizetype position, bool exported)>;

// Writes the blocks of the identifiers, in the order given, to path. The ontology is read
// in one pass over each table, whatever the number of concepts. The file appears only
// when every block is written; a failure throws db::DbError and leaves what stood under
// that name before.
OxpExportResult ExportConceptsToOxp(const QString &path, const QStringList &identifiers,
                                    const OxpExportProgress &progress = {});
