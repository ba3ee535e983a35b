#pragma once
// Internal: the live SQLite handle with its statement cache. Not for use outside src/db.

#include "Error.h"

#include <QHash>
#include <QString>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class Connection {
public:
    Connection(sqlite3 *handle, QString path, bool readOnly);
    ~Connection();

    sqlite3 *handle() const { return m_handle; }
    bool isOpen() const { return m_handle != nullptr; }
    const QString &path() const { return m_path; }
    bool readOnly() const { return m_readOnly; }
    void close();
    void ensureOpen() const;

    sqlite3_stmt *acquire(const QString &sql);
    void release(const QString &sql, sqlite3_stmt *stmt);

    int nextSavepoint() { return ++m_savepoints; }

    // Throws DbError for an SQLite result code, with the numbers the program tells apart.
    [[noreturn]] void raise(int rc) const;

private:
    sqlite3 *m_handle;
    QString m_path;
    bool m_readOnly;
    int m_savepoints = 0;
    QHash<QString, std::vector<sqlite3_stmt *>> m_idle;
};

[[noreturn]] void raiseFor(sqlite3 *handle, int rc, const QString &path);

}  // namespace db
