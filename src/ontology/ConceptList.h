#pragma once
// The rows of the concept list: the identifiers of the open ontology in identifier order,
// under the list-view option. However many concepts there are, only every 1024th
// identifier stays in memory, read in one pass over the index; the rows in between are
// fetched a page at a time when they are drawn or searched, and only a few pages are
// kept. A list of a million concepts opens in one scan and costs a few pages of memory.

#include "db/Database.h"
#include "ui/RowSource.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

class ConceptList : public ui::RowSource {
public:
    static constexpr int PageSize = 1024;

    // The concept list under the list-view option. listTop 1: only the concepts of the
    // subset activeSet; 2: relations (Type 4 and 14) hidden; any other value: every concept.
    static std::shared_ptr<ConceptList> listView(const db::Database &db, int listTop, int activeSet);
    // The concepts a new concept of this type may be placed under: its own type and the root.
    static std::shared_ptr<ConceptList> parentsOfType(const db::Database &db, int type);
    // The concepts of one type.
    static std::shared_ptr<ConceptList> ofType(const db::Database &db, int type);
    // The concepts a relation or a domain or range may point to: neither attributes nor relations.
    static std::shared_ptr<ConceptList> relatable(const db::Database &db);

    // filter: conditions joined to the others with AND (bound values in params), or "".
    ConceptList(const db::Database &db, const QString &filter, const QVariantList &params);

    int rowCount() const override { return m_count; }
    QString text(int row) const override;

    // The first row whose identifier begins with prefix, letters compared without regard
    // to case as the file compares them and every other character taken as itself; -1
    // when no identifier begins so, or the prefix is empty.
    int findPrefix(const QString &prefix) const;
    // The row of this identifier (any letter case, as the key compares), -1 when the
    // list does not show it.
    int find(const QString &identifier) const;

private:
    const std::vector<QString> &page(int index) const;
    // The first row whose identifier is not below text, or m_count.
    int lowerBound(const QString &text) const;

    db::Database m_db;
    QString m_filter;  // " AND ..." after the page condition
    QVariantList m_params;
    std::vector<QString> m_firstKeys;  // the first identifier of every page
    int m_count = 0;

    struct CachedPage {
        int index = -1;
        std::vector<QString> rows;
    };
    mutable std::array<CachedPage, 4> m_cache;
    mutable size_t m_nextSlot = 0;
};
