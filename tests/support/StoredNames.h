#pragma once
// The names the ontology file holds for a concept, as "lang:name", by language and then
// in the order they were added.

#include "db/Database.h"
#include "ontology/Global.h"

#include <QStringList>

inline QStringList StoredNames(const QString &identifier)
{
    QStringList out;
    db::Statement st(OntologyDB, "SELECT Lang_ID, Name FROM Names WHERE Concept = ? ORDER BY Lang_ID, Name_ID");
    st.bind(1, identifier);
    while (st.step())
        out << st.column(0).toString() + ":" + st.column(1).toString();
    return out;
}
