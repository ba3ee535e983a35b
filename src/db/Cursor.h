#pragma once
// Cursors over a database: a table cursor walks one table in the order of an index
// and finds rows by key; a query cursor holds the rows of a statement, editable
// (dynaset) or read-only (snapshot).
//
// No SQLite statement is left stepping between calls: a table cursor asks the file
// for the row before or after its current key each time (so it sees rows added by
// anyone), and a query cursor copies its rows out. That keeps a second connection to
// the same file free to write while a cursor is open.

#include "Database.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace db {

class Connection;

// Field names are found without regard to case.
class ColumnSet {
public:
    void add(const QString &name);
    int indexOf(const QString &name) const;  // -1 when unknown
    int require(const QString &name) const;  // FieldNotFound when unknown
    int size() const { return int(m_names.size()); }
    const QString &name(int i) const { return m_names.at(i); }
    const QStringList &names() const { return m_names; }

private:
    QStringList m_names;
    QHash<QString, int> m_index;
};

struct Condition {
    enum Op { Equal, NotEqual, Like };
    QString field;
    Op op = Equal;
    QVariant value;
};
using Criteria = std::vector<Condition>;

inline Condition equals(const QString &field, const QVariant &value) { return {field, Condition::Equal, value}; }
inline Condition notEquals(const QString &field, const QVariant &value) { return {field, Condition::NotEqual, value}; }
inline Condition like(const QString &field, const QString &pattern) { return {field, Condition::Like, pattern}; }

// The fields set between addNew() or edit() and update(), by column, shared by both kinds
// of cursor.
class EditBuffer {
public:
    enum class Mode { None, Adding, Editing };

    void begin(Mode mode);
    void cancel() { begin(Mode::None); }
    Mode mode() const { return m_mode; }
    // Fails with the engine's message outside addNew() or edit().
    void requireEditing() const;
    void set(int column, const QVariant &value);
    // The value set for the column, if any; while adding, an unset field reads as Null.
    std::optional<QVariant> value(int column) const;
    // The quoted names of the fields set and their values, in column order.
    void assignments(const ColumnSet &columns, QStringList &names, QVariantList &values) const;

private:
    Mode m_mode = Mode::None;
    std::map<int, QVariant> m_values;
};

// --------------------------------------------------------------------------------

class TableCursor {
public:
    // Without an index the rows come in the order they were stored.
    TableCursor(const Database &db, const QString &table, const QString &index = {});
    TableCursor(TableCursor &&) noexcept;
    TableCursor &operator=(TableCursor &&) noexcept;
    ~TableCursor();

    void setIndex(const QString &index);
    QString index() const { return m_indexName; }

    // Seek "=": the first row whose leading index fields equal key.
    void seek(const QVariantList &key);
    void seek(const QVariant &key) { seek(QVariantList{key}); }
    bool noMatch() const { return m_noMatch; }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const;
    qint64 recordCount() const;

    QVariant field(const QString &name) const;
    QString text(const QString &name) const { return field(name).toString(); }

    void addNew();
    void edit();
    void setField(const QString &name, const QVariant &value);
    void update();
    void cancelUpdate();
    void deleteRow();
    // The row stored by the last update(); for a new row, its rowid.
    qint64 lastModified() const { return m_lastModified; }

    void close();
    bool isOpen() const;

private:
    enum class Dir { First, Last, Next, Previous };
    void ensureOpen() const;
    void requireCurrent() const;
    void fetch(Dir dir);
    void loadRow(class Statement &st);
    void clearPosition(bool eof);
    QString orderBy(bool descending) const;

    std::shared_ptr<Connection> m_conn;
    QString m_table;
    QString m_indexName;
    QStringList m_keyColumns;
    ColumnSet m_columns;
    std::vector<QVariant> m_row;
    qint64 m_rowid = 0;
    bool m_hasRow = false;
    bool m_deleted = false;
    bool m_eof = true;
    bool m_bof = true;
    bool m_noMatch = false;
    EditBuffer m_buffer;
    qint64 m_lastModified = 0;
};

// --------------------------------------------------------------------------------

class QueryCursor {
public:
    // Read-only copy of the rows of any SELECT.
    static QueryCursor snapshot(const Database &db, const QString &sql, const QVariantList &params = {});
    // Editable rows of a SELECT over one table (no join): rows can be edited, added and
    // deleted, and added rows join the end of the cursor.
    static QueryCursor dynaset(const Database &db, const QString &sql, const QVariantList &params = {});

    QueryCursor(QueryCursor &&) noexcept;
    QueryCursor &operator=(QueryCursor &&) noexcept;
    ~QueryCursor();

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void move(qsizetype position);  // 0-based
    bool eof() const { return m_pos >= qsizetype(m_rows.size()); }
    bool bof() const { return m_pos < 0; }
    bool isEmpty() const { return m_rows.empty(); }
    qsizetype recordCount() const { return qsizetype(m_rows.size()); }
    qsizetype position() const { return m_pos; }

    const ColumnSet &columns() const { return m_columns; }
    QVariant field(const QString &name) const;
    QVariant field(int column) const;
    QString text(const QString &name) const { return field(name).toString(); }
    // The value at any row, without moving (for lists that draw rows by position).
    QVariant valueAt(qsizetype row, int column) const;

    // Leaves the current row where it was when nothing matches.
    void findFirst(const Criteria &criteria);
    void findNext(const Criteria &criteria);
    void findLast(const Criteria &criteria);
    bool noMatch() const { return m_noMatch; }

    void addNew();
    void edit();
    void setField(const QString &name, const QVariant &value);
    void update();
    void cancelUpdate();
    void deleteRow();

    void requery();
    void close();
    bool isOpen() const;
    bool updatable() const { return !m_baseTable.isEmpty(); }

private:
    QueryCursor() = default;
    void load();
    void ensureOpen() const;
    void requireCurrent() const;
    void requireUpdatable() const;
    bool matches(qsizetype row, const Criteria &criteria) const;
    // Moves to the first matching row from `from` on, by `step` (+1 or -1).
    void find(const Criteria &criteria, qsizetype from, int step);
    void refreshRow(qsizetype row, qint64 rowid);

    std::shared_ptr<Connection> m_conn;
    QString m_sql;
    QVariantList m_params;
    QString m_baseTable;  // empty for a snapshot
    ColumnSet m_columns;  // without the hidden rowid
    std::vector<std::vector<QVariant>> m_rows;
    std::vector<qint64> m_rowids;
    qsizetype m_pos = 0;
    bool m_deleted = false;
    bool m_noMatch = false;
    EditBuffer m_buffer;
};

}  // namespace db
