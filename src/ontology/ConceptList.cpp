#include "ConceptList.h"

#include "ConceptTypes.h"
#include "db/Text.h"

#include <algorithm>

namespace {

bool below(const QString &a, const QString &b) { return db::compareText(a, b) < 0; }

}  // namespace

std::shared_ptr<ConceptList> ConceptList::listView(const db::Database &db, int listTop, int activeSet)
{
    if (listTop == 1)
        return std::make_shared<ConceptList>(db, QStringLiteral("Subset_ID = ?"), QVariantList{activeSet});
    if (listTop == 2)
        return std::make_shared<ConceptList>(db, QStringLiteral("Type <> ? AND Type <> ?"),
                                             QVariantList{RelationType, HiddenRelationType});
    return std::make_shared<ConceptList>(db, QString(), QVariantList{});
}

std::shared_ptr<ConceptList> ConceptList::parentsOfType(const db::Database &db, int type)
{
    return std::make_shared<ConceptList>(db, QStringLiteral("(Type = ? OR Type = ?)"), QVariantList{type, RootType},
                                         Reading::AsShown);
}

std::shared_ptr<ConceptList> ConceptList::ofType(const db::Database &db, int type)
{
    return std::make_shared<ConceptList>(db, QStringLiteral("Type = ?"), QVariantList{type}, Reading::AsShown);
}

std::shared_ptr<ConceptList> ConceptList::relatable(const db::Database &db)
{
    return std::make_shared<ConceptList>(db, QStringLiteral("Type <> ? AND Type <> ?"),
                                         QVariantList{AttributeType, RelationType}, Reading::AsShown);
}

ConceptList::ConceptList(const db::Database &db, const QString &filter, const QVariantList &params, Reading reading)
    : m_db(db), m_filter(filter.isEmpty() ? QString() : QStringLiteral(" AND ") + filter), m_pageFilter(m_filter),
      m_params(params), m_reading(reading)
{
    if (m_reading == Reading::AsShown) {
        fetchMore();  // the first screenful is there when the list is shown
        return;
    }
    db::Statement all(m_db, QStringLiteral("SELECT Concept FROM CONCEPTS WHERE 1") + m_filter +
                                QStringLiteral(" ORDER BY Concept"));
    all.bindAll(m_params);
    int n = 0;
    while (all.step()) {
        if (n % PageSize == 0)
            m_pages.push_back({all.column(0).toString(), 0});
        ++m_pages.back().size;
        ++n;
    }
    recount();
    // A page read along the identifier index passes over the concepts the filter leaves
    // out, about PageSize * all / m_count of them; read by an index on a filtered field
    // (the subset's), it sorts every listed row from the page's first on. The first is
    // cheaper once the list holds more than sqrt(PageSize * all) rows: a subset of most
    // concepts then reads a page in a few milliseconds instead of sorting the subset.
    if (!m_filter.isEmpty()) {
        const qint64 all = m_db.scalar(QStringLiteral("SELECT count(*) FROM CONCEPTS")).toLongLong();
        if (qint64(m_count) * m_count >= qint64(PageSize) * all)
            m_pageFilter = QStringLiteral(" AND +(") + filter + QLatin1Char(')');
    }
}

int ConceptList::rowCount() const { return m_reading == Reading::AsShown ? int(m_fetched.size()) : m_count; }

bool ConceptList::canFetchMore() const { return m_reading == Reading::AsShown && !m_exhausted; }

int ConceptList::fetchMore()
{
    if (!canFetchMore())
        return 0;
    const bool first = m_fetched.empty();
    db::Statement st(m_db, QStringLiteral("SELECT Concept FROM CONCEPTS WHERE ") +
                               (first ? QStringLiteral("1") : QStringLiteral("Concept > ?")) + m_filter +
                               QStringLiteral(" ORDER BY Concept LIMIT %1").arg(FetchSize));
    int at = 1;
    if (!first)
        st.bind(at++, m_fetched.back());
    for (const QVariant &p : m_params)
        st.bind(at++, p);
    int added = 0;
    while (st.step()) {
        m_fetched.push_back(st.column(0).toString());
        ++added;
    }
    m_exhausted = added < FetchSize;
    return added;
}

void ConceptList::fetchUpTo(const QString &key) const
{
    auto *self = const_cast<ConceptList *>(this);
    while (!m_exhausted && (m_fetched.empty() || below(m_fetched.back(), key)))
        self->fetchMore();
}

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
    db::Statement st(m_db, QStringLiteral("SELECT Concept FROM CONCEPTS WHERE Concept >= ?") + m_pageFilter +
                               QStringLiteral(" ORDER BY Concept LIMIT %1").arg(p.size));
    st.bind(1, p.firstKey);
    for (int i = 0; i < m_params.size(); ++i)
        st.bind(i + 2, m_params.at(i));
    slot.rows.reserve(size_t(p.size));
    while (st.step())
        slot.rows.push_back(st.column(0).toString());
    slot.index = index;
    return slot.rows;
}

QString ConceptList::text(int row) const
{
    if (m_reading == Reading::AsShown)
        return row >= 0 && row < int(m_fetched.size()) ? m_fetched[size_t(row)] : QString();
    if (row < 0 || row >= m_count)
        return {};
    const int index = int(std::upper_bound(m_offsets.begin(), m_offsets.end(), row) - m_offsets.begin()) - 1;
    const auto &rows = page(index);
    const size_t at = size_t(row - m_offsets[size_t(index)]);
    return at < rows.size() ? rows[at] : QString();
}

int ConceptList::pageOf(const QString &key) const
{
    const auto after = std::upper_bound(m_pages.begin(), m_pages.end(), key,
                                        [](const QString &k, const Page &p) { return below(k, p.firstKey); });
    return std::max(0, int(after - m_pages.begin()) - 1);
}

int ConceptList::lowerBound(const QString &text) const
{
    if (m_reading == Reading::AsShown) {
        fetchUpTo(text);
        return int(std::lower_bound(m_fetched.begin(), m_fetched.end(), text, below) - m_fetched.begin());
    }
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

int ConceptList::findPrefix(const QString &prefix) const
{
    if (prefix.isEmpty())
        return -1;
    const int row = lowerBound(prefix);
    if (row >= rowCount())
        return -1;
    return db::sameText(text(row).left(prefix.size()), prefix) ? row : -1;
}

int ConceptList::find(const QString &identifier) const
{
    if (identifier.isEmpty())
        return -1;
    const int row = lowerBound(identifier);
    return row < rowCount() && db::sameText(text(row), identifier) ? row : -1;
}

bool ConceptList::shows(const QString &identifier) const
{
    db::Statement st(m_db, QStringLiteral("SELECT 1 FROM CONCEPTS WHERE Concept = ?") + m_filter);
    st.bind(1, identifier);
    for (int i = 0; i < m_params.size(); ++i)
        st.bind(i + 2, m_params.at(i));
    const bool found = st.step();
    st.reset();
    return found;
}

int ConceptList::conceptAdded(const QString &identifier)
{
    if (m_reading == Reading::AsShown || !shows(identifier))
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
    if (m_reading == Reading::AsShown || m_pages.empty())
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
