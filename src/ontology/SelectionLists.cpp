#include "SelectionLists.h"

#include "Global.h"
#include "db/Text.h"

#include <algorithm>
#include <vector>

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

QStringList ListDescendantsUnordered(const QString &identifier)
{
    // The links sorted by parent, as the file compares identifiers: a concept's children
    // are one run of rows, found by a binary search instead of a query or a hash.
    QStringList parents, children;
    db::Statement st(OntologyDB, QStringLiteral("SELECT ISA, Concept FROM ISA ORDER BY ISA"));
    while (st.step()) {
        parents << st.column(0).toString();
        children << st.column(1).toString();
    }
    const auto firstChildRow = [&](const QString &parent) {
        const auto it = std::lower_bound(parents.cbegin(), parents.cend(), parent,
                                         [](const QString &a, const QString &b) { return db::compareText(a, b) < 0; });
        return qsizetype(it - parents.cbegin());
    };
    QStringList out;
    // A concept with children is expanded once (marked by its first row), so a concept
    // reached along several paths, or a cycle in a damaged file, is not walked again.
    std::vector<char> expanded(size_t(parents.size()), 0);
    std::vector<QString> stack{identifier};
    while (!stack.empty()) {
        const QString node = std::move(stack.back());
        stack.pop_back();
        qsizetype row = firstChildRow(node);
        if (row >= parents.size() || !db::sameText(parents.at(row), node) || expanded[size_t(row)])
            continue;
        expanded[size_t(row)] = 1;
        for (; row < parents.size() && db::sameText(parents.at(row), node); ++row) {
            // Only a cycle in a damaged file leads back to the start: it is no descendant.
            if (!db::sameText(children.at(row), identifier))
                out << children.at(row);
            stack.push_back(children.at(row));
        }
    }
    return out;
}
