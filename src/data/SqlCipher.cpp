#include "SqlCipher.h"

#include "Error.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QCryptographicHash>
#include <QFileInfo>
#include <QThread>

namespace dorvale::data {

namespace {

int waitForLock(void* context, int attempt)
{
    const auto* locks = static_cast<const LockPolicy*>(context);
    if (attempt >= locks->retries)
        return 0;
    QThread::msleep(static_cast<unsigned long>(locks->waitMs));
    return 1;
}

} // namespace

QByteArray deriveTableKey(const QString& password)
{
    // The password ships inside the program, so a slow key-derivation function would protect
    // nothing; a raw key spares every table opening the engine's own derivation.
    QByteArray material = QByteArrayLiteral("Dorvale 4.0 table key\n") + password.toUtf8();
    return QCryptographicHash::hash(material, QCryptographicHash::Sha256);
}

Database::Database(const QString& path, const QString& displayName, const QByteArray& rawKey,
                   Mode mode, LockPolicy locks)
    : displayName_(displayName)
    , locks_(locks)
{
    if (mode == Mode::OpenExisting && !QFileInfo(path).isFile())
        throw Error(QStringLiteral("The table file '%1' cannot be found.").arg(displayName));

    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::Create)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(QStringLiteral("The table file '%1' cannot be opened.").arg(displayName));
    }
    // locks_ lives as long as this object; moves re-register the handler.
    sqlite3_busy_handler(db_, waitForLock, &locks_);
    try {
        const QByteArray keyPragma = "PRAGMA key = \"x'" + rawKey.toHex() + "'\";";
        exec(keyPragma.constData());
        exec("PRAGMA cipher_page_size = 4096;");
        // Reading the schema is the first access that needs the key: a wrong key or a file that
        // is not a table fails here, before anything is written.
        exec("SELECT count(*) FROM sqlite_master;");
        exec("PRAGMA synchronous = NORMAL;");
    } catch (...) {
        close();
        throw;
    }
}

Database::~Database()
{
    close();
}

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr))
    , displayName_(std::move(other.displayName_))
    , locks_(other.locks_)
{
    if (db_)
        sqlite3_busy_handler(db_, waitForLock, &locks_);
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
        displayName_ = std::move(other.displayName_);
        locks_ = other.locks_;
        if (db_)
            sqlite3_busy_handler(db_, waitForLock, &locks_);
    }
    return *this;
}

void Database::close()
{
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void Database::exec(const char* sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        fail(rc);
}

qint64 Database::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(db_);
}

void Database::lockExclusively()
{
    exec("PRAGMA locking_mode = EXCLUSIVE;");
    // The lock is taken by the first write transaction and then kept until the file is closed.
    exec("BEGIN EXCLUSIVE;");
    exec("COMMIT;");
}

bool Database::readOnly() const
{
    return db_ && sqlite3_db_readonly(db_, "main") == 1;
}

void Database::fail(int code) const
{
    const QString& name = displayName_;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw Error(QStringLiteral("The table '%1' is in use by another program.").arg(name));
    case SQLITE_NOTADB:
        throw Error(QStringLiteral("The file '%1' is not a Dorvale table, or it is encrypted under "
                                   "another password.")
                        .arg(name));
    case SQLITE_READONLY:
        throw Error(
            QStringLiteral("The table '%1' is read-only; the change was not saved.").arg(name));
    case SQLITE_CORRUPT:
        throw Error(QStringLiteral("The table '%1' is damaged.").arg(name));
    case SQLITE_FULL:
        throw Error(QStringLiteral("The disk is full; the table '%1' was not written.").arg(name));
    case SQLITE_IOERR:
        throw Error(
            QStringLiteral("The table '%1' could not be read or written (input/output error).")
                .arg(name));
    case SQLITE_CANTOPEN:
        throw Error(QStringLiteral("The table file '%1' cannot be opened.").arg(name));
    default:
        break;
    }
    const char* detail = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    throw Error(QStringLiteral("Table '%1': %2.").arg(name, QString::fromUtf8(detail)));
}

Statement::Statement(const Database& db, const QString& sql)
    : db_(&db)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc =
        sqlite3_prepare_v2(db.handle(), utf8.constData(), int(utf8.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        db.fail(rc);
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_)
    , stmt_(std::exchange(other.stmt_, nullptr))
{}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

void Statement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(stmt_, index, value);
}

void Statement::bind(int index, const QVariant& value)
{
    if (value.isNull() || !value.isValid()) {
        sqlite3_bind_null(stmt_, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        sqlite3_bind_int64(stmt_, index, value.toLongLong());
        return;
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        return;
    }
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    db_->fail(rc);
}

void Statement::run()
{
    step();
    reset();
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(stmt_);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

qint64 Statement::int64(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

QString Statement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(sqlite3_column_int64(stmt_, column));
    default:
        return QVariant(text(column));
    }
}

Transaction::Transaction(Database& db)
    : db_(db)
{
    db_.exec("BEGIN IMMEDIATE;");
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            db_.exec("ROLLBACK;");
        } catch (...) {
            // The connection is closed with the table anyway; a failed rollback changes nothing.
        }
    }
}

void Transaction::commit()
{
    db_.exec("COMMIT;");
    done_ = true;
}

} // namespace dorvale::data
