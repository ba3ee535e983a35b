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

// Statements and queries on a termbase file through a connection of their own, as
// another program would see the file.
inline void onFile(const QString &path, const QString &sql, const QVariantList &params = {})
{
    db::Database d = db::Database::open(path);
    d.execute(sql, params);
}

inline QVariant valueIn(const QString &path, const QString &sql)
{
    db::Database d = db::Database::open(path);
    return d.scalar(sql);
}

// A term entry (element 20) tied to the concept.
inline void addEntry(const QString &path, const QString &identifier)
{
    onFile(path, "INSERT INTO elements VALUES (20, '0.3', 3)");
    onFile(path, "INSERT INTO TE_CONCEPTS VALUES (20, ?)", {identifier});
}
