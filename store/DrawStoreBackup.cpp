// Whole files of the history: a new empty one, made under another name and
// moved into place; backup and restore through the engine's online backup,
// in both directions, so the live file is never copied or replaced under an
// open connection.
#include "store/Database.h"
#include "store/DrawSchema.h"
#include "store/DrawStore.h"
#include "store/FileReplace.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>

bool DrawStore::createEmpty(const QString& path)
{
    if (QFileInfo::exists(path))
        return false;
    // Built under another name and moved into place whole, so a half-made
    // database never carries the real name.
    const QString temp = siblingTempPath(path, "new");
    try {
        Database db(temp, kKey, Database::Mode::CreateIfMissing);
        Transaction transaction(db);
        for (Game game : kGames) {
            const QString table = tableName(game);
            db.exec(createTableSql(table));
            db.exec(uniqueIssueIndexSql(table));
            db.exec(readIndexSql(table));
        }
        transaction.commit();
    } catch (...) {
        removeWithSideFiles(temp);
        throw;
    }
    // QFile::rename never overwrites: a file that appeared meanwhile is kept.
    if (!QFile::rename(temp, path)) {
        removeWithSideFiles(temp);
        if (QFileInfo::exists(path))
            return false;
        throw DatabaseError(QStringLiteral("无法创建数据库文件 (%1)").arg(path));
    }
    syncFolder(path);
    return true;
}

const QString DrawStore::kRestoreWhileWriting =
    QStringLiteral("另一个程序（如数据导入）正在写入历史数据，请等它结束后再恢复。");

namespace {

// Long enough to pass another connection's checkpoint, short enough that a
// writer that started after the check is refused rather than waited for.
constexpr int kRestoreWaitMs = 1000;

QString gameTitle(Game game)
{
    return game == Game::Fucai ? QStringLiteral("福彩3D") : QStringLiteral("体彩排列3");
}

// Opens a backup for reading; any reason it cannot serve is the user's text.
std::unique_ptr<Database> openBackup(const QString& source)
{
    if (!QFileInfo::exists(source))
        throw DatabaseError(QStringLiteral("找不到备份文件：%1").arg(source));
    try {
        auto backup = std::make_unique<Database>(source, DrawStore::kKey, Database::Mode::OpenExisting);
        requireOwnSchema(*backup);
        return backup;
    } catch (const DatabaseError& error) {
        if (error.diskFull())
            throw; // opening needs room for the engine's side files
        throw DatabaseError(QStringLiteral("备份文件无法使用，数据未恢复：%1").arg(error.text()));
    }
}

QStringList issuesOf(const Database& db, Game game)
{
    Statement query(db, QStringLiteral("select qs from %1 order by qs").arg(tableName(game)));
    QStringList issues;
    while (query.step())
        issues << query.text(0);
    return issues;
}

} // namespace

int DrawStore::RestoreLoss::lost() const
{
    int total = 0;
    for (const GameLoss& game : games)
        total += game.lost;
    return total;
}

QString DrawStore::RestoreLoss::question() const
{
    if (lost() == 0)
        return QStringLiteral("准备恢复所有记录数据，是否继续！");
    QStringList lines;
    for (const GameLoss& game : games) {
        QString line = QStringLiteral("%1：备份有%2期，当前有%3期")
                           .arg(gameTitle(game.game))
                           .arg(game.backupDraws)
                           .arg(game.liveDraws);
        if (game.lost == 1)
            line += QStringLiteral("；恢复后将失去备份之后的1期：第%1期。").arg(game.firstLost);
        else if (game.lost > 1)
            line += QStringLiteral("；恢复后将失去备份之后的%1期：第%2期至第%3期。")
                        .arg(game.lost)
                        .arg(game.firstLost, game.lastLost);
        else
            line += QStringLiteral("。");
        lines << line;
    }
    lines << QStringLiteral("是否继续？");
    return lines.join(u'\n');
}

void DrawStore::backupTo(const QString& target) const
{
    // Replacing the live file under its own connection would send later
    // writes to an unlinked file.
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(m_path).canonicalFilePath())
        throw DatabaseError(QStringLiteral("备份失败：备份文件不能是数据库文件本身 (%1)").arg(target));
    // The online backup reads a consistent snapshot, log included, while
    // this connection stays open; the earlier backup is replaced only by a
    // complete copy.
    const QString temp = siblingTempPath(target, "tmp");
    try {
        db().backupTo(temp, kKey);
    } catch (const DatabaseError& error) {
        removeWithSideFiles(temp);
        if (error.diskFull())
            throw; // said as a full disk, in the program's words
        throw DatabaseError(QStringLiteral("备份失败：%1").arg(error.text()));
    }
    removeSideFiles(target);
    if (!replaceFile(temp, target)) {
        removeWithSideFiles(temp);
        throw DatabaseError(QStringLiteral("备份失败：无法写入备份文件 %1").arg(target));
    }
}

DrawStore::RestoreLoss DrawStore::restoreLoss(const QString& source) const
{
    const std::unique_ptr<Database> backup = openBackup(source);
    // While an import writes, its draws are not yet there to be counted.
    if (db().anotherWriter())
        throw DatabaseBusy(kRestoreWhileWriting);
    RestoreLoss loss;
    loss.liveRevision = revision();
    for (Game game : {Game::Fucai, Game::Ticai}) {
        GameLoss counts;
        counts.game = game;
        const QStringList kept = issuesOf(*backup, game);
        counts.backupDraws = int(kept.size());
        const QSet<QString> backedUp(kept.begin(), kept.end());
        for (const QString& issue : issuesOf(db(), game)) {
            ++counts.liveDraws;
            if (backedUp.contains(issue))
                continue;
            if (counts.lost++ == 0)
                counts.firstLost = issue;
            counts.lastLost = issue;
        }
        loss.games.push_back(counts);
    }
    return loss;
}

void DrawStore::restoreFrom(const QString& source, std::optional<quint64> askedAt)
{
    const std::unique_ptr<Database> backup = openBackup(source);
    // Waiting for a writer and then replacing would discard what it wrote.
    if (db().anotherWriter())
        throw DatabaseBusy(kRestoreWhileWriting);
    if (askedAt && revision() != *askedAt)
        throw DatabaseError(QStringLiteral("询问之后历史数据已有变化，数据未恢复；请重新恢复，以便看到新的期数。"));
    // Copied into the live connection as one write: another program with
    // the file open (a second window) keeps writing into the restored file
    // instead of into one that was renamed away under it.
    try {
        db().restoreFrom(*backup, kRestoreWaitMs);
    } catch (const DatabaseBusy&) {
        throw DatabaseBusy(kRestoreWhileWriting);
    } catch (const DatabaseError& error) {
        if (error.diskFull())
            throw; // said as a full disk, in the program's words
        throw DatabaseError(QStringLiteral("数据未恢复：%1").arg(error.text()));
    }
    completeSchema(db()); // a backup from before the indexes
}
