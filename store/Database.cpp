#include "store/Database.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

// How long a statement waits for another connection's write to end.
constexpr int kBusyTimeoutMs = 5000;

QString engineText(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

QString fileOf(sqlite3* db)
{
    const char* name = db ? sqlite3_db_filename(db, "main") : nullptr;
    return name ? QString::fromUtf8(name) : QString();
}

// The engine says SQLITE_FULL when a write finds no room, but a log or
// shared-memory file that cannot grow comes back as an I/O error: the
// system's own error number tells.
bool diskFull(sqlite3* db, int rc)
{
    return (rc & 0xff) == SQLITE_FULL || (db && sqlite3_system_errno(db) == ENOSPC);
}

bool busy(int rc)
{
    return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED;
}

// Throws the error of `rc` on `db` (or, without a connection, on `file`):
// DatabaseBusy for another connection's lock, DatabaseError otherwise.
[[noreturn]] void fail(sqlite3* db, int rc, QString file = QString())
{
    if (file.isEmpty())
        file = fileOf(db);
    const int code = db ? sqlite3_extended_errcode(db) : rc;
    const QString text = storageErrorText(code ? code : rc, db ? sqlite3_system_errno(db) : 0, file,
                                          db ? engineText(db) : QString::fromUtf8(sqlite3_errstr(rc)));
    if (busy(rc))
        throw DatabaseBusy(text);
    throw DatabaseError(text, diskFull(db, rc));
}

void check(sqlite3* db, int rc)
{
    if (rc != SQLITE_OK)
        fail(db, rc);
}

// Opens and keys a connection; on any failure closes it and throws. The key
// goes in before the first read, so the read of sqlite_master is what proves
// it: a wrong key or a damaged file fails there ("file is not a database").
sqlite3* openKeyed(const QString& path, const QByteArray& name, const QString& key, int flags)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        const QByteArray secret = key.toUtf8();
        rc = sqlite3_key(db, secret.constData(), int(secret.size()));
    }
    // A file from elsewhere may carry SQL of its own (a default, an index
    // expression); none of it may call a function that acts. Engines before
    // 3.31 ignore the pragma: there the schema check before any use
    // (requireOwnSchema) is what keeps such SQL out.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "pragma trusted_schema=off", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        try {
            fail(db, rc, path);
        } catch (...) {
            sqlite3_close_v2(db);
            throw;
        }
    }
    return db;
}

sqlite3* openKeyed(const QString& path, const QString& key, int flags)
{
    return openKeyed(path, path.toUtf8(), key, flags);
}

} // namespace

QString storageErrorText(int code, int systemErrno, const QString& file, const QString& engineText)
{
    if ((code & 0xff) == SQLITE_FULL || systemErrno == ENOSPC || systemErrno == EDQUOT)
        return QStringLiteral("磁盘空间不足，无法写入数据文件 %1").arg(file);
    if (code == SQLITE_IOERR_NOMEM || systemErrno == ENOMEM)
        return QStringLiteral("内存不足，无法读写数据文件 %1").arg(file);
    if (systemErrno == EROFS)
        return QStringLiteral("数据文件只读，无法写入：%1").arg(file);
    switch (code & 0xff) {
    case SQLITE_READONLY:
        return QStringLiteral("数据文件只读，无法写入：%1").arg(file);
    case SQLITE_CANTOPEN:
        return QStringLiteral("无法打开数据文件：%1").arg(file);
    case SQLITE_NOMEM:
        return QStringLiteral("内存不足，无法读写数据文件 %1").arg(file);
    case SQLITE_NOTADB:
        return QStringLiteral("数据文件已损坏，或不是本程序的数据文件：%1").arg(file);
    case SQLITE_CORRUPT:
        return QStringLiteral("数据文件已损坏：%1").arg(file);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("另一个程序正在写入数据文件，请等它结束后再试：%1").arg(file);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("没有权限读写数据文件：%1").arg(file);
    case SQLITE_IOERR:
        return systemErrno == EACCES || systemErrno == EPERM
                   ? QStringLiteral("没有权限读写数据文件：%1").arg(file)
                   : QStringLiteral("读写数据文件时出错：%1").arg(file);
    case SQLITE_CONSTRAINT:
        return QStringLiteral("期号已经存在，数据未写入：%1").arg(file);
    default:
        return QStringLiteral("数据库出错（%1）：%2").arg(engineText, file);
    }
}

Database::Database(const QString& path, const QString& key, Mode mode) : m_path(path)
{
    // Without CREATE a missing file is an error, never a new empty database;
    // nor is an empty file, which the engine would take for one and write
    // its header into.
    if (mode == Mode::OpenExisting && QFileInfo(path).exists() && QFileInfo(path).size() == 0)
        throw DatabaseError(QStringLiteral("数据文件是空的：%1").arg(path));
    // The engine would open a file it cannot write for reading, then make a
    // log and shared-memory file it can never remove. Without a log beside
    // it, such a file is whole as it stands and is read as it is.
    const QByteArray native = QFile::encodeName(path);
    const bool unwritable = mode == Mode::OpenExisting && QFileInfo::exists(path) &&
                            faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0 &&
                            !QFileInfo::exists(path + QLatin1String("-wal"));
    if (unwritable) {
        const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?immutable=1";
        m_db = openKeyed(path, uri, key, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        return;
    }
    const int flags = SQLITE_OPEN_READWRITE | (mode == Mode::CreateIfMissing ? SQLITE_OPEN_CREATE : 0);
    m_db = openKeyed(path, key, flags);
    try {
        // The application and a backup or restore may touch the file at once.
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        // Write-ahead log with a sync of the log at every commit: a committed
        // draw survives a crash or power cut. One append measured 0.18 ms at
        // 10,000 and at 1,000,000 draws (bench/StoreBench.cpp), well inside
        // its budget, so the cheaper synchronous=normal buys nothing needed.
        exec(QStringLiteral("pragma journal_mode=wal"));
        exec(QStringLiteral("pragma synchronous=full"));
    } catch (...) {
        sqlite3_close_v2(m_db);
        throw;
    }
}

Database::~Database()
{
    // The last connection to close checkpoints the log into the file and
    // removes the -wal and -shm files.
    sqlite3_close_v2(m_db);
}

void Database::exec(const QString& sql)
{
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(m_db, rc, m_path);
}

bool Database::anotherWriter() const
{
    sqlite3_busy_timeout(m_db, 0);
    const int rc = sqlite3_exec(m_db, "begin immediate", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    if (rc == SQLITE_OK)
        sqlite3_exec(m_db, "rollback", nullptr, nullptr, nullptr);
    return busy(rc);
}

int Database::changes() const
{
    return sqlite3_changes(m_db);
}

qint64 Database::totalChanges() const
{
    return sqlite3_total_changes(m_db);
}

bool Database::readOnly() const
{
    return sqlite3_db_readonly(m_db, "main") == 1;
}

void Database::backupTo(const QString& target, const QString& key) const
{
    // The target gets the same key and, by default, the same page settings:
    // the engine copies encrypted pages only between matching layouts.
    sqlite3* dest = openKeyed(target, key, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3_backup* backup = sqlite3_backup_init(dest, "main", m_db, "main");
    int rc = SQLITE_ERROR;
    if (backup) {
        rc = sqlite3_backup_step(backup, -1);
        const int finished = sqlite3_backup_finish(backup);
        if (rc == SQLITE_DONE)
            rc = finished;
    }
    if (rc != SQLITE_OK) {
        try {
            fail(dest, rc, target);
        } catch (...) {
            sqlite3_close_v2(dest);
            throw;
        }
    }
    rc = sqlite3_close_v2(dest);
    if (rc != SQLITE_OK)
        fail(nullptr, rc, target);
}

void Database::restoreFrom(const Database& source, int deadlineMs)
{
    sqlite3_backup* backup = sqlite3_backup_init(m_db, "main", source.m_db, "main");
    if (!backup)
        fail(m_db, sqlite3_errcode(m_db), m_path);
    QElapsedTimer waited;
    waited.start();
    // The waits below keep the deadline; the engine's own would add to it.
    sqlite3_busy_timeout(m_db, 0);
    int rc = SQLITE_OK;
    // Busy means another connection is writing; each wait is short so the
    // deadline holds whatever that writer does.
    do {
        rc = sqlite3_backup_step(backup, -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    } while ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && waited.elapsed() < deadlineMs);
    const int finished = sqlite3_backup_finish(backup);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    if (rc == SQLITE_DONE)
        rc = finished;
    if (rc != SQLITE_OK)
        fail(busy(rc) ? nullptr : m_db, rc, m_path);
}

Statement::Statement(const Database& db, const QString& sql) : m_db(db.handle())
{
    const QByteArray text = sql.toUtf8();
    check(m_db, sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_stmt, nullptr));
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(int index, const QString& text)
{
    if (text.isNull())
        return bindNull(index);
    const QByteArray bytes = text.toUtf8();
    check(m_db, sqlite3_bind_text(m_stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bind(int index, int value)
{
    check(m_db, sqlite3_bind_int(m_stmt, index, value));
    return *this;
}

Statement& Statement::bindNull(int index)
{
    check(m_db, sqlite3_bind_null(m_stmt, index));
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(m_db, rc);
}

void Statement::reset()
{
    // The error of a failed step was already thrown by step(); reset only rewinds.
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

QString Statement::text(int column) const
{
    if (sqlite3_column_type(m_stmt, column) == SQLITE_NULL)
        return QString();
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    const int size = sqlite3_column_bytes(m_stmt, column);
    // An empty text is stored as such and must not read back as NULL.
    return data ? QString::fromUtf8(data, size) : QString(QLatin1String(""));
}

QByteArrayView Statement::utf8(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return data ? QByteArrayView(data, sqlite3_column_bytes(m_stmt, column)) : QByteArrayView();
}

int Statement::integer(int column) const
{
    return sqlite3_column_int(m_stmt, column);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

Transaction::Transaction(Database& db) : m_db(db)
{
    // Immediate: take the write lock now, so a busy file fails here and not
    // halfway through the writes.
    m_db.exec(QStringLiteral("begin immediate"));
}

Transaction::~Transaction()
{
    if (!m_done)
        sqlite3_exec(m_db.handle(), "rollback", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.exec(QStringLiteral("commit"));
    m_done = true;
}
