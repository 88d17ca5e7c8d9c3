// What the store says when the disk, the file system or the memory fails it,
// and what it leaves behind: no side files of a file it could only read, no
// pieces of a creation, backup or restore that was killed.
#include "store/Database.h"
#include "store/DrawStore.h"
#include "store/FileReplace.h"
#include "tests/support/TestDir.h"

#include <QDateTime>
#include <cerrno>
#include <fcntl.h>
#include <linux/capability.h>
#include <sqlite3.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace {

// Root writes whatever the permissions say; for a scope this thread cannot.
class NoOverride
{
public:
    NoOverride()
    {
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_FOWNER})
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        m_dropped = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~NoOverride()
    {
        if (m_dropped)
            syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header{};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
};

TEST(StorageErrorTest, EngineFailuresAreSaidInTheProgramsWords)
{
    struct Case
    {
        const char* name;
        int code;
        int systemErrno;
        QString said;
    };
    const Case cases[] = {
        {"database full", SQLITE_FULL, 0, "磁盘空间不足"},
        {"log cannot grow", SQLITE_IOERR_WRITE, ENOSPC, "磁盘空间不足"},
        {"quota", SQLITE_IOERR_FSYNC, EDQUOT, "磁盘空间不足"},
        {"read-only file", SQLITE_READONLY, 0, "数据文件只读"},
        {"read-only log", SQLITE_READONLY_RECOVERY, 0, "数据文件只读"},
        {"read-only file system", SQLITE_IOERR_WRITE, EROFS, "数据文件只读"},
        {"cannot open", SQLITE_CANTOPEN, ENOENT, "无法打开数据文件"},
        {"no memory", SQLITE_NOMEM, 0, "内存不足"},
        {"no memory for I/O", SQLITE_IOERR_NOMEM, 0, "内存不足"},
        {"not a database", SQLITE_NOTADB, 0, "不是本程序的数据文件"},
        {"damaged", SQLITE_CORRUPT, 0, "数据文件已损坏"},
        {"another writer", SQLITE_BUSY, 0, "另一个程序正在写入"},
        {"no permission", SQLITE_IOERR_ACCESS, EACCES, "没有权限"},
        {"disk fault", SQLITE_IOERR_READ, EIO, "读写数据文件时出错"},
    };
    const QString file = QStringLiteral("/数据/db1.mdb");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = storageErrorText(c.code, c.systemErrno, file, "engine words");
        EXPECT_TRUE(text.contains(c.said)) << text.toStdString();
        EXPECT_TRUE(text.contains(file)) << text.toStdString();
        EXPECT_FALSE(text.contains("engine words")) << text.toStdString();
    }
    // A fault of ours (bad SQL) keeps the engine's words for whoever fixes it.
    EXPECT_TRUE(storageErrorText(SQLITE_ERROR, 0, file, "no such table: x").contains("no such table: x"));
}

TEST(StorageErrorTest, RealFailuresNameTheFile)
{
    TestDir dir;
    const QString missing = dir.file("none/db1.mdb");
    const QString damaged = dir.file("damaged.mdb");
    dir.write("damaged.mdb", randomBytes(16384));
    const QString readOnly = dir.file("db1.mdb");
    ASSERT_TRUE(DrawStore::createEmpty(readOnly));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    const auto said = [](const std::function<void()>& use) {
        try {
            use();
        } catch (const DatabaseError& error) {
            return error.text();
        }
        return QString();
    };
    EXPECT_EQ(said([&] { DrawStore{missing}; }), "无法打开数据文件：" + missing);
    EXPECT_EQ(said([&] { DrawStore{damaged}; }), "数据文件已损坏，或不是本程序的数据文件：" + damaged);
    const auto before = folderContents(dir.path());
    {
        NoOverride noOverride;
        DrawStore store(readOnly);
        EXPECT_EQ(store.count(), 0);
        EXPECT_EQ(said([&] { store.appendNew("2024001", "123"); }), "数据文件只读，无法写入：" + readOnly);
    }
    // Read as it stands: no log or shared-memory file was left beside it.
    EXPECT_EQ(folderContents(dir.path()), before);
}

// A process of its own holding the engine's kind of lock on `path` until
// the returned pipe end is closed.
pid_t holdLock(const QString& path, int& release)
{
    int ready[2];
    int done[2];
    if (pipe(ready) != 0 || pipe(done) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        ::close(ready[0]);
        ::close(done[1]); // so that the parent's close is the end of the pipe
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
        struct flock lock = {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = 0x40000000; // where the engine takes its pending lock
        lock.l_len = 1;
        const char ok = fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0 ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        char byte;
        (void)!::read(done[0], &byte, 1);
        _exit(0);
    }
    ::close(ready[1]);
    ::close(done[0]);
    char ok = 'n';
    (void)!::read(ready[0], &ok, 1);
    ::close(ready[0]);
    release = done[1];
    return ok == 'y' ? child : -1;
}

TEST(StorageErrorTest, LeftoversOfKilledWritesAreRemovedAtTheNextStart)
{
    TestDir dir;
    const QStringList leftovers{"db1.mdb.new-1a2b3c4d", "db1.mdb.new-1a2b3c4d-journal", "备份数据.mdb.tmp-0000ffff",
                                "备份数据.mdb.tmp-0000ffff-wal", "备份数据.mdb.tmp-0000ffff-shm"};
    const QStringList kept{"db1.mdb", "db1.mdb-wal", "备份数据.mdb", "notes.txt.new-1a2b3c4d",
                           "db1.mdb.new-123",       // not our name
                           "db1.mdb.tmp-9999aaaa"}; // held by a live process
    for (const QString& name : leftovers + kept) {
        dir.write(name, "x");
        // Every file dates from before this test's process started.
        const QByteArray native = QFile::encodeName(dir.file(name));
        const time_t old = QDateTime::currentDateTime().addDays(-2).toSecsSinceEpoch();
        const utimbuf times{old, old};
        ASSERT_EQ(::utime(native.constData(), &times), 0);
    }
    dir.write("db1.mdb.new-abcdef12", "x"); // made after this process started: someone's work in progress
    int release = -1;
    const pid_t holder = holdLock(dir.file("db1.mdb.tmp-9999aaaa"), release);
    ASSERT_GT(holder, 0);

    QStringList removed = removeLeftovers(dir.path());
    ::close(release);
    waitpid(holder, nullptr, 0);

    removed.sort();
    QStringList expected = leftovers;
    expected.sort();
    EXPECT_EQ(removed, expected);
    QStringList present = QDir(dir.path()).entryList(QDir::Files);
    QStringList remaining = kept + QStringList{"db1.mdb.new-abcdef12"};
    present.sort();
    remaining.sort();
    EXPECT_EQ(present, remaining);
}

} // namespace
