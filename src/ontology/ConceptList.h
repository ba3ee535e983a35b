#pragma once
// The rows of the concept lists: identifiers of the open ontology in identifier order.
//
// The main list (listView) knows all its rows at once: however many concepts there are,
// only the first identifier of every page of about 1024 rows stays in memory, read in one
// pass over the index; the rows in between are fetched a page at a time when they are
// drawn or searched, and only a few pages are kept. A concept added, renamed or deleted
// changes one page, so the list follows a change without being read again.
//
// The lists of the add dialog and the pickers (parentsOfType, ofType, relatable) choose
// by Type, which the index does not hold: knowing all their rows would mean reading every
// concept's row. They read their rows as they are shown instead, a batch at a time from
// the start, so they open at once and cost what has been scrolled through.

#include "db/Database.h"
#include "ui/RowSource.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

class ConceptList : public ui::RowSource {
public:
    static constexpr int PageSize = 1024;
    static constexpr int FetchSize = 256;

    // The concept list under the list-view option. listTop 1: only the concepts of the
    // subset activeSet; 2: relations (Type 4 and 14) hidden; any other value: every concept.
    static std::shared_ptr<ConceptList> listView(const db::Database &db, int listTop, int activeSet);
    // The concepts a new concept of this type may be placed under: its own type and the root.
    static std::shared_ptr<ConceptList> parentsOfType(const db::Database &db, int type);
    // The concepts of one type.
    static std::shared_ptr<ConceptList> ofType(const db::Database &db, int type);
    // The concepts a relation or a domain or range may point to: neither attributes nor relations.
    static std::shared_ptr<ConceptList> relatable(const db::Database &db);

    enum class Reading { AllRows, AsShown };
    // filter: conditions joined to the others with AND (bound values in params), or "".
    ConceptList(const db::Database &db, const QString &filter, const QVariantList &params,
                Reading reading = Reading::AllRows);

    int rowCount() const override;
    QString text(int row) const override;
    bool canFetchMore() const override;
    int fetchMore() override;

    // The first row whose identifier begins with prefix, letters compared without regard
    // to case as the file compares them and every other character taken as itself; -1
    // when no identifier begins so, or the prefix is empty.
    int findPrefix(const QString &prefix) const;
    // The row of this identifier (any letter case, as the key compares), -1 when the
    // list does not show it.
    int find(const QString &identifier) const;

    // After a concept was stored under this identifier: its row when the list shows it
    // now, or -1 (the list-view option hides it).
    int conceptAdded(const QString &identifier);
    // After the concept under this identifier, which the list showed, left the file:
    // the row it stood in.
    int conceptRemoved(const QString &identifier);
    // True when the list-view option lets the list show the concept stored under this identifier.
    bool shows(const QString &identifier) const;
    // True when the list shows every concept, so that any concept that leaves the file
    // left the list.
    bool showsEveryConcept() const { return m_filter.isEmpty(); }

private:
    struct Page {
        QString firstKey;  // no row of the page is below it, every row of the next page is above
        int size = 0;
    };
    const std::vector<QString> &page(int index) const;
    // The page whose rows a key belongs between.
    int pageOf(const QString &key) const;
    // The first row whose identifier is not below text, or rowCount().
    int lowerBound(const QString &text) const;
    void recount();
    void forgetPages() const;
    // Reads rows as shown until one is not below key, or no more are left.
    void fetchUpTo(const QString &key) const;

    db::Database m_db;
    QString m_filter;  // " AND ..." after the page condition
    // The same for reading a page: its fields kept from any index ("+(...)") when the
    // identifier index reads a page quicker.
    QString m_pageFilter;
    QVariantList m_params;
    Reading m_reading;

    // AllRows
    std::vector<Page> m_pages;
    std::vector<int> m_offsets;  // the first row of every page
    int m_count = 0;
    struct CachedPage {
        int index = -1;
        std::vector<QString> rows;
    };
    mutable std::array<CachedPage, 4> m_cache;
    mutable size_t m_nextSlot = 0;

    // AsShown
    mutable std::vector<QString> m_fetched;
    mutable bool m_exhausted = false;
};
