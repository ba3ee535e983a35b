#include "EntryConcepts.h"

#include "Global.h"

QStringList ListEntryConcepts(ConceptOrder order)
{
    db::Statement st(TermbaseDB, order == ConceptOrder::Alpha
                                     ? QStringLiteral("SELECT Concept FROM TE_CONCEPTS ORDER BY Concept")
                                     : QStringLiteral("SELECT Concept FROM TE_CONCEPTS ORDER BY rowid"));
    QStringList out;
    while (st.step())
        out << st.column(0).toString();
    return out;
}

QHash<QString, qint64> EntryElemIDs()
{
    db::Statement st(TermbaseDB, QStringLiteral("SELECT Concept, elemID FROM TE_CONCEPTS"));
    QHash<QString, qint64> out;
    while (st.step())
        out.insert(st.column(0).toString(), st.column(1).toLongLong());
    return out;
}

bool HasEntryConcepts()
{
    return !TermbaseDB.scalar(QStringLiteral("SELECT 1 FROM TE_CONCEPTS LIMIT 1")).isNull();
}
