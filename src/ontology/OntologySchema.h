#pragma once
// The ontology file: its twelve tables, their indexes and cascading relations, and the
// seed rows every new ontology starts with, copied from res.dat.

#include "db/Database.h"
#include "db/Schema.h"

#include <QString>
#include <QStringList>
#include <functional>

db::Schema ontologySchema();

// Creates the file at path with the whole schema and seeds it (SeedNewOntology), leaving
// OntologyDB open on it. A file that exists already is error 3204 and is left alone; a
// failure after the file was made removes it again, so no half-built ontology remains.
void CreateOntologyDatabase(const QString &path);

// Opens OntologyPath into OntologyDB and copies the seed tables from res.dat in the
// program's folder, all in one transaction.
void SeedNewOntology();

// res.dat beside the program, opened read-only.
db::Database openResourceDatabase();

// Copies the listed fields of every row of a res.dat table, in stored order, into the
// table of the same name in target; afterRow runs after each row. A table without
// rows is an error (NoCurrentRecord), like any other.
struct SeedTable {
    const char *name;
    QStringList fields;
};
void CopySeedTable(db::Database &target, const db::Database &res, const SeedTable &table,
                   const std::function<void()> &afterRow = {});
