// The data exchange windows: the first-start hint of an empty history, the
// result download before and after a run (a local page in the sample folder,
// newest first and with a gap) and the export window.
#include "app/screenshots/Shots.h"
#include "exchange/OptionsFile.h"
#include "exchange/ResultPage.h"
#include "store/DrawStore.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/exchange/MyOut.h"
#include "ui/main/Main.h"

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void firstStartShot(const ShotContext& context)
{
    QTemporaryDir folder;
    const QString db = QDir(folder.path()).filePath(DrawStore::kFileName);
    if (!folder.isValid() || !DrawStore::createEmpty(db) || !createDefaultUserFiles(folder.path())) {
        std::fprintf(stderr, "cannot prepare an empty folder\n");
        return;
    }
    DrawStore store(db);
    TFrmMain window(store, context.dialogs, folder.path());
    window.show();
    saveShot(context, &window, QStringLiteral("first-start"));
}

} // namespace

void exchangeShots(const ShotContext& context)
{
    firstStartShot(context);

    TFrmMain window(context.store, context.dialogs, context.appDir);
    window.show();

    const QString page = QDir(context.appDir).filePath(QStringLiteral("user/latest.html"));
    writeFile(page, toGbk(QStringLiteral("<html><body>福彩3D 3D号码：25065期345 25064期012 25062期789 25061期456 "
                                         "以上为最新开奖</body></html>")));
    writeFile(Options::downloadListPath(context.appDir), page.toUtf8() + "\r\n");
    TFrm_DataUpdate download(window, context.store, context.dialogs, Options::downloadListPath(context.appDir),
                             &window);
    saveShot(context, &download, QStringLiteral("download-before"));

    QEventLoop loop;
    QObject::connect(&download, &TFrm_DataUpdate::pageProcessed, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    download.findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
    loop.exec();
    saveShot(context, &download, QStringLiteral("download-after"));
    download.hide();

    TFrm_Out out(context.store, context.dialogs, &window);
    saveShot(context, &out, QStringLiteral("export"));
}
