#include "bench/SyntheticHistory.h"

#include "core/DrawRecord.h"
#include "store/Database.h"
#include "store/DrawRow.h"
#include "store/DrawStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>

namespace {

constexpr int kDrawsPerYear = 350;

} // namespace

QString syntheticIssue(int n)
{
    return QStringLiteral("%1%2").arg(2000 + n / kDrawsPerYear).arg(n % kDrawsPerYear + 1, 3, 10, QLatin1Char('0'));
}

QString possibleIssue(int n)
{
    const int day = n % (24 * 366);
    return QStringLiteral("%1%2").arg(2002 + day / 366).arg(day % 366 + 1, 3, 10, QLatin1Char('0'));
}

void createSyntheticHistory(const QString& path, int draws)
{
    if (!DrawStore::createEmpty(path))
        throw DatabaseError(QStringLiteral("exists: %1").arg(path));
    Database db(path, DrawStore::kKey);
    // Keeps the whole fill in memory until commit instead of spilling pages.
    db.exec(QStringLiteral("pragma cache_size=-262144"));
    std::mt19937 random(20261210);
    Transaction transaction(db);
    for (Game game : {Game::Fucai, Game::Ticai}) {
        Statement insert(db, drawInsertSql(tableName(game)));
        QString previous;
        for (int n = 0; n < draws; ++n) {
            const QString number = QStringLiteral("%1").arg(random() % 1000, 3, 10, QLatin1Char('0'));
            bindDrawRecord(insert, deriveDrawRecord(syntheticIssue(n), number, previous));
            insert.step();
            insert.reset();
            previous = number;
        }
    }
    transaction.commit();
}

QString cachedSyntheticHistory(int draws)
{
    const QString folder = QStringLiteral(QUORVANE_BENCH_DATA_DIR);
    const QString path = QStringLiteral("%1/history-%2.mdb").arg(folder).arg(draws);
    if (QFileInfo::exists(path))
        return path;
    QDir().mkpath(folder);
    // Made under another name first: an interrupted run leaves no half cache.
    const QString partial = path + QStringLiteral(".partial");
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(partial + QLatin1String(suffix));
    createSyntheticHistory(partial, draws);
    if (!QFile::rename(partial, path))
        throw DatabaseError(QStringLiteral("cannot store %1").arg(path));
    return path;
}
