#pragma once
// The state every window shares about the one open ontology. Only the ontology life
// cycle (new, open, close) sets and clears it; everything else reads it.

#include "db/Cursor.h"
#include "db/Database.h"

#include <QDate>
#include <QString>
#include <optional>

// The ontology's MetaData row held in memory while the file is open.
struct OntologyInfoRecord {
    QString Name;
    QDate Created;
    QDate Modified;
    QString Owner;
    QString Author;
    QString Description;
    QString Contact;
    int ListTop = 0;
    int MaxParents = 2;
    QString DefLang;
    bool Naming = true;
    int AutoName = 0;
    int ActiveSet = 1;
};

inline db::Database OntologyDB;
inline QString OntologyPath;    // empty exactly when no ontology is open
inline QString OntologyFolder;  // the open file's folder, ending in a separator
inline OntologyInfoRecord OntologyInfo;
inline std::optional<db::TableCursor> RSInherit;  // on Inherit, index "Attr"
inline QString RootConcept;
// Encloses values in the criteria texts that are shown to the user.
inline const QString QuoteChar = QStringLiteral("\"");

// Tables a file must have to be taken for an ontology.
QStringList ontologyTables();

// The shared procedures over the open ontology.
#include "Hierarchy.h"
#include "IdentifierRules.h"
#include "Inheritance.h"
#include "Lookups.h"
#include "MetaData.h"
#include "StringHelpers.h"
