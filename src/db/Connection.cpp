#include "Connection.h"

#include <QDir>
#include <sqlite3.h>

namespace db {

Connection::Connection(sqlite3 *handle, QString path, bool readOnly)
    : m_handle(handle), m_path(std::move(path)), m_readOnly(readOnly) {}

Connection::~Connection() { close(); }

void Connection::close()
{
    if (!m_handle)
        return;
    for (auto &list : m_idle)
        for (sqlite3_stmt *s : list)
            sqlite3_finalize(s);
    m_idle.clear();
    // Statements still held by live Statement objects are finalised by them; close_v2
    // keeps the handle as a zombie until then.
    sqlite3_close_v2(m_handle);
    m_handle = nullptr;
}

void Connection::ensureOpen() const
{
    if (!m_handle)
        throw DbError(err::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
}

sqlite3_stmt *Connection::acquire(const QString &sql)
{
    ensureOpen();
    auto it = m_idle.find(sql);
    if (it != m_idle.end() && !it->empty()) {
        sqlite3_stmt *s = it->back();
        it->pop_back();
        return s;
    }
    sqlite3_stmt *s = nullptr;
    const QByteArray text = sql.toUtf8();
    int rc = sqlite3_prepare_v3(m_handle, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &s,
                                nullptr);
    if (rc != SQLITE_OK)
        raise(rc);
    return s;
}

void Connection::release(const QString &sql, sqlite3_stmt *stmt)
{
    if (!stmt)
        return;
    if (!m_handle) {
        sqlite3_finalize(stmt);
        return;
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    auto &list = m_idle[sql];
    if (list.size() < 4)
        list.push_back(stmt);
    else
        sqlite3_finalize(stmt);
}

void Connection::raise(int rc) const { raiseFor(m_handle, rc, m_path); }

namespace {

QString checkName(const QString &msg)
{
    // "CHECK constraint failed: zls_Owner" -> "zls_Owner"
    const int colon = msg.lastIndexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : msg.mid(colon + 1).trimmed();
}

}  // namespace

void raiseFor(sqlite3 *handle, int rc, const QString &path)
{
    const QString msg = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString::fromUtf8(sqlite3_errstr(rc));
    const int ext = handle ? sqlite3_extended_errcode(handle) : rc;
    switch (ext) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        throw DbError(err::DuplicateKey,
                      QStringLiteral("The changes you requested to the table were not successful because they "
                                     "would create duplicate values in the index, primary key, or relationship."));
    case SQLITE_CONSTRAINT_FOREIGNKEY:
        throw DbError(err::RelatedRecordRequired,
                      QStringLiteral("You cannot add or change a record because a related record is required."));
    case SQLITE_CONSTRAINT_NOTNULL:
        throw DbError(err::NullKey, QStringLiteral("Index or primary key cannot contain a Null value."));
    case SQLITE_CONSTRAINT_CHECK: {
        const QString name = checkName(msg);
        const QString field = name.section(QLatin1Char('_'), 1);
        if (name.startsWith(QLatin1String("zls_")))
            throw DbError(err::ZeroLengthString,
                          QStringLiteral("Field '%1' cannot be a zero-length string.").arg(field));
        if (name.startsWith(QLatin1String("len_")))
            throw DbError(err::FieldTooSmall,
                          QStringLiteral("The field '%1' is too small to accept the amount of data you attempted "
                                         "to add.").arg(field));
        throw DbError(err::NumericOverflow, QStringLiteral("The value of field '%1' is out of range.").arg(field));
    }
    default:
        break;
    }
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
        throw DbError(err::NotADatabase, QStringLiteral("Unrecognized database format '%1'.").arg(path));
    case SQLITE_CANTOPEN:
        throw DbError(err::CannotOpen, QStringLiteral("The database engine cannot open the file '%1'.").arg(path));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw DbError(err::Locked, QStringLiteral("Could not update; currently locked."));
    case SQLITE_READONLY:
        throw DbError(err::ReadOnly, QStringLiteral("Cannot update. Database or object is read-only."));
    case SQLITE_CONSTRAINT:
        throw DbError(err::DuplicateKey, msg);
    case SQLITE_FULL:
        // The engine's own words name neither the file nor the disk.
        throw DbError(err::Engine, QStringLiteral("The file %1 could not be written: %2.")
                                       .arg(QDir::toNativeSeparators(path), msg));
    default:
        throw DbError(err::Engine, msg);
    }
}

}  // namespace db
