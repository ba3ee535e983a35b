#include "ConceptList.h"

#include "ConceptTypes.h"
#include "db/Schema.h"
#include "db/Text.h"

#include <algorithm>
#include <memory>

namespace {

bool below(const QString &a, const QString &b) { return db::compareText(a, b) < 0; }

}  // namespace

std::shared_ptr<ConceptList> ConceptList::listView(const db::Database &db, int listTop, int activeSet)
{
    if (listTop == 1)
        return inSubset(db, activeSet);
    if (listTop == 2)
        return std::make_shared<ConceptList>(db, QStringLiteral("Type <> ? AND Type <> ?"),
                                             QVariantList{RelationType, HiddenRelationType});
    return std::make_shared<ConceptList>(db, QString(), QVariantList{});
}

namespace {

// A file that could not take an index when it was opened reads its pages without it, as
// a list of a filtered field that no index orders does.
bool hasIndex(const db::Database &db, const QString &name)
{
    db::Statement st(db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?"));
    st.bind(1, db::indexSqlName(QStringLiteral("CONCEPTS"), name));
    return st.step();
}

ConceptList::Part typeIs(const db::Database &db, int type)
{
    return {QStringLiteral("Type = ?"), QVariantList{type}, hasIndex(db, QStringLiteral("Type"))};
}

}  // namespace

std::shared_ptr<ConceptList> ConceptList::inSubset(const db::Database &db, int subset)
{
    const Part part{QStringLiteral("Subset_ID = ?"), QVariantList{subset}, hasIndex(db, QStringLiteral("Subset"))};
    return std::make_shared<ConceptList>(db, std::vector<Part>{part});
}

// The add dialog is opened once for many concepts, each placed by End or a typed prefix:
// it reads its parents at open, and those keys answer at once. A picker is opened for one
// choice, so it is up at once and reads on.
std::shared_ptr<ConceptList> ConceptList::parentsOfType(const db::Database &db, int type)
{
    return std::make_shared<ConceptList>(db, std::vector<Part>{typeIs(db, type), typeIs(db, RootType)});
}

std::shared_ptr<ConceptList> ConceptList::ofType(const db::Database &db, int type)
{
    return std::make_shared<ConceptList>(db, std::vector<Part>{typeIs(db, type)}, Reading::AsShown);
}

// Every type the file's concepts are stored with but attributes and relations (an
// imported file may hold codes of its own), each read from the index by type. The types
// are found by one look-up in the index each, not by reading it through.
std::shared_ptr<ConceptList> ConceptList::relatable(const db::Database &db)
{
    std::vector<Part> parts;
    db::Statement next(db, QStringLiteral("SELECT min(Type) FROM CONCEPTS WHERE Type > ?"));
    QVariant type = -1;
    for (;;) {
        next.bind(1, type);
        next.step();
        type = next.column(0);
        next.reset();
        if (type.isNull())
            break;
        if (type.toInt() != AttributeType && type.toInt() != RelationType)
            parts.push_back(typeIs(db, type.toInt()));
    }
    return std::make_shared<ConceptList>(db, std::move(parts), Reading::AsShown);
}

ConceptList::ConceptList(const db::Database &db, std::vector<Part> parts, Reading reading)
    : m_db(db), m_parts(std::move(parts))
{
    for (Part &part : m_parts)
        part.pageFilter = part.filter;
    // Reading on goes along the parts' own order; a part without it is read whole, once.
    const bool ordered =
        std::all_of(m_parts.begin(), m_parts.end(), [](const Part &p) { return p.inIdentifierOrder; });
    readOn(reading == Reading::AsShown && ordered ? FirstRows : -1);
    // A page read along the identifier index passes over the concepts the filter leaves
    // out, about PageSize * all / m_count of them; read by an index on a filtered field
    // (the subset's), it sorts every listed row from the page's first on. The first is
    // cheaper once the list holds more than sqrt(PageSize * all) rows: a subset of most
    // concepts then reads a page in a few milliseconds instead of sorting the subset.
    if (m_parts.size() == 1 && !m_parts.front().filter.isEmpty() && !m_parts.front().inIdentifierOrder) {
        const qint64 all = m_db.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS")).toLongLong();
        if (qint64(m_count) * m_count >= qint64(PageSize) * all)
            m_parts.front().pageFilter = QStringLiteral("+(") + m_parts.front().filter + QLatin1Char(')');
    }
}

int ConceptList::readOn(int rows)
{
    if (m_complete)
        return 0;
    const bool first = m_count == 0 && m_last.isEmpty();
    int n = 0;
    readRows(first ? nullptr : &m_last, true, rows, [&](QByteArrayView identifier) {
        if (m_pages.empty() || m_pages.back().size >= PageSize)
            m_pages.push_back({QString::fromUtf8(identifier), 0});
        ++m_pages.back().size;
        if (++n == rows)
            m_last = QString::fromUtf8(identifier);
    });
    m_complete = rows < 0 || n < rows;
    if (m_complete)
        m_last.clear();
    forgetPages();  // the last page read grew
    recount();
    return n;
}

bool ConceptList::beyondRead(const QString &identifier) const { return !m_complete && below(m_last, identifier); }

int ConceptList::fetchMore() { return readOn(ReadOnRows); }

void ConceptList::readRows(const QString *from, bool after, int limit,
                           const std::function<void(QByteArrayView)> &row) const
{
    struct Run {
        std::unique_ptr<db::Statement> st;
        QByteArrayView next;  // the statement's own bytes until it steps again
        bool more = false;
    };
    std::vector<Run> runs;
    for (const Part &part : m_parts) {
        QString sql = QStringLiteral("SELECT Concept FROM CONCEPTS WHERE ") +
                      (!from ? QStringLiteral("1") : after ? QStringLiteral("Concept > ?") : QStringLiteral("Concept >= ?"));
        const QString &filter = from && !after ? part.pageFilter : part.filter;
        if (!filter.isEmpty())
            sql += QStringLiteral(" AND ") + filter;
        sql += QStringLiteral(" ORDER BY Concept");
        if (limit >= 0)
            sql += QStringLiteral(" LIMIT %1").arg(limit);
        Run run{std::make_unique<db::Statement>(m_db, sql), {}, false};
        int at = 1;
        if (from)
            run.st->bind(at++, *from);
        for (const QVariant &p : part.params)
            run.st->bind(at++, p);
        run.more = run.st->step();
        if (run.more)
            run.next = run.st->columnUtf8(0);
        runs.push_back(std::move(run));
    }
    for (int n = 0; limit < 0 || n < limit; ++n) {
        Run *least = nullptr;
        for (Run &r : runs)
            if (r.more && (!least || db::compareStored(r.next, least->next) < 0))
                least = &r;
        if (!least)
            return;
        row(least->next);
        least->more = least->st->step();
        if (least->more)
            least->next = least->st->columnUtf8(0);
    }
}

int ConceptList::rowCount() const { return m_count; }

void ConceptList::recount()
{
    m_offsets.resize(m_pages.size());
    int n = 0;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        m_offsets[i] = n;
        n += m_pages[i].size;
    }
    m_count = n;
}

void ConceptList::forgetPages() const
{
    for (CachedPage &c : m_cache)
        c = {};
}

const std::vector<QString> &ConceptList::page(int index) const
{
    for (const CachedPage &c : m_cache)
        if (c.index == index)
            return c.rows;
    CachedPage &slot = m_cache[m_nextSlot];
    m_nextSlot = (m_nextSlot + 1) % m_cache.size();
    slot.index = -1;
    slot.rows.clear();
    const Page &p = m_pages.at(size_t(index));
    slot.rows.reserve(size_t(p.size));
    readRows(&p.firstKey, false, p.size,
             [&](QByteArrayView identifier) { slot.rows.push_back(QString::fromUtf8(identifier)); });
    slot.index = index;
    return slot.rows;
}

int ConceptList::pageHolding(int row) const
{
    return int(std::upper_bound(m_offsets.begin(), m_offsets.end(), row) - m_offsets.begin()) - 1;
}

QString ConceptList::text(int row) const
{
    if (row < 0 || row >= m_count)
        return {};
    const int index = pageHolding(row);
    const auto &rows = page(index);
    const size_t at = size_t(row - m_offsets[size_t(index)]);
    return at < rows.size() ? rows[at] : QString();
}

// Rows checked here and there over a million: a page is read for the few rows asked of
// it, without converting the rest or pushing the pages in view out of the cache.
QStringList ConceptList::texts(const std::vector<int> &rows) const
{
    QStringList out;
    out.reserve(qsizetype(rows.size()));
    size_t i = 0;
    while (i < rows.size()) {
        if (rows[i] < 0 || rows[i] >= m_count) {
            out << QString();
            ++i;
            continue;
        }
        const int index = pageHolding(rows[i]);
        const Page &p = m_pages[size_t(index)];
        const int first = m_offsets[size_t(index)];
        // A page in the cache answers as text() does.
        const auto cached =
            std::find_if(m_cache.begin(), m_cache.end(), [&](const CachedPage &c) { return c.index == index; });
        if (cached != m_cache.end()) {
            for (; i < rows.size() && rows[i] < first + p.size; ++i) {
                const size_t at = size_t(rows[i] - first);
                out << (at < cached->rows.size() ? cached->rows[at] : QString());
            }
            continue;
        }
        int at = first;
        readRows(&p.firstKey, false, p.size, [&](QByteArrayView identifier) {
            for (; i < rows.size() && rows[i] == at; ++i)
                out << QString::fromUtf8(identifier);
            ++at;
        });
        // Rows the file no longer holds.
        for (; i < rows.size() && rows[i] < first + p.size; ++i)
            out << QString();
    }
    return out;
}

int ConceptList::pageOf(const QString &key) const
{
    const auto after = std::upper_bound(m_pages.begin(), m_pages.end(), key,
                                        [](const QString &k, const Page &p) { return below(k, p.firstKey); });
    return std::max(0, int(after - m_pages.begin()) - 1);
}

int ConceptList::lowerBound(const QString &text)
{
    for (;;) {
        const int row = lowerBoundRead(text);
        if (row < m_count || m_complete)
            return row;
        readOn(ReadOnRows);
    }
}

int ConceptList::lowerBoundRead(const QString &text) const
{
    if (m_count == 0)
        return 0;
    // The page the text belongs in holds the answer, or the answer is the first row of
    // a page after it.
    for (int p = pageOf(text); p < int(m_pages.size()); ++p) {
        const auto &rows = page(p);
        const auto it = std::lower_bound(rows.begin(), rows.end(), text, below);
        if (it != rows.end())
            return m_offsets[size_t(p)] + int(it - rows.begin());
    }
    return m_count;
}

int ConceptList::findPrefix(const QString &prefix)
{
    if (prefix.isEmpty())
        return -1;
    const int row = lowerBound(prefix);
    if (row >= rowCount())
        return -1;
    return db::sameText(text(row).left(prefix.size()), prefix) ? row : -1;
}

int ConceptList::find(const QString &identifier)
{
    if (identifier.isEmpty())
        return -1;
    const int row = lowerBound(identifier);
    return row < rowCount() && db::sameText(text(row), identifier) ? row : -1;
}

bool ConceptList::shows(const QString &identifier) const
{
    for (const Part &part : m_parts) {
        db::Statement st(m_db, QStringLiteral("SELECT 1 FROM CONCEPTS WHERE Concept = ?") +
                                   (part.filter.isEmpty() ? QString() : QStringLiteral(" AND ") + part.filter));
        st.bind(1, identifier);
        for (int i = 0; i < part.params.size(); ++i)
            st.bind(i + 2, part.params.at(i));
        if (st.step())
            return true;
    }
    return false;
}

int ConceptList::conceptAdded(const QString &identifier)
{
    if (!shows(identifier) || beyondRead(identifier))
        return -1;
    // The file holds the new row already: the rows read for its page run one further,
    // and the new identifier's place among them is its row.
    if (m_pages.empty()) {
        m_pages.push_back({identifier, 0});
    } else if (below(identifier, m_pages.front().firstKey)) {
        m_pages.front().firstKey = identifier;
    }
    forgetPages();
    const int p = pageOf(identifier);
    const int row = lowerBound(identifier);
    ++m_pages[size_t(p)].size;
    forgetPages();
    recount();
    // A page that grew to twice its size is split, so a page stays quick to read.
    if (m_pages[size_t(p)].size >= 2 * PageSize) {
        const std::vector<QString> rows = page(p);
        const int half = m_pages[size_t(p)].size / 2;
        if (int(rows.size()) > half) {
            m_pages.insert(m_pages.begin() + p + 1, Page{rows[size_t(half)], m_pages[size_t(p)].size - half});
            m_pages[size_t(p)].size = half;
            forgetPages();
            recount();
        }
    }
    return row;
}

int ConceptList::conceptRemoved(const QString &identifier)
{
    if (m_pages.empty() || beyondRead(identifier))
        return -1;
    // The file no longer holds the row: the rows read for its page run one further, and
    // the first one not below the identifier stands where it stood.
    forgetPages();
    const int p = pageOf(identifier);
    // Past the last row when the last of all was removed.
    const int row = std::min(lowerBound(identifier), m_count - 1);
    if (--m_pages[size_t(p)].size == 0)
        m_pages.erase(m_pages.begin() + p);
    forgetPages();
    recount();
    return row;
}
