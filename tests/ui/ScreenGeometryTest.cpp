// Every window on a real screen size: run once on a 1366×768 laptop screen
// and once at scale 2 on 2560×1440 (1280×720 logical pixels), as the test
// list sets up. Each window's frame lies on the screen, the main window's
// grid takes the room its window has, and the main window comes back where
// it was left.
#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/IsPrize.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/RandomnessWindow.h"
#include "ui/analysis/Trend.h"
#include "ui/exchange/MyOut.h"
#include "ui/main/About.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/HistoryCheckWindow.h"
#include "ui/main/Itemset.h"
#include "ui/analysis/PositionOmissionWindow.h"
#include "ui/main/WindowPlace.h"
#include "ui/select/Print.h"
#include "ui/select/DrawnBetsWindow.h"
#include "ui/select/SchemeListWindow.h"
#include "ui/select/SelectHistory.h"
#include "ui/select/select.h"
#include "ui/widgets/ScreenFit.h"

#include <QScreen>

namespace {

class ScreenGeometryTest : public MainWindowTest
{
protected:
    ScreenGeometryTest() { qApp->installEventFilter(&fitter); }
    ~ScreenGeometryTest() override { qApp->removeEventFilter(&fitter); }

    void expectOnScreen(QWidget& shown)
    {
        shown.show();
        QCoreApplication::processEvents();
        const QRect available = shown.screen()->availableGeometry();
        EXPECT_TRUE(available.contains(shown.frameGeometry()))
            << shown.objectName().toStdString() << ": " << shown.frameGeometry().x() << "," << shown.frameGeometry().y()
            << " " << shown.frameGeometry().width() << "x" << shown.frameGeometry().height() << " on "
            << available.width() << "x" << available.height();
    }

    ScreenFitter fitter;
};

TEST_F(ScreenGeometryTest, EveryWindowLiesOnTheScreen)
{
    seed(60);
    show();
    QCoreApplication::processEvents();
    expectOnScreen(*window);
    // The grid fills its area: the window less the toolbar, the entry row and the bars.
    auto* grid = child<QTableView>("DBGridEh1");
    EXPECT_GT(grid->width(), window->width() * 9 / 10);
    EXPECT_GT(grid->height(), window->height() / 2);

    const QString user = dir.file("user");
    TFrm_Print print(dialogs);
    TFrm_SelectHistory history(*store, dialogs);
    TFrm_Select select(*store, dialogs, &print, &history, dir.path());
    TFrm_itemset options(Options::optionsPath(dir.path()), dialogs);
    TFrm_DataAnalyse analyse(*store, dialogs, [] { return QStringLiteral("40"); });
    TFrm_DataCount count(*store, dialogs);
    TFrm_Trend trend(*store, dialogs);
    TFrm_LanqiuYilou omission(*store, dialogs, [] { return QStringLiteral("40"); });
    TFrm_IsPrize prize(*store, dialogs);
    TFrm_Out out(*store, dialogs);
    TFrm_about about(dir.path());
    HistoryCheckWindow check(*store, dialogs);
    PositionOmissionWindow positions(*store, dialogs);
    RandomnessWindow randomness(*store, dialogs);
    std::vector<DrawnBet> drawn(1000, DrawnBet{Bet{123}, {"2025001"}});
    DrawnBetsWindow drawnBets(drawn, 1000);
    SchemeListWindow schemes(dir.path(), dialogs);
    QWidget* windows[] = {&print, &history, &select,    &options,    &analyse,   &count,  &trend,  &omission,
                          &prize, &out,     &about,     &check,      &positions, &randomness, &drawnBets, &schemes};
    for (QWidget* each : windows)
        expectOnScreen(*each);
    if (const QString manual = findManual(QCoreApplication::applicationDirPath()); !manual.isEmpty()) {
        HelpWindow help(manual);
        expectOnScreen(help);
    }
}

// The main window opens where it was left, maximised if it was, and only
// where that still lies on a screen.
TEST_F(ScreenGeometryTest, MainWindowComesBackWhereItWasLeft)
{
    show();
    const QRect available = window->screen()->availableGeometry();
    const QRect place(available.left() + 20, available.top() + 40, available.width() - 60, available.height() / 2);
    window->setGeometry(place);
    dialogs.answers = {true}; // 确定退出
    window->close();
    EXPECT_EQ(readWindowPlace(Options::windowPath(folder)).geometry, place);

    show();
    EXPECT_EQ(window->geometry(), place);
    window->showMaximized();
    dialogs.answers = {true};
    window->close();
    const WindowPlace maximised = readWindowPlace(Options::windowPath(folder));
    EXPECT_TRUE(maximised.maximised);
    show();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);

    // A place off today's screens (a monitor since unplugged) is not taken.
    IniFile(Options::windowPath(folder))
        .writeStrings({{"主窗口", "位置", "5000,5000,800,600"}, {"主窗口", "最大化", "0"}});
    show();
    EXPECT_TRUE(available.contains(window->geometry()));
    IniFile(Options::windowPath(folder)).writeString("主窗口", "位置", "x,1,2");
    show();
    EXPECT_TRUE(available.contains(window->geometry()));
}

} // namespace
