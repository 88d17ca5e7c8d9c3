// The data exchange windows: the result download before and after a run (a
// local page in the sample folder) and the export window.
#include "app/screenshots/Shots.h"
#include "exchange/OptionsFile.h"
#include "exchange/ResultPage.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/main/Main.h"
#include "ui/exchange/MyOut.h"

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

void exchangeShots(const ShotContext& context)
{
    TFrmMain window(context.store, context.dialogs, context.appDir);
    window.show();

    const QString page = QDir(context.appDir).filePath(QStringLiteral("user/latest.html"));
    writeFile(page, toGbk(QStringLiteral("<html><body>福彩3D 3D号码：25061期456 25062期789 25063期012 "
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
