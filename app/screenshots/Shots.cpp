#include "app/screenshots/Shots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

int QuietDialogs::exec(QDialog* dialog)
{
    return onExec ? onExec(dialog) : QDialog::Rejected;
}

void saveShot(const ShotContext& context, QWidget* window, const QString& name)
{
    if (!window->isVisible())
        window->show();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    const QString path = QDir(context.outDir).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}
