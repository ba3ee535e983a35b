#pragma once
// A new ontology with a few concepts of every kind that the export file carries, and the
// helpers the export and import tests share.

#include "db/Database.h"
#include "support/OntologyFixture.h"

#include <QStringList>

// On top of the seed: a small hierarchy of objects with a relation and attributes, an
// attribute concept and a relation concept with domains and ranges (some by default), a
// concept of Type 13, and definitions that are Null, the stored word "Undefined", and a
// text with CR LF and double quotes.
inline void addSmallOntology()
{
    OntologyDB.execute(
        "INSERT INTO CONCEPTS (Concept, Definition, Type, Subset_ID) VALUES "
        "('ARTIFACT', 'Made by people.', 1, 1), ('VEHICLE', 'A thing that \"carries\"' || char(13, 10) || 'things.', 1, 1), "
        "('CAR', NULL, 1, 1), ('SEDAN', 'Undefined', 1, 1), ('TRUCK', NULL, 1, 1), ('WHEEL', NULL, 1, 1), "
        "('ODD', NULL, 13, 1)");
    OntologyDB.execute("INSERT INTO ISA (Concept, ISA) VALUES ('ARTIFACT', 'OBJECT'), ('VEHICLE', 'OBJECT'), "
                       "('CAR', 'VEHICLE'), ('CAR', 'ARTIFACT'), ('SEDAN', 'CAR'), ('TRUCK', 'CAR'), "
                       "('WHEEL', 'OBJECT'), ('ODD', 'OBJECT')");
    OntologyDB.execute("INSERT INTO RELATIONS (Concept1, Rel, \"Default\", Concept2) VALUES "
                       "('CAR', 'HAS-PART', 0, 'WHEEL'), ('COLOR', 'DOMAIN', 1, 'VEHICLE'), "
                       "('COLOR', 'CAUSES', 0, 'CAR'), ('HAS-PART', 'RANGE', 1, 'WHEEL')");
    OntologyDB.execute("INSERT INTO ATTRIBUTES (Concept, Attribute, \"Default\", Value) VALUES "
                       "('CAR', 'COLOR', 1, 'red'), ('CAR', 'SIZE', 0, 'big' || char(13, 10) || 'ish'), "
                       "('COLOR', 'RANGE', 0, 'red'), ('COLOR', 'RANGE', 1, 'blue')");
}

inline QStringList allConcepts()
{
    QStringList out;
    db::Statement st(OntologyDB, "SELECT Concept FROM CONCEPTS ORDER BY Concept");
    while (st.step())
        out << st.column(0).toString();
    return out;
}

inline QByteArray crlfLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}
