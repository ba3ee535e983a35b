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
    return std::make_shared<ConceptList>(db, QStringLiteral("(Type = ? OR Type = ?)"), QVariantList{type, RootType});
}

std::shared_ptr<ConceptList> ConceptList::ofType(const db::Database &db, int type)
{
    return std::make_shared<ConceptList>(db, QStringLiteral("Type = ?"), QVariantList{type});
}

std::shared_ptr<ConceptList> ConceptList::relatable(const db::Database &db)
{
    return std::make_shared<ConceptList>(db, QStringLiteral("Type <> ? AND Type <> ?"),
                                         QVariantList{AttributeType, RelationType});
}

ConceptList::ConceptList(const db::Database &db, const QString &filter, const QVariantList &params)
    : m_db(db), m_filter(filter.isEmpty() ? QString() : QStringLiteral(" AND ") + filter), m_params(params)
{
    db::Statement all(m_db, QStringLiteral("SELECT Concept FROM CONCEPTS WHERE 1") + m_filter +
                                QStringLiteral(" ORDER BY Concept"));
    all.bindAll(m_params);
    int n = 0;
    while (all.step()) {
        if (n % PageSize == 0)
            m_firstKeys.push_back(all.column(0).toString());
        ++n;
    }
    m_count = n;
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
    db::Statement st(m_db, QStringLiteral("SELECT Concept FROM CONCEPTS WHERE Concept >= ?") + m_filter +
                               QStringLiteral(" ORDER BY Concept LIMIT %1").arg(PageSize));
    st.bind(1, m_firstKeys.at(size_t(index)));
    for (int i = 0; i < m_params.size(); ++i)
        st.bind(i + 2, m_params.at(i));
    slot.rows.reserve(PageSize);
    while (st.step())
        slot.rows.push_back(st.column(0).toString());
    slot.index = index;
    return slot.rows;
}

QString ConceptList::text(int row) const
{
    if (row < 0 || row >= m_count)
        return {};
    const auto &rows = page(row / PageSize);
    const size_t at = size_t(row % PageSize);
    return at < rows.size() ? rows[at] : QString();
}

int ConceptList::lowerBound(const QString &text) const
{
    if (m_count == 0)
        return 0;
    // The last page that starts at or below the text holds the answer, or the answer is
    // the first row of the page after it.
    const auto after = std::upper_bound(m_firstKeys.begin(), m_firstKeys.end(), text, below);
    const int first = std::max(0, int(after - m_firstKeys.begin()) - 1);
    for (int p = first; p < int(m_firstKeys.size()); ++p) {
        const auto &rows = page(p);
        const auto it = std::lower_bound(rows.begin(), rows.end(), text, below);
        if (it != rows.end())
            return p * PageSize + int(it - rows.begin());
    }
    return m_count;
}

int ConceptList::findPrefix(const QString &prefix) const
{
    if (prefix.isEmpty())
        return -1;
    const int row = lowerBound(prefix);
    if (row >= m_count)
        return -1;
    return db::sameText(text(row).left(prefix.size()), prefix) ? row : -1;
}

int ConceptList::find(const QString &identifier) const
{
    if (identifier.isEmpty())
        return -1;
    const int row = lowerBound(identifier);
    return row < m_count && db::sameText(text(row), identifier) ? row : -1;
}
