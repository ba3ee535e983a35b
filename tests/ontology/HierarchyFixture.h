#pragma once
// Builds small hierarchies in the open ontology with plain statements.

#include "ontology/Global.h"

#include <QString>
#include <utility>
#include <vector>

using IsALinks = std::vector<std::pair<QString, QString>>;  // child, parent

// Adds every child that is missing as a concept of Type 1 and links it to its parent,
// all in one transaction.
inline void addIsA(const IsALinks &links)
{
    db::Transaction tx(OntologyDB);
    db::Statement addConcept(OntologyDB, QStringLiteral("INSERT OR IGNORE INTO CONCEPTS (Concept, Type, Subset_ID) VALUES (?, 1, 1)"));
    db::Statement isa(OntologyDB, QStringLiteral("INSERT INTO ISA (Concept, ISA) VALUES (?, ?)"));
    for (const auto &[child, parent] : links) {
        addConcept.bind(1, parent).run();
        addConcept.bind(1, child).run();
        isa.bind(1, child).bind(2, parent).run();
    }
    tx.commit();
}
