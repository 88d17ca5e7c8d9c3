// Backup and restore of the whole history: the engine's online backup, in
// both directions, so the live file is never copied or replaced under an
// open connection.
#include "store/Database.h"
#include "store/DrawSchema.h"
#include "store/DrawStore.h"
#include "store/FileReplace.h"

#include <QFileInfo>
#include <memory>

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
            throw; // said as a full disk, with the engine's text
        throw DatabaseError(QStringLiteral("备份失败：%1").arg(error.text()));
    }
    removeSideFiles(target);
    if (!replaceFile(temp, target)) {
        removeWithSideFiles(temp);
        throw DatabaseError(QStringLiteral("备份失败：无法写入备份文件 %1").arg(target));
    }
}

void DrawStore::restoreFrom(const QString& source)
{
    if (!QFileInfo::exists(source))
        throw DatabaseError(QStringLiteral("找不到备份文件：%1").arg(source));
    std::unique_ptr<Database> backup;
    try {
        backup = std::make_unique<Database>(source, kKey, Database::Mode::OpenExisting);
        requireDrawTables(*backup);
    } catch (const DatabaseError& error) {
        if (error.diskFull())
            throw; // opening needs room for the engine's side files
        throw DatabaseError(QStringLiteral("备份文件无法使用，数据未恢复：%1").arg(error.text()));
    }
    // Copied into the live connection as one write: another program with
    // the file open (an import, a second window) keeps writing into the
    // restored file instead of into one that was renamed away under it.
    try {
        db().restoreFrom(*backup);
    } catch (const DatabaseBusy&) {
        throw DatabaseError(QStringLiteral("数据库正被其他程序使用，数据未恢复：%1").arg(m_path));
    } catch (const DatabaseError& error) {
        if (error.diskFull())
            throw; // said as a full disk, with the engine's text
        throw DatabaseError(QStringLiteral("数据未恢复：%1").arg(error.text()));
    }
    addReadIndex(db()); // a backup from before the index
}
