#include "SelectionLists.h"

#include "Global.h"

namespace {

QStringList firstColumn(const QString &sql, const QVariantList &params = {})
{
    db::Statement st(OntologyDB, sql);
    st.bindAll(params);
    QStringList out;
    while (st.step())
        out << st.column(0).toString();
    return out;
}

}  // namespace

QStringList ListOntologyConcepts(ConceptOrder order)
{
    // The stored order is the order of the rows' insertion: the rowid.
    return firstColumn(order == ConceptOrder::Alpha ? QStringLiteral("SELECT Concept FROM CONCEPTS ORDER BY Concept")
                                                    : QStringLiteral("SELECT Concept FROM CONCEPTS ORDER BY rowid"));
}

QStringList ListSubsetConcepts(int subset)
{
    return firstColumn(QStringLiteral("SELECT Concept FROM CONCEPTS WHERE Subset_ID = ? ORDER BY Concept"), {subset});
}

QStringList ListSubsetNames()
{
    return firstColumn(QStringLiteral("SELECT Subset FROM Subsets ORDER BY Subset_ID"));
}
