#pragma once
// What the links between the open ontology and its termbases look like on disk: the
// paths in the ontology's TermBases and the concept identifiers of a file, each read
// through a connection of its own where a file is named, as another program would see it.

#include "ontology/Global.h"

#include <QStringList>

inline QStringList firstColumn(const db::Database &file, const QString &sql)
{
    QStringList out;
    db::Statement st(file, sql);
    while (st.step())
        out << st.column(0).toString();
    return out;
}

inline QStringList linkedPaths() { return firstColumn(OntologyDB, "SELECT DBName FROM TermBases ORDER BY rowid"); }

inline QStringList ontologyConcepts() { return firstColumn(OntologyDB, "SELECT Concept FROM CONCEPTS ORDER BY Concept"); }

inline QStringList conceptsOf(const QString &path)
{
    return firstColumn(db::Database::open(path), "SELECT Concept FROM CONCEPTS ORDER BY Concept");
}
