#include "ui/main/Main.h"

#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/Trend.h"
#include "ui/main/Itemset.h"
#include "ui/main/StartUp.h"
#include "ui/main/splash.h"
#include "ui/widgets/Dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
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

    // Windows that live for the whole run, created once in this order.
    // The analysis windows read the default issue count the main window
    // holds once it has been shown.
    const ShowCountSource showCount = [&mainWindow] { return mainWindow.DefaultShowCount; };
    TFrm_DataAnalyse dataAnalyse(*store, dialogs, showCount, &mainWindow); // history analysis
    mainWindow.setDataAnalyseWindow(&dataAnalyse);
    TFrm_DataCount dataCount(*store, dialogs, &mainWindow); // history statistics
    mainWindow.setDataCountWindow(&dataCount);
    TFrm_Trend trend(*store, dialogs, &mainWindow); // trend analysis
    mainWindow.setTrendWindow(&trend);
    TFrm_itemset options(Options::optionsPath(appDir), dialogs, &mainWindow);
    mainWindow.setOptionsWindow(&options);
    TFrm_LanqiuYilou omission(*store, dialogs, showCount, &mainWindow); // omission statistics
    mainWindow.setOmissionWindow(&omission);

    mainWindow.show();
    return QApplication::exec();
}
