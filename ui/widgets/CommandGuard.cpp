#include "ui/widgets/CommandGuard.h"

#include "core/StorageError.h"
#include "ui/widgets/Dialogs.h"

#include <QString>
#include <exception>

QString diskFullText(const QString& unsaved, const QString& engineText)
{
    return QStringLiteral("磁盘空间不足，%1未保存。\n%2").arg(unsaved, engineText);
}

bool runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& command)
{
    return runGuarded(dialogs, parent, Unsaved::kChanges, command);
}

bool runGuarded(Dialogs& dialogs, QWidget* parent, const QString& unsaved, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const StorageError& error) {
        dialogs.critical(parent, error.diskFull() ? diskFullText(unsaved, error.text()) : error.text());
    } catch (const std::exception& error) {
        dialogs.critical(parent, QString::fromUtf8(error.what()));
    }
    return false;
}
