#pragma once

#include <QString>
#include <functional>

class Dialogs;
class QWidget;

// Runs one user command. An error the command does not handle itself (a
// database error, a conversion error, any std::exception) ends the command
// and is shown in the standard error box with its own text. Returns false
// when the command ended that way.
bool runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& command);
// The same for a command that saves something: a write the full disk refused
// is said as such, naming what `unsaved` the command could not save.
bool runGuarded(Dialogs& dialogs, QWidget* parent, const QString& unsaved, const std::function<void()>& command);

// What a command could not save when the disk was full.
namespace Unsaved {
inline const QString kEntry = QStringLiteral("本期开奖号码");
inline const QString kImport = QStringLiteral("导入的开奖数据");
inline const QString kBackup = QStringLiteral("数据备份");
inline const QString kRestore = QStringLiteral("恢复的数据");
inline const QString kOptions = QStringLiteral("选项设置");
inline const QString kChanges = QStringLiteral("本次的改动");
} // namespace Unsaved

// "磁盘空间不足，<unsaved>未保存。" and, on the next line, the engine's own text.
QString diskFullText(const QString& unsaved, const QString& engineText);
