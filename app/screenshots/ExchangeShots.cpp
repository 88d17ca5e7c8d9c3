// The data exchange windows: the first-start hint of an empty history, the
// result download before and after a run (a local page in the sample folder,
// newest first and with a gap), the export window and the import of the
// workbook it writes into an empty history.
#include "app/screenshots/Shots.h"
#include "tests/ui/exchange/PageServer.h"
#include "core/DrawRecord.h"
#include "exchange/HistoryWorkbook.h"
#include "exchange/OptionsFile.h"
#include "exchange/ResultPage.h"
#include "store/DrawStore.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/exchange/MyOut.h"
#include "ui/main/Main.h"
#include "ui/widgets/Dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

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

// "数据导入..." of the sample history's workbook into an empty folder: the
// summary the import shows, and the grid it leaves.
void workbookImportShot(const ShotContext& context)
{
    QTemporaryDir folder;
    const QString db = QDir(folder.path()).filePath(DrawStore::kFileName);
    if (!folder.isValid() || !DrawStore::createEmpty(db) || !createDefaultUserFiles(folder.path())) {
        std::fprintf(stderr, "cannot prepare an empty folder\n");
        return;
    }
    const QString workbook = QDir(folder.path()).filePath(QStringLiteral("历史数据.xlsx"));
    // The sample history is spent by the earlier pictures: a workbook of its own.
    std::vector<DrawRecord> draws;
    QString previous;
    for (int i = 1; i <= 60; ++i) {
        const QString number = QStringLiteral("%1").arg((i * 373 + 91) % 1000, 3, 10, QLatin1Char('0'));
        draws.push_back(deriveDrawRecord(QStringLiteral("2025%1").arg(i, 3, 10, QLatin1Char('0')), number, previous));
        previous = number;
    }
    writeHistoryWorkbook(workbook, draws);
    DrawStore store(db);
    TFrmMain window(store, context.dialogs, folder.path());
    window.show();
    context.dialogs.openAnswer = workbook;
    context.dialogs.texts.clear();
    window.findChild<QAction*>(QStringLiteral("N17"))->trigger();
    context.dialogs.openAnswer.clear();
    saveShot(context, &window, QStringLiteral("import-xlsx"));
    QMessageBox summary(QMessageBox::Information, QStringLiteral("提示"), context.dialogs.texts.value(0),
                        QMessageBox::Ok, &window);
    saveShot(context, &summary, QStringLiteral("import-xlsx-summary"));
}

} // namespace

void exchangeShots(const ShotContext& context)
{
    firstStartShot(context);

    TFrmMain window(context.store, context.dialogs, context.appDir);
    window.show();

    // The results page comes from a server on this machine: only web addresses are downloaded from.
    PageServer server;
    server.page("/latest", toGbk(QStringLiteral("<html><body>福彩3D 3D号码：25065期345 25064期012 25062期789 "
                                                "25061期456 以上为最新开奖</body></html>")));
    writeFile(Options::downloadListPath(context.appDir), server.url("/latest").toUtf8() + "\r\n");
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
    out.hide();
    // The file dialogs every window opens, in the sample folder.
    std::unique_ptr<QFileDialog> files(makeFileDialog(&window, QStringLiteral("保存至文本"), context.appDir,
                                                      QStringLiteral("文本文件 (*.txt)"), true));
    saveShot(context, files.get(), QStringLiteral("file-dialog"));
    files->hide();
    window.hide();

    workbookImportShot(context);
}
