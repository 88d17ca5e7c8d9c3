#include "ui/main/ExternalPrograms.h"

#include <QProcess>
#include <QStandardPaths>

QStringList ExternalPrograms::calculators()
{
    return {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"};
}

QStringList ExternalPrograms::editors()
{
    return {"gedit", "gnome-text-editor", "kate", "kwrite", "mousepad", "xed", "pluma"};
}

QString ExternalPrograms::findFirst(const QStringList& candidates)
{
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool ExternalPrograms::startFirstFound(const QStringList& candidates)
{
    const QString program = findFirst(candidates);
    return !program.isEmpty() && QProcess::startDetached(program, {});
}
