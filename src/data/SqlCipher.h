#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace dorvale::data {

// Thin RAII layer over the SQLCipher C API. Every failure becomes a dorvale::Error whose message
// names the table file, so the user can tell which file is at fault.

struct LockPolicy {
    int retries = 15;
    int waitMs = 100;
};

class Database {
public:
    enum class Mode { OpenExisting, Create };

    Database() = default;
    // Opens (or creates) the encrypted file and checks that the key reads it.
    Database(const QString& path, const QString& displayName, const QByteArray& rawKey, Mode mode,
             LockPolicy locks);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    void close();
    sqlite3* handle() const { return db_; }
    const QString& displayName() const { return displayName_; }

    void exec(const char* sql);
    qint64 lastInsertRowId() const;
    // Claims the file for this connection alone until it is closed.
    void lockExclusively();
    // True when the engine could open the file for reading only (the file or its folder was not
    // writable then); such a connection stays read-only.
    bool readOnly() const;

    // Raises the error for the last failed call on this connection.
    [[noreturn]] void fail(int code) const;

private:
    sqlite3* db_ = nullptr;
    QString displayName_;
    LockPolicy locks_;
};

class Statement {
public:
    Statement() = default;
    Statement(const Database& db, const QString& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, qint64 value);
    void bind(int index, const QVariant& value);
    // True while a row is available; false when done.
    bool step();
    // Steps a statement that returns no rows.
    void run();
    void reset();

    int columnCount() const;
    bool isNull(int column) const;
    qint64 int64(int column) const;
    QString text(int column) const;
    QVariant value(int column) const;

private:
    const Database* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

// Begins a transaction and rolls it back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& db_;
    bool done_ = false;
};

// The 256-bit key under which the tables are encrypted, derived from the table password.
QByteArray deriveTableKey(const QString& password);

} // namespace dorvale::data
