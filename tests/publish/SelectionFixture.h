#pragma once
// A small ontology whose concepts make every selection case visible: two subsets, a
// hierarchy under a root that is not the first concept stored, a lower-case identifier,
// a digit, and a stored order that differs from the alphabetical one.

#include "ontology/Global.h"
#include "support/OntologyFixture.h"

struct SelectionOntology {
    NewOntology ontology;

    SelectionOntology()
    {
        OntologyDB.execute(QStringLiteral("DELETE FROM CONCEPTS WHERE Concept <> 'ALL'"));
        OntologyDB.execute(QStringLiteral("INSERT OR IGNORE INTO Subsets (Subset_ID, Subset) VALUES (2, 'Vehicles')"));
        // Stored in this order: TRUCK first, ALL (seeded) before them all.
        const char *rows[][3] = {
            {"TRUCK", "VEHICLE", "2"}, {"VEHICLE", "ALL", "2"}, {"CAR", "VEHICLE", "2"},
            {"CAR-2", "CAR", "2"},     {"ANIMAL", "ALL", "1"},  {"CAT", "ANIMAL", "1"},
            {"Cattle", "ANIMAL", "1"},
        };
        for (const auto &r : rows) {
            OntologyDB.execute(QStringLiteral("INSERT INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 1, ?)"),
                               {QString::fromLatin1(r[0]), QString::fromLatin1(r[2]).toInt()});
        }
        for (const auto &r : rows)
            OntologyDB.execute(QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)"),
                               {QString::fromLatin1(r[0]), QString::fromLatin1(r[1])});
        RootConcept = QStringLiteral("ALL");
        OntologyInfo.Naming = true;
    }
    ~SelectionOntology()
    {
        RootConcept.clear();
        OntologyInfo = OntologyInfoRecord();
    }
};
