#include "ui/main/Main.h"

#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
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
#include "ui/widgets/Dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The download window's web engine shares its contexts; this must precede the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    prepareApplication(app);
    const QString appDir = QApplication::applicationDirPath();
    QtDialogs dialogs;

    auto* splash = new TFrm_Splash;
    splash->show();
    QApplication::processEvents();

    std::unique_ptr<DrawStore> store = openDrawStore(appDir, dialogs);
    if (!store) {
        delete splash;
        return 1;
    }
    TFrmMain mainWindow(*store, dialogs, appDir);
    mainWindow.setSplash(splash);

    // Windows that live for the whole run, created once in this order: bet
    // print, result download, history analysis, history filter, history
    // statistics, trend analysis, options, omission statistics. The analysis
    // windows read the default issue count the main window holds once shown.
    const ShowCountSource showCount = [&mainWindow] { return mainWindow.DefaultShowCount; };
    TFrm_Print print(dialogs, &mainWindow);
    mainWindow.setPrintWindow(&print);
    TFrm_DataUpdate download(mainWindow, *store, dialogs, Options::downloadListPath(appDir), &mainWindow);
    mainWindow.setDownloadWindow(&download);
    TFrm_DataAnalyse dataAnalyse(*store, dialogs, showCount, &mainWindow);
    mainWindow.setDataAnalyseWindow(&dataAnalyse);
    TFrm_SelectHistory selectHistory(*store, dialogs, &mainWindow);
    mainWindow.setSelectHistoryWindow(&selectHistory);
    TFrm_DataCount dataCount(*store, dialogs, &mainWindow);
    mainWindow.setDataCountWindow(&dataCount);
    TFrm_Trend trend(*store, dialogs, &mainWindow);
    mainWindow.setTrendWindow(&trend);
    TFrm_itemset options(Options::optionsPath(appDir), dialogs, &mainWindow);
    mainWindow.setOptionsWindow(&options);
    TFrm_LanqiuYilou omission(*store, dialogs, showCount, &mainWindow);
    mainWindow.setOmissionWindow(&omission);

    mainWindow.show();
    return QApplication::exec();
}
