#include "RowSource.h"

#include "db/Cursor.h"

namespace ui {

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
