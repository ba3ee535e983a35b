#include "RowSource.h"

#include "db/Cursor.h"

namespace ui {

QStringList RowSource::texts(const std::vector<int> &rows) const
{
    QStringList out;
    out.reserve(qsizetype(rows.size()));
    for (int row : rows)
        out << text(row);
    return out;
}

int RowSource::findPrefix(const QString &prefix)
{
    if (prefix.isEmpty())
        return -1;
    for (int row = 0;; ++row) {
        if (row >= rowCount() && (!canFetchMore() || fetchMore() == 0))
            return -1;
        if (text(row).startsWith(prefix, Qt::CaseInsensitive))
            return row;
    }
}

QueryCursorRows::QueryCursorRows(std::shared_ptr<const db::QueryCursor> cursor, const QString &field)
    : m_cursor(std::move(cursor)), m_column(m_cursor->columns().require(field))
{
}

int QueryCursorRows::rowCount() const { return int(m_cursor->recordCount()); }

QString QueryCursorRows::text(int row) const
{
    // A list not yet refilled after its cursor was requeried or closed may ask for a row
    // that is gone.
    if (row < 0 || row >= m_cursor->recordCount())
        return {};
    return m_cursor->valueAt(row, m_column).toString();
}

}  // namespace ui
