// 选项设置's 配色 and 完成提示: saved, and in force at once, without a restart.
#include "core/DrawEntry.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/main/Itemset.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/TrendChartView.h"

#include <QChart>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

namespace {

class SchemeTest : public MainWindowTest
{
protected:
    SchemeTest()
    {
        seed(5);
        show();
        options = std::make_unique<TFrm_itemset>(Options::optionsPath(dir.path()), dialogs);
        window->setOptionsWindow(options.get());
        options->show();
    }
    ~SchemeTest() override
    {
        applyColourScheme(SchemeChoice::Light); // the next tests start light
        window.reset();
    }
    void save(const char* scheme, const char* notice)
    {
        options->findChild<QRadioButton*>(scheme)->setChecked(true);
        options->findChild<QRadioButton*>(notice)->setChecked(true);
        QTest::mouseClick(options->findChild<QPushButton*>("SeSkinButton1"), Qt::LeftButton);
    }
    QString stored(const QString& key) const
    {
        return IniFile(Options::optionsPath(dir.path())).readString(Options::kLookSection, key, "<none>");
    }
    // Colours the open main window shows now.
    QList<QColor> shownColours() const
    {
        auto* grid = child<DataGrid>("DBGridEh1");
        return {child<QLabel>("Label35")->palette().color(QPalette::WindowText),
                child<TrendChartView>("Chart5")->chart()->backgroundBrush().color(), grid->footer(0).background,
                grid->model()->index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
                grid->model()->index(0, 38).data(Qt::ForegroundRole).value<QBrush>().color()};
    }
    static QList<QColor> expected(const SchemeColours& c)
    {
        return {c.alertText, c.chartBackground, c.footerTitleFill, c.paleCell, c.numberInk};
    }

    std::unique_ptr<TFrm_itemset> options;
};

TEST_F(SchemeTest, TheDefaultsAreTheSystemsColoursAndBoxes)
{
    EXPECT_TRUE(options->findChild<QRadioButton*>("schemeSystem")->isChecked());
    EXPECT_TRUE(options->findChild<QRadioButton*>("noticeBox")->isChecked());
    EXPECT_EQ(stored(Options::kSchemeKey), "跟随系统");
    EXPECT_EQ(stored(Options::kNoticeKey), "弹出窗口");
    EXPECT_EQ(shownColours(), expected(coloursOf(SchemeChoice::Light)));
}

// 深色 repaints the open window at once, and 浅色 brings the first colours back.
TEST_F(SchemeTest, ASavedSchemeRepaintsTheOpenWindows)
{
    save("schemeDark", "noticeBox");
    EXPECT_EQ(stored(Options::kSchemeKey), "深色");
    EXPECT_TRUE(schemeColours().dark);
    EXPECT_EQ(shownColours(), expected(coloursOf(SchemeChoice::Dark)));
    EXPECT_LT(QGuiApplication::palette().color(QPalette::Window).lightness(), 128);
    // Text stays readable on its ground, selected rows included.
    const QPalette dark = QGuiApplication::palette();
    EXPECT_GT(dark.color(QPalette::HighlightedText).lightness() - dark.color(QPalette::Highlight).lightness(), 80);
    EXPECT_GT(dark.color(QPalette::Text).lightness() - dark.color(QPalette::Base).lightness(), 120);

    save("schemeLight", "noticeBox");
    EXPECT_EQ(stored(Options::kSchemeKey), "浅色");
    EXPECT_EQ(shownColours(), expected(coloursOf(SchemeChoice::Light)));
}

// 状态栏: what only confirms goes to the status line; questions and refusals stay boxes.
TEST_F(SchemeTest, ConfirmationsGoToTheStatusLineWhenChosen)
{
    save("schemeSystem", "noticeStatusLine");
    EXPECT_EQ(stored(Options::kNoticeKey), "状态栏");
    dialogs.clear();
    enter("2025006", "123");
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(window->statusPanelText(0), EntryText::status("2025006"));
    dialogs.answers = {true};
    action("N1")->trigger(); // the backup: asked in a box, confirmed on the line
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(window->statusPanelText(0).startsWith("数据备份成功")) << window->statusPanelText(0).toStdString();
    enter("2025006", "123"); // refused: a box still
    EXPECT_EQ(dialogs.messages(), QStringList{EntryText::duplicate("2025006")});

    // Read at the next start as well.
    window = std::make_unique<TFrmMain>(*store, dialogs, folder);
    window->setOptionsWindow(options.get());
    window->show();
    dialogs.clear();
    enter("2025007", "456");
    EXPECT_TRUE(dialogs.messages().isEmpty());

    save("schemeSystem", "noticeBox");
    dialogs.clear();
    enter("2025008", "789");
    EXPECT_EQ(dialogs.messages(), QStringList{EntryText::entered("2025008")});
}

} // namespace
