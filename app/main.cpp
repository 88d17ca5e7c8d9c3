#include "ui/main/Main.h"

#include "app/CommandLine.h"
#include "exchange/DataFolder.h"
#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
#include "store/FileReplace.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/Trend.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/main/Itemset.h"
#include "ui/main/StartUp.h"
#include "ui/main/splash.h"
#include "ui/select/Print.h"
#include "ui/select/SelectHistory.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/ScreenFit.h"

#include <QApplication>
#include <QFileInfo>

namespace {

QString usageText()
{
    return QStringLiteral("用法：quorvane [选项]\n"
                          "福彩3D、体彩排列3开奖历史、统计分析与辅助选号。\n"
                          "开奖数据（%1、%2）和用户文件（user/）保存在数据文件夹中。\n\n"
                          "选项：\n"
                          "  -h, --help     显示本帮助并退出\n"
                          "  -v, --version  显示版本和数据文件夹并退出")
        .arg(DrawStore::kFileName, DrawStore::kBackupName);
}

QString dataFolderLine(const QString& folder)
{
    return folder.isEmpty() ? noDataFolderText() : QStringLiteral("数据文件夹：") + folder;
}

// Help and version are answered before any window system is needed, so they
// work on a console without a display.
std::optional<int> answerBeforeStart(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return answerCommandLine(arguments, usageText(),
                             versionText(QStringLiteral("quorvane"), dataFolderLine(dataFolder(programFolder))));
}

} // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = answerBeforeStart(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    // Qt takes its own options (-platform, -session, ...); anything left is not ours either.
    if (QCoreApplication::arguments().size() > 1) {
        printLine(stderr, usageText());
        return kUsageStatus;
    }
    prepareApplication(app);
    ScreenFitter screenFitter;
    app.installEventFilter(&screenFitter);
    const QString dataDir = openDataFolder(QApplication::applicationDirPath());
    if (dataDir.isEmpty()) {
        printLine(stderr, noDataFolderText());
        return 1;
    }
    removeLeftovers(dataDir); // of a creation, backup or restore that was killed
    QtDialogs dialogs;
    // Before the first window, so every window opens in the chosen colours.
    applyColourScheme(schemeFromName(readStartupOptions(Options::optionsPath(dataDir)).scheme));

    auto* splash = new TFrm_Splash;
    splash->show();
    QApplication::processEvents();

    std::unique_ptr<DrawStore> store = openDrawStore(dataDir, dialogs);
    if (!store) {
        delete splash;
        return 1;
    }
    TFrmMain mainWindow(*store, dialogs, dataDir);
    mainWindow.setSplash(splash);

    // Windows that live for the whole run, created once in this order: bet
    // print, result download, history analysis, history filter, history
    // statistics, trend analysis, options, omission statistics. The analysis
    // windows read the default issue count the main window holds once shown.
    const ShowCountSource showCount = [&mainWindow] { return mainWindow.DefaultShowCount; };
    TFrm_Print print(dialogs, &mainWindow);
    mainWindow.setPrintWindow(&print);
    TFrm_DataUpdate download(mainWindow, *store, dialogs, Options::downloadListPath(dataDir), &mainWindow);
    mainWindow.setDownloadWindow(&download);
    TFrm_DataAnalyse dataAnalyse(*store, dialogs, showCount, &mainWindow);
    mainWindow.setDataAnalyseWindow(&dataAnalyse);
    TFrm_SelectHistory selectHistory(*store, dialogs, &mainWindow);
    mainWindow.setSelectHistoryWindow(&selectHistory);
    TFrm_DataCount dataCount(*store, dialogs, &mainWindow);
    mainWindow.setDataCountWindow(&dataCount);
    TFrm_Trend trend(*store, dialogs, &mainWindow);
    mainWindow.setTrendWindow(&trend);
    TFrm_itemset options(Options::optionsPath(dataDir), dialogs, &mainWindow);
    mainWindow.setOptionsWindow(&options);
    TFrm_LanqiuYilou omission(*store, dialogs, showCount, &mainWindow);
    mainWindow.setOmissionWindow(&omission);

    mainWindow.show();
    return QApplication::exec();
}
