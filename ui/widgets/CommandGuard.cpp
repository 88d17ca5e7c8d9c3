#include "ui/widgets/CommandGuard.h"

#include "ui/widgets/Dialogs.h"

#include <QString>
#include <exception>

bool runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        dialogs.critical(parent, QString::fromUtf8(error.what()));
    }
    return false;
}
