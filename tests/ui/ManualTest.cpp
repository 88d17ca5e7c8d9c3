// The manual against the program: every window title and tab name is in it,
// F1 opens it at its title, and F1 in a window at that window's section.
#include "exchange/OptionsFile.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/IsPrize.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/PositionOmissionWindow.h"
#include "ui/analysis/RandomnessWindow.h"
#include "ui/analysis/Trend.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/exchange/MyOut.h"
#include "ui/main/About.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/HistoryCheckWindow.h"
#include "ui/main/Itemset.h"
#include "ui/select/BacktestWindow.h"
#include "ui/select/ConditionCheckWindow.h"
#include "ui/select/DrawnBetsWindow.h"
#include "ui/select/SchemeListWindow.h"
#include "ui/select/Print.h"
#include "ui/select/SelectHistory.h"
#include "ui/select/select.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>

namespace {

using ManualTest = MainWindowTest;

QString manualText()
{
    QFile file(findManual(QCoreApplication::applicationDirPath()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// A window's title and the names of its tabs.
QStringList namesOf(const QWidget& window)
{
    QStringList names{window.windowTitle()};
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            names << tabs->tabText(i);
    return names;
}

TEST_F(ManualTest, NamesEveryWindowAndTab)
{
    show();
    const QString manual = manualText();
    const ShowCountSource showCount = [] { return QStringLiteral("30"); };
    TFrm_Print print(dialogs);
    TFrm_SelectHistory history(*store, dialogs);
    TFrm_Select select(*store, dialogs, &print, &history, dir.path());
    TFrm_DataUpdate download(*window, *store, dialogs, Options::downloadListPath(dir.path()));
    TFrm_Out exporter(*store, dialogs);
    TFrm_about about(dir.path());
    TFrm_itemset options(Options::optionsPath(dir.path()), dialogs);
    HistoryCheckWindow check(*store, dialogs);
    TFrm_IsPrize prize(*store, dialogs);
    TFrm_DataCount count(*store, dialogs);
    TFrm_DataAnalyse analyse(*store, dialogs, showCount);
    TFrm_Trend trend(*store, dialogs);
    TFrm_LanqiuYilou omission(*store, dialogs, showCount);
    PositionOmissionWindow positions(*store, dialogs);
    RandomnessWindow randomness(*store, dialogs);
    HelpWindow help(findManual(QCoreApplication::applicationDirPath()));
    const QWidget* windows[] = {window.get(), &print,    &history,   &select,     &download, &exporter,
                                &about,       &options,  &check,     &prize,      &count,    &analyse,
                                &trend,       &omission, &positions, &randomness, &help};
    QStringList names{TFrmMain::captionFor(true), TFrmMain::captionFor(false), ConditionCheckWindow::kCaption,
                      BacktestWindow::kCaption, DrawnBetsWindow::kCaption, SchemeListWindow::kCaption};
    for (const QWidget* shown : windows)
        names << namesOf(*shown);
    for (const QString& name : names)
        EXPECT_TRUE(manual.contains(name)) << name.toStdString();
    EXPECT_GE(names.size(), 30);
}

// The glossary defines every term the windows use.
TEST_F(ManualTest, GlossaryDefinesEveryTerm)
{
    const QString manual = manualText();
    const QString glossary = manual.mid(manual.indexOf(QStringLiteral("<h2 id=\"terms\"")));
    for (const char* term : {"AC值", "同号数", "012路", "跨度", "和值", "当前遗漏", "平均遗漏", "最大遗漏", "最大连出",
                             "组三", "组六", "豹子", "胆码", "杀码", "p值"})
        EXPECT_TRUE(glossary.contains(QStringLiteral("<dt><b>%1").arg(QString::fromUtf8(term))) ||
                    glossary.contains(QStringLiteral("、%1").arg(QString::fromUtf8(term))))
            << term;
    // Every section a window's F1 opens is in the manual.
    for (const char* window : {"Frm_Select", "Frm_DataCount", "Frm_DataAnalyse", "Frm_Trend", "Frm_LanqiuYilou",
                               "PositionOmissionWindow", "HistoryCheckWindow", "Frm_Out", "Frm_itemset", "Frm_IsPrize",
                               "RandomnessWindow", "ConditionCheckWindow", "BacktestWindow", "Frm_DataUpdate",
                               "Frm_SelectHistory", "Frm_Print", "DrawnBetsWindow", "SchemeListWindow", "Frm_about"}) {
        const QString section = helpSection(QString::fromLatin1(window));
        EXPECT_FALSE(section.isEmpty()) << window;
        EXPECT_TRUE(manual.contains(QStringLiteral("<h2 id=\"%1\">").arg(section))) << window;
    }
}

// F1 in the main window opens the manual at its title; in another window at
// that window's own section, or at the title when it has none.
TEST_F(ManualTest, F1OpensTheManualWhereItIsNeeded)
{
    show();
    const struct
    {
        std::function<std::unique_ptr<QWidget>()> open; // null: the main window
        const char* section;                            // "": the title
    } cases[] = {
        {nullptr, ""},
        {[&] { return std::make_unique<TFrm_DataCount>(*store, dialogs, window.get()); }, "data-count"},
        {[&] { return std::make_unique<TFrm_Trend>(*store, dialogs, window.get()); }, "trend"},
        {[&] { return std::make_unique<PositionOmissionWindow>(*store, dialogs, window.get()); }, "omission"},
        // A window without a section of its own, as the import's progress.
        {[&] {
             auto progress = std::make_unique<QDialog>(window.get());
             progress->setObjectName("ImportProgress");
             return progress;
         },
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        std::unique_ptr<QWidget> other = c.open ? c.open() : nullptr;
        QWidget* target = other ? other.get() : window.get();
        target->show();
        target->activateWindow();
        QApplication::setActiveWindow(target);
        ASSERT_TRUE(QTest::qWaitForWindowActive(target));
        QString selected = "none";
        int scrolled = -1;
        dialogs.clear();
        dialogs.modalHandlers.push_back([&](QDialog* help) {
            help->show();
            QTest::qWait(50); // the page lays itself out and finds its section
            const QList<QListWidgetItem*> chosen = help->findChild<QListWidget*>("helpContents")->selectedItems();
            selected = chosen.isEmpty() ? QString() : chosen[0]->data(Qt::UserRole).toString();
            scrolled = help->findChild<QTextBrowser*>("helpPage")->verticalScrollBar()->value();
            return 0;
        });
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : target, Qt::Key_F1);
        EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList{"Quorvane 用户手册"});
        EXPECT_EQ(selected, QString::fromLatin1(c.section));
        if (QString::fromLatin1(c.section).isEmpty()) {
            EXPECT_EQ(scrolled, 0);
        } else {
            EXPECT_GT(scrolled, 0);
        }
    }
}

} // namespace
