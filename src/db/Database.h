#pragma once
// A database file: one SQLite connection shared by the handle and every cursor and
// statement made from it. Closing the handle ends them all; a cursor used afterwards
// fails with ObjectClosed instead of touching a dead connection.

#include "Error.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class Connection;

struct OpenOptions {
    bool exclusive = false;
    bool readOnly = false;
    // ";pwd=..." and the like. SQLite files carry no password: accepted, not checked.
    QString connect;
    // Tables the file must have to count as the kind of database the caller expects;
    // a missing one is ObjectNotFound at open rather than at the first query.
    QStringList requiredTables;
};

class Database {
public:
    Database() = default;

    // Creates an empty database file. An existing file is ExistsAlready and is left as it was.
    static Database create(const QString &path);
    // Opens an existing file. A missing file is FileNotFound (never a new empty file); a file
    // that is no database, or has no tables at all, is NotADatabase.
    static Database open(const QString &path, const OpenOptions &options = {});

    bool isOpen() const;
    void close();
    QString path() const;

    void execute(const QString &sql, const QVariantList &params = {});
    // First column of the first row, or a null QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {});
    qint64 lastInsertId() const;
    int changes() const;

    bool hasTable(const QString &name) const;
    QStringList columnNames(const QString &table) const;

    std::shared_ptr<Connection> connection() const;

private:
    explicit Database(std::shared_ptr<Connection> c) : m_conn(std::move(c)) {}
    std::shared_ptr<Connection> m_conn;
};

// For one command that changes many rows spread over a big file in one transaction: the
// engine may keep up to 64 MiB of the file's pages in memory meanwhile, so that changed
// pages are not written out and read back half-way. The usual cache comes back, and its
// memory is given back, when the scope ends.
class BulkCache {
public:
    explicit BulkCache(const Database &db);
    ~BulkCache();
    BulkCache(const BulkCache &) = delete;
    BulkCache &operator=(const BulkCache &) = delete;

private:
    Database m_db;
    qint64 m_previous;
};

// For one bulk command that removes rows and everything referring to them set by set,
// which the cascades would do row by row at many times the cost. The engine ignores the
// switch inside a transaction, so the command asks active() and, when it is false, lets
// the cascades do the work. The checks are on again when the scope ends.
class ForeignKeysOff {
public:
    explicit ForeignKeysOff(const Database &db);
    ~ForeignKeysOff();
    ForeignKeysOff(const ForeignKeysOff &) = delete;
    ForeignKeysOff &operator=(const ForeignKeysOff &) = delete;
    bool active() const { return m_active; }

private:
    Database m_db;
    bool m_active = false;
};

// Nested scopes use savepoints, so a command can run inside another command's
// transaction. Rolls back unless commit() was called.
class Transaction {
public:
    // Write: for a command that reads what it is about to write (the next free number,
    // say). It takes the file's write lock at its start, waiting for it as long as any
    // other wait, so that no other connection, in this process or another, writes between
    // its read and its write. Inside another transaction it is a savepoint like any
    // other: the outer one decides when the lock is taken.
    enum class Kind { Deferred, Write };
    explicit Transaction(const Database &db, Kind kind = Kind::Deferred);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    std::shared_ptr<Connection> m_conn;
    QString m_name;  // empty for a Write transaction that began on its own
    bool m_outermost = false;  // a savepoint opened outside any transaction
    bool m_done = false;
};

// A prepared statement, taken from the connection's cache and given back when it dies.
// Values are bound, never pasted into the text.
class Statement {
public:
    Statement(const Database &db, const QString &sql);
    explicit Statement(std::shared_ptr<Connection> conn, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &bind(int index, const QVariant &value);  // 1-based
    Statement &bindAll(const QVariantList &values);
    // Steps once: true while there is a row. Errors become DbError.
    bool step();
    // Steps to the end (for statements that return no rows).
    void run();
    void reset();

    int columnCount() const;
    QString columnName(int i) const;
    // Booleans and dates come back as bool and QDate/QDateTime by their declared type.
    QVariant column(int i) const;
    // A text column's bytes as the file stores them (UTF-8), without conversion: valid
    // until the statement steps again or is reset.
    QByteArrayView columnUtf8(int i) const;

private:
    void ensureOpen() const;
    std::shared_ptr<Connection> m_conn;
    QString m_sql;
    sqlite3_stmt *m_stmt = nullptr;
};

// Value conversions between Qt and the file (used by cursors and statements alike).
QVariant toStorage(const QVariant &value);

}  // namespace db
