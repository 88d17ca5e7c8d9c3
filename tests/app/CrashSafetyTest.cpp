// Kills real processes with SIGKILL in the middle of long writes and checks
// that the database left behind opens, is sound and holds either the state
// before or the state after each transaction, never a part of one.
#include "core/DrawRecord.h"
#include "core/HistoryCheck.h"
#include "exchange/ResultPage.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// A hundred kills per operation; the sanitizer run, where each killed
// process is several times slower and memory errors rather than torn rows
// are the point, sets QUORVANE_CRASH_KILLS lower.
const int kKills = [] {
    const int asked = qEnvironmentVariableIntValue("QUORVANE_CRASH_KILLS");
    return asked > 0 ? asked : 100;
}();

QString issueOf(int n) // "YYNNN": every day of the years from 2002
{
    return QStringLiteral("%1%2").arg(n / 366 + 2, 2, 10, QLatin1Char('0')).arg(n % 366 + 1, 3, 10, QLatin1Char('0'));
}

// Two distinct histories, told apart by their size and numbers.
QString numberOf(int n, int salt)
{
    return QStringLiteral("%1").arg((n * (7 + salt) + salt) % 1000, 3, 10, QLatin1Char('0'));
}

void fillHistory(const QString& path, int draws, int salt)
{
    ASSERT_TRUE(DrawStore::createEmpty(path));
    DrawStore store(path);
    std::vector<DrawStore::NewDraw> rows;
    for (int n = 0; n < draws; ++n)
        rows.push_back({issueOf(n), numberOf(n, salt)});
    ASSERT_EQ(store.appendDraws(rows).added, draws);
}

void copyFolder(const QString& from, const QString& to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            ASSERT_TRUE(QFile::copy(source, target)) << source.toStdString();
    }
}

// Runs the program and kills it after `delay` unless it has finished.
// Returns true when it was killed, false when it ended on its own.
bool runAndKill(const QStringList& command, std::chrono::microseconds delay)
{
    std::vector<QByteArray> bytes;
    for (const QString& arg : command)
        bytes.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

std::chrono::microseconds timeOf(const QStringList& command)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(command.first(), command.mid(1));
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return std::chrono::microseconds(timer.nsecsElapsed() / 1000);
}

// Opens with the key and passes the engine's own check.
void expectSound(const QString& path)
{
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    Database db(path, DrawStore::kKey);
    Statement check(db, QStringLiteral("PRAGMA integrity_check"));
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.text(0), QStringLiteral("ok")) << path.toStdString();
}

// Which of the known histories (draw count, salt) the import left in the
// file: every row is read and checked against a fresh derivation. -1 if none.
int importedHistory(const QString& path, const std::vector<std::pair<int, int>>& known)
{
    std::vector<DrawRecord> records;
    try {
        expectSound(path);
        records = DrawStore(path).allRecords();
    } catch (const DatabaseError& error) {
        ADD_FAILURE() << error.what();
        return -1;
    }
    if (const QStringList torn = staleRecords(records); !torn.isEmpty()) {
        ADD_FAILURE() << path.toStdString() << ": rows differ from their draw, first " << torn.first().toStdString();
        return -1;
    }
    for (size_t k = 0; k < known.size(); ++k) {
        const auto [draws, salt] = known[k];
        if (int(records.size()) != draws)
            continue;
        bool same = true;
        for (int n = 0; n < draws && same; ++n)
            same = records[n].qs == issueOf(n) && records[n].allNumber == numberOf(n, salt);
        if (same)
            return int(k);
    }
    return -1;
}

// The same for a file copied whole (backup, restore): the engine's check
// covers its pages, so the count and a few rows tell the histories apart.
int copiedHistory(const QString& path, const std::vector<std::pair<int, int>>& known)
{
    try {
        expectSound(path);
        DrawStore store(path);
        for (size_t k = 0; k < known.size(); ++k) {
            const auto [draws, salt] = known[k];
            bool same = store.count() == draws;
            for (int n : {0, draws / 2, draws - 1}) {
                const std::optional<DrawRecord> row = same ? store.oneIssue(issueOf(n)) : std::nullopt;
                same = row &&
                       *row == deriveDrawRecord(issueOf(n), numberOf(n, salt), n ? numberOf(n - 1, salt) : QString());
            }
            if (same)
                return int(k);
        }
    } catch (const DatabaseError& error) {
        ADD_FAILURE() << error.what();
    }
    return -1;
}

// What each kill left: `outcome` answers kOld, kNew, kPrefix (some of the
// operation's transactions committed, in order, the rest not) or kLost.
enum Outcome
{
    kLost = -1,
    kOld = 0,
    kNew = 1,
    kPrefix = 2
};

struct Tally
{
    int finished = 0, keptOld = 0, tookNew = 0, prefix = 0, lost = 0;
    void print(const char* operation) const
    {
        std::printf("[crash] %s: %d kills, %d ended before the kill, %d killed leaving the old state, "
                    "%d killed leaving the new state, %d killed leaving a committed prefix, %d torn or lost\n",
                    operation, kKills, finished, keptOld, tookNew, prefix, lost);
        ::testing::Test::RecordProperty(std::string(operation) + "_torn_or_lost", lost);
    }
};

// Kills `command` kKills times at seeded random moments within the measured
// running time (plus a margin), each on a fresh copy of `prepared`, and asks
// `outcome` which state the folder holds.
Tally killRepeatedly(const QString& prepared, const QString& work, const QStringList& command, unsigned seed,
                     const std::function<int()>& outcome)
{
    // The quickest of three runs: on a busy machine one slow run would put
    // most kills after the end.
    auto full = std::chrono::microseconds::max();
    for (int run = 0; run < 3; ++run) {
        copyFolder(prepared, work);
        full = std::min(full, timeOf(command));
    }
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, full.count() * 5 / 4);
    Tally tally;
    for (int i = 0; i < kKills; ++i) {
        copyFolder(prepared, work);
        const bool killed = runAndKill(command, std::chrono::microseconds(delay(random)));
        const int state = outcome();
        if (state == kLost)
            ++tally.lost;
        else if (!killed)
            ++tally.finished;
        else if (state == kOld)
            ++tally.keptOld;
        else if (state == kNew)
            ++tally.tookNew;
        else
            ++tally.prefix;
        if (!killed) {
            EXPECT_EQ(state, kNew);
        }
    }
    return tally;
}

class CrashSafety : public ::testing::Test
{
protected:
    // A folder as the installer leaves it: empty database, default user files.
    static void initFolder(const QString& folder)
    {
        QProcess initdb;
        initdb.start(QStringLiteral(QUORVANE_INITDB), {folder});
        ASSERT_TRUE(initdb.waitForFinished(60000));
        ASSERT_EQ(initdb.exitCode(), 0);
    }
    TestDir dir;
};

TEST_F(CrashSafety, KilledImportStoresAllOrNothing)
{
    constexpr int kDraws = 9000; // about the largest real history, issues of 2002 to 2026
    const QString prepared = dir.file("prepared");
    ASSERT_NO_FATAL_FAILURE(initFolder(prepared));
    QByteArray lines;
    for (int n = 0; n < kDraws; ++n)
        lines += (issueOf(n) + QLatin1Char(' ') + numberOf(n, 0) + QLatin1Char('\n')).toLatin1();
    dir.write("draws.txt", lines);

    const QString work = dir.file("work");
    const QString db = work + QLatin1Char('/') + DrawStore::kFileName;
    const Tally tally = killRepeatedly(prepared, work,
                                       {QStringLiteral(QUORVANE_IMPORT), QStringLiteral("--game"),
                                        QStringLiteral("fucai"), dir.file("draws.txt"), work},
                                       1001, [&] {
                                           return importedHistory(db, {{0, 0}, {kDraws, 0}});
                                       });
    tally.print("import");
    EXPECT_EQ(tally.lost, 0);
}

class CrashSafetyCopies : public CrashSafety
{
protected:
    // The live file holds 8,000 draws, the earlier backup 6,000 others.
    void SetUp() override
    {
        QDir().mkpath(dir.file("prepared"));
        fillHistory(dir.file("prepared/") + DrawStore::kFileName, kLive, 0);
        fillHistory(dir.file("prepared/") + DrawStore::kBackupName, kBackup, 3);
    }
    QString work() const { return dir.file("work"); }
    QString live() const { return work() + QLatin1Char('/') + DrawStore::kFileName; }
    QString backup() const { return work() + QLatin1Char('/') + DrawStore::kBackupName; }
    static constexpr int kLive = 8000, kBackup = 6000;
};

TEST_F(CrashSafetyCopies, KilledBackupKeepsLiveFileAndAWholeBackup)
{
    const Tally tally =
        killRepeatedly(dir.file("prepared"), work(),
                       {QStringLiteral(QUORVANE_CRASH_WORKER), QStringLiteral("backup"), work()}, 2002, [&] {
                           if (copiedHistory(live(), {{kLive, 0}}) != 0)
                               return int(kLost);
                           return copiedHistory(backup(), {{kBackup, 3}, {kLive, 0}});
                       });
    tally.print("backup");
    EXPECT_EQ(tally.lost, 0);
}

TEST_F(CrashSafetyCopies, KilledRestoreLeavesOldOrBackupHistory)
{
    const Tally tally =
        killRepeatedly(dir.file("prepared"), work(),
                       {QStringLiteral(QUORVANE_CRASH_WORKER), QStringLiteral("restore"), work()}, 3003, [&] {
                           if (copiedHistory(backup(), {{kBackup, 3}}) != 0)
                               return int(kLost);
                           return copiedHistory(live(), {{kLive, 0}, {kBackup, 3}});
                       });
    tally.print("restore");
    EXPECT_EQ(tally.lost, 0);
}

// An import in another process holds the store open across a restore: what
// it enters afterwards goes into the restored file, not into one renamed
// away under it, and every row stays derived from the one before.
TEST_F(CrashSafetyCopies, RestoreWhileAnImportHoldsTheStoreKeepsTheImportsLaterDraws)
{
    ASSERT_NO_FATAL_FAILURE(copyFolder(dir.file("prepared"), work()));
    QProcess import;
    import.start(QStringLiteral(QUORVANE_CRASH_WORKER), {QStringLiteral("enter"), work()});
    const auto enter = [&import](const QString& issue, const QString& number) {
        import.write((issue + QLatin1Char(' ') + number + QLatin1Char('\n')).toLatin1());
        EXPECT_TRUE(import.waitForReadyRead(30000));
        EXPECT_EQ(import.readLine().trimmed(), "ok");
    };
    enter(issueOf(kLive), numberOf(kLive, 0));
    DrawStore(live()).restoreFrom(backup());
    enter(issueOf(kBackup), numberOf(kBackup, 3));
    import.closeWriteChannel();
    ASSERT_TRUE(import.waitForFinished(30000));
    EXPECT_EQ(import.exitCode(), 0) << import.readAllStandardError().toStdString();

    EXPECT_EQ(importedHistory(live(), {{kBackup + 1, 3}}), 0);
}

// A downloaded page enters its draws one by one, each in its own
// transaction: a kill may leave any number of them, but only the first ones
// of the page, each row whole and derived from the one before it.
TEST_F(CrashSafety, KilledDownloadKeepsACommittedPrefixOfThePage)
{
    constexpr int kDraws = 2000;
    const QString prepared = dir.file("prepared");
    ASSERT_NO_FATAL_FAILURE(initFolder(prepared));
    QString text = QStringLiteral("<p>福彩3D 3D号码：");
    for (int n = 0; n < kDraws; ++n)
        text += issueOf(n) + QStringLiteral("期") + numberOf(n, 0) + QLatin1Char(' ');
    dir.write("page.txt", toGbk(text + QStringLiteral("以上为开奖结果</p>")));

    const QString work = dir.file("work");
    const QString db = work + QLatin1Char('/') + DrawStore::kFileName;
    std::vector<std::pair<int, int>> prefixes;
    for (int k = 0; k <= kDraws; ++k)
        prefixes.push_back({k, 0});
    const Tally tally = killRepeatedly(
        prepared, work, {QStringLiteral(QUORVANE_DOWNLOAD_WORKER), work, dir.file("page.txt")}, 4004, [&] {
            const int k = importedHistory(db, prefixes);
            return k < 0 ? kLost : k == 0 ? kOld : k == kDraws ? kNew : kPrefix;
        });
    tally.print("download");
    EXPECT_EQ(tally.lost, 0);
}

} // namespace
