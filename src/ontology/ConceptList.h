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
// by Type. Each type is read in identifier order from the index by type and identifier,
// and the types are merged; these lists never read a concept's row. The pickers open on
// their first rows and read on from where they stopped, as the list asks (ui::DataList
// does so in the turns of the event loop, and at once for End or a typed prefix further
// on): a picker of a million concepts is up at once, with its whole scroll bar a moment
// later.

#include "db/Database.h"
#include "ui/RowSource.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class ConceptList : public ui::RowSource {
public:
    static constexpr int PageSize = 1024;
    // What a list read as it is shown reads at open, and then at each step on.
    static constexpr int FirstRows = 4 * PageSize;
    static constexpr int ReadOnRows = 8 * PageSize;

    // The concept list under the list-view option. listTop 1: only the concepts of the
    // subset activeSet; 2: relations (Type 4 and 14) hidden; any other value: every concept.
    static std::shared_ptr<ConceptList> listView(const db::Database &db, int listTop, int activeSet);
    // The concepts of one subset.
    static std::shared_ptr<ConceptList> inSubset(const db::Database &db, int subset);
    // The concepts a new concept of this type may be placed under: its own type and the root.
    static std::shared_ptr<ConceptList> parentsOfType(const db::Database &db, int type);
    // The concepts of one type.
    static std::shared_ptr<ConceptList> ofType(const db::Database &db, int type);
    // The concepts a relation or a domain or range may point to: neither attributes nor relations.
    static std::shared_ptr<ConceptList> relatable(const db::Database &db);

    // Conditions joined to the others with AND (bound values in params), or "" for every
    // concept. A list's rows are the union of its parts; no concept meets two of them.
    struct Part {
        QString filter;
        QVariantList params;
        // True when an index gives the part's rows in identifier order (the indexes by type
        // and by subset, each with the identifier); otherwise a page may be read along the
        // identifier index.
        bool inIdentifierOrder = false;
        // The filter for reading a page: its fields kept from any index ("+(...)") when
        // the identifier index reads a page quicker.
        QString pageFilter = {};
    };
    // Whether a list must know its count at open (the main list's and the Transfer
    // window's figures) or may read on as it is shown. A list read on needs every part
    // in identifier order; one that has not is read at once.
    enum class Reading { AtOnce, AsShown };
    ConceptList(const db::Database &db, std::vector<Part> parts, Reading reading = Reading::AtOnce);
    ConceptList(const db::Database &db, const QString &filter, const QVariantList &params)
        : ConceptList(db, std::vector<Part>{{filter, params}})
    {
    }

    // The rows read so far; all of them once canFetchMore() is false.
    int rowCount() const override;
    QString text(int row) const override;
    QStringList texts(const std::vector<int> &rows) const override;
    bool canFetchMore() const override { return !m_complete; }
    int fetchMore() override;

    // The first row whose identifier begins with prefix, letters compared without regard
    // to case as the file compares them and every other character taken as itself; -1
    // when no identifier begins so, or the prefix is empty. Both read on as far as the
    // answer lies.
    int findPrefix(const QString &prefix) override;
    // The row of this identifier (any letter case, as the key compares), -1 when the
    // list does not show it.
    int find(const QString &identifier);

    // After a concept was stored under this identifier: its row when the list shows it
    // now, or -1 (the list-view option hides it, or the list has not read so far yet and
    // meets it in its place when it reads on).
    int conceptAdded(const QString &identifier);
    // After the concept under this identifier, which the list showed, left the file:
    // the row it stood in, or -1 when the list had not read so far.
    int conceptRemoved(const QString &identifier);
    // True when the list-view option lets the list show the concept stored under this identifier.
    bool shows(const QString &identifier) const;
    // True when the list shows every concept, so that any concept that leaves the file
    // left the list.
    bool showsEveryConcept() const { return m_parts.size() == 1 && m_parts.front().filter.isEmpty(); }

private:
    struct Page {
        QString firstKey;  // no row of the page is below it, every row of the next page is above
        int size = 0;
    };
    const std::vector<QString> &page(int index) const;
    // The page that holds the row, one of the rows there are.
    int pageHolding(int row) const;
    // The page whose rows a key belongs between.
    int pageOf(const QString &key) const;
    // The first row whose identifier is not below text, or rowCount() once every row is read.
    int lowerBound(const QString &text);
    // Among the rows read so far.
    int lowerBoundRead(const QString &text) const;
    // True when the list has rows left to read and the identifier would come after them.
    bool beyondRead(const QString &identifier) const;
    // Up to rows more rows after the last one read, or all that are left when rows is
    // negative; how many came.
    int readOn(int rows);
    void recount();
    void forgetPages() const;
    // Every part's rows from the first not below from (above it, when after), in
    // identifier order, merged; at most limit of them, or all when limit is negative (a
    // page: from is given and not after, and each part is read by its page filter). Calls
    // row with each identifier's stored bytes, which the call may convert: a pass over
    // every row converts only the few it keeps.
    void readRows(const QString *from, bool after, int limit, const std::function<void(QByteArrayView)> &row) const;

    db::Database m_db;
    std::vector<Part> m_parts;

    std::vector<Page> m_pages;
    std::vector<int> m_offsets;  // the first row of every page
    int m_count = 0;
    bool m_complete = false;
    QString m_last;  // the last row read while some are left: the reading goes on after it
    struct CachedPage {
        int index = -1;
        std::vector<QString> rows;
    };
    mutable std::array<CachedPage, 4> m_cache;
    mutable size_t m_nextSlot = 0;
};
