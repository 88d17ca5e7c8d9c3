#pragma once

// A small RAII layer over the SQLCipher C API: one connection, prepared
// statements with bound values, and transactions that roll back unless
// committed. Every failure throws DatabaseError with the program's own text
// for what went wrong (storageErrorText), naming the file.

#include "core/StorageError.h"

#include <QByteArrayView>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

class DatabaseError : public StorageError
{
public:
    explicit DatabaseError(const QString& message, bool diskFull = false) : StorageError(message, diskFull) {}
};

// Another connection kept its write lock past the wait.
class DatabaseBusy : public DatabaseError
{
public:
    using DatabaseError::DatabaseError;
};

// The user's words for an engine failure (`code` as the engine returns it,
// `systemErrno` what the system said last) on `file`: a full disk, a file that
// cannot be written, opened or read, too little memory. Anything else is a
// fault of ours and keeps the engine's text beside the file's name.
QString storageErrorText(int code, int systemErrno, const QString& file, const QString& engineText);

class Database
{
public:
    enum class Mode
    {
        OpenExisting,
        CreateIfMissing
    };

    // Opens the file, applies the key at once and proves it with a read of
    // sqlite_master: a wrong key or a damaged file throws here. The schema's
    // own SQL (defaults, index expressions, triggers) may call no function
    // with side effects (trusted_schema off). A file this user cannot write
    // and that has no log beside it is opened as a file nobody changes, so
    // reading it leaves no side files behind.
    Database(const QString& path, const QString& key, Mode mode = Mode::OpenExisting);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const QString& sql); // statements without results
    // True while another connection holds the write lock; asks without waiting.
    bool anotherWriter() const;
    bool readOnly() const;
    sqlite3* handle() const { return m_db; }
    // Rows the last insert, update or delete changed; all rows changed since the connection opened.
    int changes() const;
    qint64 totalChanges() const;
    const QString& path() const { return m_path; }

    // Copies the whole database into a new file at `target` through the
    // engine's online backup, encrypted with the same key.
    void backupTo(const QString& target, const QString& key) const;

    // Replaces this database's contents by `source`'s through the online
    // backup, as one write transaction under this connection's locks: other
    // connections to the file see the old contents or the new, and their
    // later writes land in the restored file. Waits at most `deadlineMs` for
    // another connection's write to end, then throws DatabaseBusy.
    void restoreFrom(const Database& source, int deadlineMs = 10000);

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};

class Statement
{
public:
    Statement(const Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binding positions count from 1, as the engine does.
    Statement& bind(int index, const QString& text); // a null QString binds NULL
    Statement& bind(int index, int value);
    Statement& bindNull(int index);

    bool step(); // true while a row is available
    void reset();

    QString text(int column) const; // NULL reads as a null QString
    // The column's text as UTF-8 bytes, valid until the next step: for long
    // reads that need no string per row.
    QByteArrayView utf8(int column) const;
    int integer(int column) const;
    bool isNull(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

class Transaction
{
public:
    explicit Transaction(Database& db);
    ~Transaction(); // rolls back unless commit() ran
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};
