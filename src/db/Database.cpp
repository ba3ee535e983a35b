#include "Database.h"

#include "Connection.h"
#include "Text.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <sqlite3.h>

namespace db {

namespace {

// Every connection gets the same rules: keys and cascades enforced, double-quoted
// strings are identifiers only (so a value can never turn into a column), and a short
// wait when the same file is open twice in this process.
void configure(sqlite3 *h, const QString &path)
{
    sqlite3_db_config(h, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(h, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_db_config(h, SQLITE_DBCONFIG_ENABLE_FKEY, 1, nullptr);
    sqlite3_busy_timeout(h, 5000);
    sqlite3_extended_result_codes(h, 1);
    char *errmsg = nullptr;
    if (sqlite3_exec(h, "PRAGMA foreign_keys = ON", nullptr, nullptr, &errmsg) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(errmsg ? errmsg : "");
        sqlite3_free(errmsg);
        throw DbError(err::Engine, msg + QStringLiteral(" (%1)").arg(path));
    }
}

std::shared_ptr<Connection> connect(const QString &path, int flags, bool readOnly)
{
    sqlite3 *h = nullptr;
    const int rc = sqlite3_open_v2(QFileInfo(path).absoluteFilePath().toUtf8().constData(), &h,
                                   flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        try {
            raiseFor(h, rc, path);
        } catch (...) {
            sqlite3_close_v2(h);
            throw;
        }
    }
    auto conn = std::make_shared<Connection>(h, path, readOnly);
    configure(h, path);
    return conn;
}

// A file opened for work must take writes, and its folder the engine's journal beside it;
// otherwise every command would fail later, and again at close. A file or folder marked
// read-only counts as such even for a user whom the system would let write it anyway.
bool canWrite(const QFileInfo &file)
{
    constexpr QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QFileInfo folder(file.absolutePath());
    return file.isWritable() && (file.permissions() & anyWrite) && folder.isWritable() &&
           (folder.permissions() & anyWrite);
}

}  // namespace

Database Database::create(const QString &path)
{
    if (QFileInfo::exists(path))
        throw DbError(err::ExistsAlready, QStringLiteral("Database '%1' already exists.").arg(path));
    return Database(connect(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, false));
}

Database Database::open(const QString &path, const OpenOptions &options)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw DbError(err::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    const int flags = options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    Database db(connect(path, flags, options.readOnly));
    // SQLite reads the file lazily; probe now so that a foreign file is refused at open.
    qlonglong objects = 0;
    try {
        objects = db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_schema")).toLongLong();
    } catch (const DbError &e) {
        if (e.number() == err::Engine)
            throw DbError(err::NotADatabase, QStringLiteral("Unrecognized database format '%1'.").arg(path));
        throw;
    }
    if (objects == 0)
        throw DbError(err::NotADatabase, QStringLiteral("Unrecognized database format '%1'.").arg(path));
    for (const QString &table : options.requiredTables)
        if (!db.hasTable(table))
            throw DbError(err::ObjectNotFound,
                          QStringLiteral("The database engine could not find the object '%1'.").arg(table));
    if (!options.readOnly && !canWrite(info))
        throw DbError(err::ReadOnly,
                      QStringLiteral("The file '%1' cannot be written: it, or its folder, is read-only.").arg(path));
    if (options.exclusive)
        db.execute(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    // A fixed 32 MB of pages instead of the default 2 MB: a look-up by key in a large file
    // whose rows were stored in no particular order would otherwise read most pages again
    // from the file. Pages are taken only as they are read, so a small file costs nothing.
    db.execute(QStringLiteral("PRAGMA cache_size = -32768"));
    return db;
}

bool Database::isOpen() const { return m_conn && m_conn->isOpen(); }

void Database::close()
{
    if (m_conn)
        m_conn->close();
    m_conn.reset();
}

QString Database::path() const { return m_conn ? m_conn->path() : QString(); }

std::shared_ptr<Connection> Database::connection() const
{
    if (!m_conn)
        throw DbError(err::ObjectClosed, QStringLiteral("Object invalid or no longer set."));
    m_conn->ensureOpen();
    return m_conn;
}

void Database::execute(const QString &sql, const QVariantList &params)
{
    Statement st(*this, sql);
    st.bindAll(params);
    st.run();
}

QVariant Database::scalar(const QString &sql, const QVariantList &params)
{
    Statement st(*this, sql);
    st.bindAll(params);
    return st.step() ? st.column(0) : QVariant();
}

qint64 Database::lastInsertId() const { return sqlite3_last_insert_rowid(connection()->handle()); }

int Database::changes() const { return sqlite3_changes(connection()->handle()); }

bool Database::hasTable(const QString &name) const
{
    Statement st(*this, QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    st.bind(1, name);
    return st.step();
}

QStringList Database::columnNames(const QString &table) const
{
    Statement st(*this, QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    st.bind(1, table);
    QStringList names;
    while (st.step())
        names << st.column(0).toString();
    return names;
}

// ---------------------------------------------------------------------------------

BulkCache::BulkCache(const Database &db)
    : m_db(db), m_previous(m_db.scalar(QStringLiteral("PRAGMA cache_size")).toLongLong())
{
    m_db.execute(QStringLiteral("PRAGMA cache_size = -65536"));
}

BulkCache::~BulkCache()
{
    try {
        m_db.execute(QStringLiteral("PRAGMA cache_size = %1").arg(m_previous));
    } catch (const DbError &) {
        // A cache left larger costs memory, not data; a destructor must not throw.
    }
}

ForeignKeysOff::ForeignKeysOff(const Database &db) : m_db(db)
{
    m_db.execute(QStringLiteral("PRAGMA foreign_keys = OFF"));
    m_active = m_db.scalar(QStringLiteral("PRAGMA foreign_keys")).toInt() == 0;
}

ForeignKeysOff::~ForeignKeysOff()
{
    if (!m_active)
        return;
    try {
        m_db.execute(QStringLiteral("PRAGMA foreign_keys = ON"));
    } catch (const DbError &) {
        // Nothing to do about it here: a destructor must not throw. The connection is
        // left without checks, which later writes would not notice.
    }
}

// ---------------------------------------------------------------------------------

Transaction::Transaction(const Database &db, Kind kind) : m_conn(db.connection())
{
    if (kind == Kind::Write && sqlite3_get_autocommit(m_conn->handle())) {
        Statement(m_conn, QStringLiteral("BEGIN IMMEDIATE")).run();
        return;
    }
    m_outermost = sqlite3_get_autocommit(m_conn->handle()) != 0;
    m_name = QStringLiteral("lx%1").arg(m_conn->nextSavepoint());
    Statement(m_conn, QStringLiteral("SAVEPOINT ") + m_name).run();
}

Transaction::~Transaction()
{
    if (m_done || !m_conn->isOpen())
        return;
    // A destructor must not throw: the error that unwinds us is the one to report.
    try {
        if (m_name.isEmpty()) {
            Statement(m_conn, QStringLiteral("ROLLBACK")).run();
            return;
        }
        Statement(m_conn, QStringLiteral("ROLLBACK TO ") + m_name).run();
        Statement(m_conn, QStringLiteral("RELEASE ") + m_name).run();
    } catch (const DbError &) {
    }
    // When the outermost savepoint's release failed (the file locked by another program, a full
    // disk), the RELEASE above fails for the same reason and the engine stays inside the
    // transaction: every later command would nest in it and be lost at close. Only a plain
    // ROLLBACK ends it.
    if (m_outermost && sqlite3_get_autocommit(m_conn->handle()) == 0)
        sqlite3_exec(m_conn->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    Statement(m_conn, m_name.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + m_name).run();
    m_done = true;
}

// ---------------------------------------------------------------------------------

QVariant toStorage(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    default:
        return value;
    }
}

Statement::Statement(const Database &db, const QString &sql) : Statement(db.connection(), sql) {}

Statement::Statement(std::shared_ptr<Connection> conn, const QString &sql) : m_conn(std::move(conn)), m_sql(sql)
{
    m_stmt = m_conn->acquire(m_sql);
}

Statement::~Statement() { m_conn->release(m_sql, m_stmt); }

void Statement::ensureOpen() const { m_conn->ensureOpen(); }

Statement &Statement::bind(int index, const QVariant &raw)
{
    ensureOpen();
    const QVariant v = toStorage(raw);
    int rc = SQLITE_OK;
    if (v.isNull() || !v.isValid()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::Char:
        case QMetaType::SChar:
            rc = sqlite3_bind_int64(m_stmt, index, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, v.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = v.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, t.constData(), sqlite3_uint64(t.size()), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
        }
        }
    }
    if (rc != SQLITE_OK)
        m_conn->raise(rc);
    return *this;
}

Statement &Statement::bindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values.at(i));
    return *this;
}

bool Statement::step()
{
    ensureOpen();
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE) {
        // Giving up the read lock at once lets another connection to the same file write.
        sqlite3_reset(m_stmt);
        return false;
    }
    sqlite3_reset(m_stmt);
    m_conn->raise(rc);
}

void Statement::run()
{
    while (step()) {
    }
}

void Statement::reset()
{
    ensureOpen();
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const { return sqlite3_column_count(m_stmt); }

QString Statement::columnName(int i) const { return QString::fromUtf8(sqlite3_column_name(m_stmt, i)); }

QByteArrayView Statement::columnUtf8(int i) const
{
    ensureOpen();
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_stmt, i) : 0);
}

QVariant Statement::column(int i) const
{
    ensureOpen();
    const char *declared = sqlite3_column_decltype(m_stmt, i);
    const QLatin1String decl(declared ? declared : "");
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER: {
        const qlonglong n = sqlite3_column_int64(m_stmt, i);
        if (decl == QLatin1String("BOOLEAN"))
            return QVariant(n != 0);
        if (n >= INT_MIN && n <= INT_MAX)
            return QVariant(int(n));
        return QVariant(n);
    }
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, i);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_stmt, i)), sqlite3_column_bytes(m_stmt, i));
    default: {
        const QString s = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i)),
                                            sqlite3_column_bytes(m_stmt, i));
        if (decl == QLatin1String("DATE")) {
            if (s.size() == 10)
                return QDate::fromString(s, Qt::ISODate);
            return QDateTime::fromString(s, Qt::ISODate);
        }
        return s;
    }
    }
}

}  // namespace db
