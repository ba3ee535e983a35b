#include "Cursor.h"

#include "Connection.h"
#include "Schema.h"
#include "Text.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace db {

namespace {

DbError noCurrentRecord() { return DbError(err::NoCurrentRecord, QStringLiteral("No current record.")); }
DbError recordDeleted() { return DbError(err::RecordDeleted, QStringLiteral("Record is deleted.")); }

// A cursor whose database was closed, or that was closed itself, fails cleanly.
void requireOpen(const std::shared_ptr<Connection> &conn)
{
    if (!conn)
        throw DbError(err::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
    conn->ensureOpen();
}

// Stores a new row from quoted column names and their values; returns its rowid.
qint64 insertRow(const std::shared_ptr<Connection> &conn, const QString &table, const QStringList &cols,
                 const QVariantList &values)
{
    QString sql = QStringLiteral("INSERT INTO ") + quoteIdent(table);
    if (cols.isEmpty()) {
        sql += QStringLiteral(" DEFAULT VALUES");
    } else {
        const QStringList marks(cols.size(), QStringLiteral("?"));
        sql += QStringLiteral(" (%1) VALUES (%2)").arg(cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    }
    Statement st(conn, sql);
    st.bindAll(values);
    st.run();
    return sqlite3_last_insert_rowid(conn->handle());
}

void updateRow(const std::shared_ptr<Connection> &conn, const QString &table, const QStringList &cols,
               QVariantList values, qint64 rowid)
{
    if (cols.isEmpty())
        return;
    QStringList sets;
    for (const QString &c : cols)
        sets << c + QStringLiteral(" = ?");
    Statement st(conn, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoteIdent(table), sets.join(QStringLiteral(", "))));
    values << rowid;
    st.bindAll(values);
    st.run();
}

}  // namespace

void ColumnSet::add(const QString &name)
{
    m_index.insert(name.toLower(), int(m_names.size()));
    m_names << name;
}

int ColumnSet::indexOf(const QString &name) const { return m_index.value(name.toLower(), -1); }

int ColumnSet::require(const QString &name) const
{
    const int i = indexOf(name);
    if (i < 0)
        throw DbError(err::FieldNotFound, QStringLiteral("Item not found in this collection: '%1'.").arg(name));
    return i;
}

// ================================================================================
// EditBuffer

void EditBuffer::begin(Mode mode)
{
    m_values.clear();
    m_mode = mode;
}

void EditBuffer::requireEditing() const
{
    if (m_mode == Mode::None)
        throw DbError(err::Engine, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
}

void EditBuffer::set(int column, const QVariant &value)
{
    requireEditing();
    m_values[column] = value;
}

std::optional<QVariant> EditBuffer::value(int column) const
{
    if (m_mode == Mode::None)
        return std::nullopt;
    const auto it = m_values.find(column);
    if (it != m_values.end())
        return it->second;
    if (m_mode == Mode::Adding)
        return QVariant();
    return std::nullopt;
}

void EditBuffer::assignments(const ColumnSet &columns, QStringList &names, QVariantList &values) const
{
    for (const auto &[column, value] : m_values) {
        names << quoteIdent(columns.name(column));
        values << value;
    }
}

// ================================================================================
// TableCursor

TableCursor::TableCursor(const Database &db, const QString &table, const QString &index) : m_conn(db.connection())
{
    if (!db.hasTable(table))
        throw DbError(err::ObjectNotFound,
                      QStringLiteral("The database engine could not find the object '%1'.").arg(table));
    Statement st(m_conn, QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"));
    st.bind(1, table);
    while (st.step())
        m_columns.add(st.column(0).toString());
    // The stored spelling of the name, so the SQL we build matches it exactly.
    m_table = Database(db).scalar(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND name = ? "
                                                 "COLLATE NOCASE"),
                                  {table})
                  .toString();
    setIndex(index);
}

TableCursor::TableCursor(TableCursor &&) noexcept = default;
TableCursor &TableCursor::operator=(TableCursor &&) noexcept = default;
TableCursor::~TableCursor() = default;

bool TableCursor::isOpen() const { return m_conn && m_conn->isOpen(); }

void TableCursor::ensureOpen() const { requireOpen(m_conn); }

void TableCursor::close()
{
    m_conn.reset();
    m_hasRow = false;
}

void TableCursor::setIndex(const QString &index)
{
    ensureOpen();
    m_keyColumns.clear();
    m_indexName = index;
    if (!index.isEmpty()) {
        Statement st(m_conn, QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"));
        st.bind(1, indexSqlName(m_table, index));
        while (st.step())
            m_keyColumns << st.column(0).toString();
        if (m_keyColumns.isEmpty())
            throw DbError(err::NotAnIndex, QStringLiteral("'%1' is not an index in this table.").arg(index));
    }
    m_buffer.cancel();
    fetch(Dir::First);
}

QString TableCursor::orderBy(bool descending) const
{
    QStringList cols;
    const QString dir = descending ? QStringLiteral(" DESC") : QString();
    for (const QString &c : m_keyColumns)
        cols << quoteIdent(c) + dir;
    cols << QStringLiteral("rowid") + dir;
    return QStringLiteral(" ORDER BY ") + cols.join(QStringLiteral(", "));
}

void TableCursor::clearPosition(bool atEof)
{
    m_hasRow = false;
    m_deleted = false;
    m_eof = atEof;
    m_bof = !atEof;
}

void TableCursor::loadRow(Statement &st)
{
    m_rowid = st.column(0).toLongLong();
    m_row.resize(size_t(m_columns.size()));
    for (int i = 0; i < m_columns.size(); ++i)
        m_row[size_t(i)] = st.column(i + 1);
    m_hasRow = true;
    m_deleted = false;
    m_eof = m_bof = false;
}

void TableCursor::fetch(Dir dir)
{
    ensureOpen();
    const QString head = QStringLiteral("SELECT rowid, * FROM ") + quoteIdent(m_table);
    QString where;
    QVariantList params;
    if (dir == Dir::Next || dir == Dir::Previous) {
        // The row after (or before) the current key in index order, Nulls first, ties
        // broken by rowid, so that equal keys are all visited.
        std::vector<QVariant> key;
        for (const QString &c : m_keyColumns)
            key.push_back(m_row[size_t(m_columns.require(c))]);
        key.push_back(m_rowid);
        QStringList names;
        for (const QString &c : m_keyColumns)
            names << quoteIdent(c);
        names << QStringLiteral("rowid");
        bool anyNull = false;
        for (const QVariant &v : key)
            anyNull = anyNull || v.isNull();
        if (dir == Dir::Next && !anyNull) {
            QStringList marks;
            for (const QVariant &v : key) {
                marks << QStringLiteral("?");
                params << v;
            }
            where = QStringLiteral(" WHERE (%1) > (%2)").arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        } else {
            QStringList alternatives;
            for (size_t i = 0; i < key.size(); ++i) {
                QStringList terms;
                for (size_t j = 0; j < i; ++j) {
                    if (key[j].isNull()) {
                        terms << names[int(j)] + QStringLiteral(" IS NULL");
                    } else {
                        terms << names[int(j)] + QStringLiteral(" = ?");
                        params << key[j];
                    }
                }
                if (dir == Dir::Next) {
                    if (key[i].isNull()) {
                        terms << names[int(i)] + QStringLiteral(" IS NOT NULL");
                    } else {
                        terms << names[int(i)] + QStringLiteral(" > ?");
                        params << key[i];
                    }
                } else {
                    if (key[i].isNull())
                        continue;  // nothing sorts before Null
                    terms << QStringLiteral("(%1 < ? OR %1 IS NULL)").arg(names[int(i)]);
                    params << key[i];
                }
                alternatives << QLatin1Char('(') + terms.join(QStringLiteral(" AND ")) + QLatin1Char(')');
            }
            where = alternatives.isEmpty() ? QStringLiteral(" WHERE 0")
                                           : QStringLiteral(" WHERE ") + alternatives.join(QStringLiteral(" OR "));
        }
    }
    const bool descending = dir == Dir::Last || dir == Dir::Previous;
    Statement st(m_conn, head + where + orderBy(descending) + QStringLiteral(" LIMIT 1"));
    st.bindAll(params);
    if (st.step()) {
        loadRow(st);
        st.reset();
    } else {
        clearPosition(!descending);
    }
}

void TableCursor::seek(const QVariantList &key)
{
    ensureOpen();
    if (m_keyColumns.isEmpty())
        throw DbError(err::NotAnIndex, QStringLiteral("Operation is not supported without a current index."));
    QStringList terms;
    const int n = int(std::min<qsizetype>(key.size(), m_keyColumns.size()));
    for (int i = 0; i < n; ++i)
        terms << quoteIdent(m_keyColumns[i]) + QStringLiteral(" = ?");
    Statement st(m_conn, QStringLiteral("SELECT rowid, * FROM ") + quoteIdent(m_table) + QStringLiteral(" WHERE ") +
                             terms.join(QStringLiteral(" AND ")) + orderBy(false) + QStringLiteral(" LIMIT 1"));
    st.bindAll(key.mid(0, n));
    if (st.step()) {
        loadRow(st);
        st.reset();
        m_noMatch = false;
    } else {
        clearPosition(true);
        m_noMatch = true;
    }
}

void TableCursor::moveFirst()
{
    fetch(Dir::First);
    if (!m_hasRow)
        throw noCurrentRecord();
}

void TableCursor::moveLast()
{
    fetch(Dir::Last);
    if (!m_hasRow)
        throw noCurrentRecord();
}

void TableCursor::moveNext()
{
    ensureOpen();
    if (!m_hasRow) {
        if (m_eof)
            throw noCurrentRecord();
        fetch(Dir::First);
        return;
    }
    fetch(Dir::Next);
}

void TableCursor::movePrevious()
{
    ensureOpen();
    if (!m_hasRow) {
        if (m_bof)
            throw noCurrentRecord();
        fetch(Dir::Last);
        return;
    }
    fetch(Dir::Previous);
}

bool TableCursor::isEmpty() const { return recordCount() == 0; }

qint64 TableCursor::recordCount() const
{
    ensureOpen();
    Statement st(m_conn, QStringLiteral("SELECT count(*) FROM ") + quoteIdent(m_table));
    st.step();
    return st.column(0).toLongLong();
}

void TableCursor::requireCurrent() const
{
    ensureOpen();
    if (m_deleted)
        throw recordDeleted();
    if (!m_hasRow)
        throw noCurrentRecord();
}

QVariant TableCursor::field(const QString &name) const
{
    const int i = m_columns.require(name);
    if (auto edited = m_buffer.value(i))
        return *edited;
    requireCurrent();
    return m_row[size_t(i)];
}

void TableCursor::addNew()
{
    ensureOpen();
    m_buffer.begin(EditBuffer::Mode::Adding);
}

void TableCursor::edit()
{
    requireCurrent();
    m_buffer.begin(EditBuffer::Mode::Editing);
}

void TableCursor::setField(const QString &name, const QVariant &value)
{
    ensureOpen();
    m_buffer.requireEditing();
    m_buffer.set(m_columns.require(name), value);
}

void TableCursor::cancelUpdate() { m_buffer.cancel(); }

void TableCursor::update()
{
    ensureOpen();
    m_buffer.requireEditing();
    QStringList cols;
    QVariantList values;
    m_buffer.assignments(m_columns, cols, values);
    if (m_buffer.mode() == EditBuffer::Mode::Adding) {
        m_lastModified = insertRow(m_conn, m_table, cols, values);
    } else {
        updateRow(m_conn, m_table, cols, values, m_rowid);
        m_lastModified = m_rowid;
        // The cursor follows its row, also when its key was changed.
        Statement again(m_conn, QStringLiteral("SELECT rowid, * FROM ") + quoteIdent(m_table) + QStringLiteral(" WHERE rowid = ?"));
        again.bind(1, m_rowid);
        if (again.step()) {
            loadRow(again);
            again.reset();
        }
    }
    m_buffer.cancel();
}

void TableCursor::deleteRow()
{
    requireCurrent();
    Statement st(m_conn, QStringLiteral("DELETE FROM ") + quoteIdent(m_table) + QStringLiteral(" WHERE rowid = ?"));
    st.bind(1, m_rowid);
    st.run();
    // Keep the key of the gone row: moveNext continues from where it stood.
    m_deleted = true;
}

}  // namespace db

// ================================================================================
// QueryCursor

namespace db {

namespace {

// "SELECT [DISTINCTROW] cols FROM Table [WHERE ...]" with no join: the one table a
// dynaset can write back to.
QString singleTable(const QString &sql)
{
    static const QRegularExpression join(QStringLiteral("\\bJOIN\\b|,\\s*\"?\\w+\"?\\s*(WHERE|ORDER|$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression from(
        QStringLiteral("^\\s*SELECT\\s+(?:DISTINCT\\s+)?.*?\\bFROM\\s+(\"[^\"]+\"|[\\w-]+)\\s*(?:WHERE\\b|ORDER\\b|$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    if (join.match(sql).hasMatch())
        return {};
    const auto m = from.match(sql);
    if (!m.hasMatch())
        return {};
    QString t = m.captured(1);
    if (t.startsWith(QLatin1Char('"')))
        t = t.mid(1, t.size() - 2);
    return t;
}

// The engine's DISTINCTROW is DISTINCT for SQLite.
QString portable(QString sql)
{
    static const QRegularExpression distinctrow(QStringLiteral("\\bDISTINCTROW\\b"), QRegularExpression::CaseInsensitiveOption);
    return sql.replace(distinctrow, QStringLiteral("DISTINCT"));
}

}  // namespace

QueryCursor QueryCursor::snapshot(const Database &db, const QString &sql, const QVariantList &params)
{
    QueryCursor c;
    c.m_conn = db.connection();
    c.m_sql = portable(sql);
    c.m_params = params;
    c.load();
    return c;
}

QueryCursor QueryCursor::dynaset(const Database &db, const QString &sql, const QVariantList &params)
{
    QueryCursor c;
    c.m_conn = db.connection();
    c.m_params = params;
    const QString text = portable(sql);
    c.m_baseTable = singleTable(text);
    if (c.m_baseTable.isEmpty()) {
        c.m_sql = text;  // a join: readable, not writable
    } else {
        static const QRegularExpression select(QStringLiteral("^\\s*SELECT\\s+(DISTINCT\\s+)?"),
                                               QRegularExpression::CaseInsensitiveOption);
        const auto m = select.match(text);
        if (!m.captured(1).isEmpty()) {
            c.m_sql = text;  // DISTINCT rows have no single row behind them
            c.m_baseTable.clear();
        } else {
            c.m_sql = text.left(m.capturedEnd()) + quoteIdent(c.m_baseTable) + QStringLiteral(".rowid AS \"lx$rowid\", ") +
                      text.mid(m.capturedEnd());
        }
    }
    c.load();
    return c;
}

QueryCursor::QueryCursor(QueryCursor &&) noexcept = default;
QueryCursor &QueryCursor::operator=(QueryCursor &&) noexcept = default;
QueryCursor::~QueryCursor() = default;

void QueryCursor::load()
{
    ensureOpen();
    Statement st(m_conn, m_sql);
    st.bindAll(m_params);
    m_rows.clear();
    m_rowids.clear();
    m_columns = ColumnSet();
    const int first = m_baseTable.isEmpty() ? 0 : 1;
    for (int i = first; i < st.columnCount(); ++i)
        m_columns.add(st.columnName(i));
    while (st.step()) {
        std::vector<QVariant> row;
        row.reserve(size_t(m_columns.size()));
        for (int i = first; i < st.columnCount(); ++i)
            row.push_back(st.column(i));
        m_rows.push_back(std::move(row));
        if (first)
            m_rowids.push_back(st.column(0).toLongLong());
    }
    m_pos = 0;
    m_deleted = false;
    m_noMatch = false;
    m_buffer.cancel();
}

bool QueryCursor::isOpen() const { return m_conn && m_conn->isOpen(); }

void QueryCursor::ensureOpen() const { requireOpen(m_conn); }

void QueryCursor::close()
{
    m_conn.reset();
    m_rows.clear();
    m_rowids.clear();
}

void QueryCursor::requireCurrent() const
{
    ensureOpen();
    if (m_deleted)
        throw recordDeleted();
    if (m_pos < 0 || m_pos >= qsizetype(m_rows.size()))
        throw noCurrentRecord();
}

void QueryCursor::requireUpdatable() const
{
    if (m_baseTable.isEmpty())
        throw DbError(err::NotUpdatable, QStringLiteral("Operation must use an updatable query."));
}

void QueryCursor::moveFirst()
{
    ensureOpen();
    if (m_rows.empty())
        throw noCurrentRecord();
    m_pos = 0;
    m_deleted = false;
}

void QueryCursor::moveLast()
{
    ensureOpen();
    if (m_rows.empty())
        throw noCurrentRecord();
    m_pos = qsizetype(m_rows.size()) - 1;
    m_deleted = false;
}

void QueryCursor::moveNext()
{
    ensureOpen();
    // After a delete the following row has moved into the deleted row's place.
    if (m_deleted) {
        m_deleted = false;
        return;
    }
    if (eof())
        throw noCurrentRecord();
    ++m_pos;
}

void QueryCursor::movePrevious()
{
    ensureOpen();
    if (bof())
        throw noCurrentRecord();
    m_deleted = false;
    --m_pos;
}

void QueryCursor::move(qsizetype position)
{
    ensureOpen();
    m_deleted = false;
    m_pos = std::clamp<qsizetype>(position, -1, qsizetype(m_rows.size()));
}

QVariant QueryCursor::field(const QString &name) const
{
    const int i = m_columns.require(name);
    if (auto edited = m_buffer.value(i))
        return *edited;
    return field(i);
}

QVariant QueryCursor::field(int column) const
{
    requireCurrent();
    return m_rows[size_t(m_pos)][size_t(column)];
}

QVariant QueryCursor::valueAt(qsizetype row, int column) const { return m_rows[size_t(row)][size_t(column)]; }

bool QueryCursor::matches(qsizetype row, const Criteria &criteria) const
{
    for (const Condition &c : criteria) {
        const QVariant &v = m_rows[size_t(row)][size_t(m_columns.require(c.field))];
        bool ok = false;
        switch (c.op) {
        case Condition::Equal:
            ok = !v.isNull() && compareValues(v, c.value) == 0;
            break;
        case Condition::NotEqual:
            ok = !v.isNull() && compareValues(v, c.value) != 0;
            break;
        case Condition::Like:
            ok = !v.isNull() && likeMatch(v.toString(), c.value.toString());
            break;
        }
        if (!ok)
            return false;
    }
    return true;
}

void QueryCursor::find(const Criteria &criteria, qsizetype from, int step)
{
    ensureOpen();
    for (qsizetype i = from; i >= 0 && i < qsizetype(m_rows.size()); i += step)
        if (matches(i, criteria)) {
            m_pos = i;
            m_deleted = false;
            m_noMatch = false;
            return;
        }
    m_noMatch = true;
}

void QueryCursor::findFirst(const Criteria &criteria) { find(criteria, 0, 1); }

// After a delete the following row stands in the deleted row's place and is looked at first.
void QueryCursor::findNext(const Criteria &criteria)
{
    find(criteria, std::max<qsizetype>(m_pos + (m_deleted ? 0 : 1), 0), 1);
}

void QueryCursor::findLast(const Criteria &criteria) { find(criteria, qsizetype(m_rows.size()) - 1, -1); }

void QueryCursor::addNew()
{
    ensureOpen();
    requireUpdatable();
    m_buffer.begin(EditBuffer::Mode::Adding);
}

void QueryCursor::edit()
{
    requireUpdatable();
    requireCurrent();
    m_buffer.begin(EditBuffer::Mode::Editing);
}

void QueryCursor::setField(const QString &name, const QVariant &value)
{
    ensureOpen();
    m_buffer.requireEditing();
    m_buffer.set(m_columns.require(name), value);
}

void QueryCursor::cancelUpdate() { m_buffer.cancel(); }

void QueryCursor::refreshRow(qsizetype row, qint64 rowid)
{
    Statement st(m_conn, QStringLiteral("SELECT * FROM ") + quoteIdent(m_baseTable) + QStringLiteral(" WHERE rowid = ?"));
    st.bind(1, rowid);
    if (!st.step())
        return;
    for (int i = 0; i < st.columnCount(); ++i) {
        const int c = m_columns.indexOf(st.columnName(i));
        if (c >= 0)
            m_rows[size_t(row)][size_t(c)] = st.column(i);
    }
    st.reset();
}

void QueryCursor::update()
{
    ensureOpen();
    m_buffer.requireEditing();
    QStringList cols;
    QVariantList values;
    m_buffer.assignments(m_columns, cols, values);
    if (m_buffer.mode() == EditBuffer::Mode::Adding) {
        const qint64 rowid = insertRow(m_conn, m_baseTable, cols, values);
        m_rows.emplace_back(size_t(m_columns.size()));
        m_rowids.push_back(rowid);
        refreshRow(qsizetype(m_rows.size()) - 1, rowid);
    } else {
        updateRow(m_conn, m_baseTable, cols, values, m_rowids[size_t(m_pos)]);
        refreshRow(m_pos, m_rowids[size_t(m_pos)]);
    }
    m_buffer.cancel();
}

void QueryCursor::deleteRow()
{
    requireUpdatable();
    requireCurrent();
    Statement st(m_conn, QStringLiteral("DELETE FROM ") + quoteIdent(m_baseTable) + QStringLiteral(" WHERE rowid = ?"));
    st.bind(1, m_rowids[size_t(m_pos)]);
    st.run();
    m_rows.erase(m_rows.begin() + m_pos);
    m_rowids.erase(m_rowids.begin() + m_pos);
    m_deleted = true;
}

void QueryCursor::requery()
{
    ensureOpen();
    load();
}

}  // namespace db
