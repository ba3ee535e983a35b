#pragma once
// What a data-bound list shows: a number of rows and the bound field's text of any row,
// asked for only as rows come into view. A source may hold its rows or fetch them in
// windows; the list never copies them.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace db {
class QueryCursor;
}

namespace ui {

class RowSource {
public:
    virtual ~RowSource() = default;
    // The rows known so far; a source that reads its rows as they are shown grows when
    // the list asks for more.
    virtual int rowCount() const = 0;
    virtual QString text(int row) const = 0;
    // The texts of these rows, given in ascending order; a source that reads its rows in
    // pages reads each page asked for once and converts only the rows asked for.
    virtual QStringList texts(const std::vector<int> &rows) const;
    virtual bool canFetchMore() const { return false; }
    // Reads the next rows; returns how many were added at the end.
    virtual int fetchMore() { return 0; }
    // The first row whose text begins with prefix, letters compared without regard to
    // case; -1 when none does or the prefix is empty. This one reads the rows in turn,
    // reading on while the source has more; a source that knows its order finds it quicker.
    virtual int findPrefix(const QString &prefix);
};

// The rows of a query cursor, showing one field. The cursor is shared, not copied: the
// window keeps using it (find, requery), and a list refilled after a requery sees the new rows.
class QueryCursorRows : public RowSource {
public:
    QueryCursorRows(std::shared_ptr<const db::QueryCursor> cursor, const QString &field);
    int rowCount() const override;
    QString text(int row) const override;

private:
    std::shared_ptr<const db::QueryCursor> m_cursor;
    int m_column;
};

// Rows held in memory: the list still draws only the rows in view, so a pane of forty
// thousand rows costs their text, not a widget item for each.
class StringRows : public RowSource {
public:
    explicit StringRows(QStringList rows) : m_rows(std::move(rows)) {}
    int rowCount() const override { return int(m_rows.size()); }
    QString text(int row) const override { return m_rows.value(row); }

private:
    QStringList m_rows;
};

}  // namespace ui
