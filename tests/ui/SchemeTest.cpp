// 选项设置's 配色 and 完成提示: saved, and in force at once, without a restart.
#include "core/DrawEntry.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/PositionOmissionWindow.h"
#include "ui/main/Itemset.h"
#include "ui/select/ConditionCheckWindow.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/TrendChartView.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableWidget>

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

    // Pixels of exactly `ink` inside `area`: text drawn in that colour.
    static int inkPixels(const QImage& image, const QRect& area, const QColor& ink)
    {
        int count = 0;
        for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
            for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
                count += image.pixelColor(x, y) == ink ? 1 : 0;
        return count;
    }
    // The footer rows under a column, in the grid's own coordinates: where
    // the column's footer fill is drawn, below the last data row shown.
    static QRect footerCell(DataGrid* grid, int column)
    {
        const QImage image = grid->grab().toImage();
        const int left = grid->viewport()->x() + grid->columnViewportPosition(column);
        const int x = left + grid->columnWidth(column) / 2;
        const QColor fill = schemeColours().footerFill[(column - 1) / 10 % 2];
        int top = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == fill || image.pixelColor(left + 1, y) == fill) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        return QRect(QPoint(left, top), QPoint(left + grid->columnWidth(column) - 1, bottom));
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

// A live switch reaches everything open, in whatever order the schemes come:
// the toolbar and every column of the grid on the application palette, the
// footers in the scheme's ink, the heat and warning fills computed before
// the switch, labels and charts.
TEST_F(SchemeTest, ASwitchReachesEveryOpenWindowWhateverTheOrder)
{
    seed(55, "2025006"); // 60 draws in all
    window = std::make_unique<TFrmMain>(*store, dialogs, folder);
    window->resize(1300, 700);
    window->show();
    click("SpeedButton19");      // the five footer rows
    click("showOmissionButton"); // omission figures in the empty cells
    click("SpeedButton24");      // the position chart
    PositionOmissionWindow omission(*store, dialogs);
    omission.show();
    QTest::mouseClick(omission.findChild<QPushButton*>("runButton"), Qt::LeftButton);
    GenerationConditions conditions;
    conditions.sum = {true, 10, 14}; // keeps few draws: its row is a warning
    ConditionCheckWindow check(*store, dialogs, conditions, BetKind::Direct);
    check.show();
    QTest::mouseClick(check.findChild<QPushButton*>("runButton"), Qt::LeftButton);
    auto* heatTable = omission.findChild<QTableWidget*>("omissionTable");
    auto* checkTable = check.findChild<QTableWidget*>("resultTable");
    ASSERT_GT(heatTable->rowCount(), 0);
    ASSERT_GT(checkTable->rowCount(), 0);

    // Which band each heat cell is in, and which check cells warn, never change.
    const auto heatBands = [&](const SchemeColours& c) {
        QList<int> bands;
        for (int row = 0; row < heatTable->rowCount(); ++row) {
            const QColor fill = heatTable->item(row, 2)->background().color();
            bands << int(std::find(std::begin(c.heat), std::end(c.heat), fill) - std::begin(c.heat));
            EXPECT_EQ(heatTable->item(row, 2)->foreground().color(), c.plainText) << row;
        }
        return bands;
    };
    const auto warned = [&](const SchemeColours& c) {
        QList<int> rows;
        for (int row = 0; row < checkTable->rowCount(); ++row)
            if (checkTable->item(row, 0)->background().color() == c.warnFill)
                rows << row;
        return rows;
    };
    const QList<int> bands = heatBands(schemeColours());
    const QList<int> warnings = warned(schemeColours());
    ASSERT_FALSE(warnings.isEmpty());
    ASSERT_FALSE(bands.contains(5));

    auto* grid = child<DataGrid>("DBGridEh1");
    const struct
    {
        const char* button;
        SchemeChoice choice;
    } choices[] = {{"schemeSystem", SchemeChoice::System},
                   {"schemeLight", SchemeChoice::Light},
                   {"schemeDark", SchemeChoice::Dark}};
    const std::vector<std::vector<int>> sequences{{2, 1}, {2, 2, 1}, {1, 2, 0}, {2, 0, 2, 1}};
    for (size_t i = 0; i < sequences.size(); ++i) {
        for (size_t at = 0; at < sequences[i].size(); ++at) {
            const int step = sequences[i][at];
            save(choices[step].button, "noticeBox");
            QCoreApplication::processEvents();
            const SchemeColours& c = coloursOf(choices[step].choice);
            const QPalette palette = QGuiApplication::palette();
            const auto where = [&] {
                return QStringLiteral("sequence %1, switch %2 to %3")
                    .arg(i)
                    .arg(at)
                    .arg(schemeName(choices[step].choice))
                    .toStdString();
            };
            ASSERT_EQ(&schemeColours(), &c) << where();

            // The toolbar and the cells without a colour of their own: the palette in force.
            auto* toolbar = child<QWidget>("Panel5");
            const QImage bar = toolbar->grab().toImage();
            EXPECT_EQ(bar.pixelColor(bar.width() - 3, bar.height() / 2), palette.color(QPalette::Window)) << where();
            EXPECT_EQ(child<QWidget>("SpeedButton18")->palette().color(QPalette::ButtonText),
                      palette.color(QPalette::ButtonText))
                << where();
            const QModelIndex right = grid->model()->index(0, 39); // 单双
            grid->scrollTo(right);
            const QImage cells = grid->viewport()->grab().toImage();
            const QRect cell = grid->visualRect(right);
            EXPECT_EQ(cells.pixelColor(cell.right() - 2, cell.top() + 1), palette.color(QPalette::Base)) << where();
            EXPECT_GT(inkPixels(cells, cell, c.issueInk), 0) << where();

            // A footer figure on its fill, in the footer ink.
            for (int row : {0, 2})
                EXPECT_EQ(grid->footer(row, 5).foreground, c.footerText) << where();
            EXPECT_GT(inkPixels(grid->grab().toImage(), footerCell(grid, 5), c.footerText), 0) << where();

            // Tables computed before the switch.
            EXPECT_EQ(heatBands(c), bands) << where();
            EXPECT_EQ(warned(c), warnings) << where();
            for (int row = 0; row < heatTable->rowCount(); ++row)
                EXPECT_EQ(heatTable->item(row, 6)->background(), heatTable->item(row, 2)->background()) << row;

            // Labels and charts.
            EXPECT_EQ(shownColours(), expected(c)) << where();
            auto* chart = child<TrendChartView>("Chart5");
            const QImage drawn = chart->grab().toImage(); // beside the title, inside the rounded corners
            EXPECT_EQ(drawn.pixelColor(drawn.width() - 12, 12), c.chartBackground) << where();
            const auto* bars = qobject_cast<QBarSeries*>(chart->chart()->series().value(0));
            ASSERT_NE(bars, nullptr);
            EXPECT_EQ(bars->barSets().value(0)->color(), c.positionBars) << where();
        }
    }
}

// Every text of both schemes against the fill it is drawn on, at least 4.5:1
// (WCAG's AA for normal text). The palette pairs are the application's as the
// scheme sets it.
TEST(SchemeContrast, EveryTextReadsOnItsFill)
{
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21);
    EXPECT_DOUBLE_EQ(contrastRatio(QColor(90, 90, 90), QColor(90, 90, 90)), 1);
    EXPECT_NEAR(contrastRatio(QColor(119, 119, 119), Qt::white), 4.48, 0.01); // the classic near miss
    const auto guard = qScopeGuard([] { applyColourScheme(SchemeChoice::Light); });
    for (SchemeChoice choice : {SchemeChoice::Light, SchemeChoice::Dark}) {
        applyColourScheme(choice);
        const SchemeColours& c = schemeColours();
        const QPalette p = QGuiApplication::palette();
        const QColor window = p.color(QPalette::Window), base = p.color(QPalette::Base);
        const struct
        {
            const char* what;
            QColor ink, fill;
        } pairs[] = {
            {"Text on Base", p.color(QPalette::Text), base},
            {"ButtonText on Button", p.color(QPalette::ButtonText), p.color(QPalette::Button)},
            {"WindowText on Window", p.color(QPalette::WindowText), window},
            {"HighlightedText on Highlight", p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)},
            {"plainText on Window", c.plainText, window},
            {"plainText on Base", c.plainText, base},
            {"headerText on the digit titles", c.headerText, c.paleCell},
            {"first digit on its cell", c.digitInk[0], c.paleCell},
            {"second digit on its cell", c.digitInk[1], c.plainCell},
            {"third digit on its cell", c.digitInk[2], c.paleCell},
            {"first digit highlighted", c.digitInk[0], c.highlight},
            {"second digit highlighted", c.digitInk[1], c.highlight},
            {"third digit highlighted", c.digitInk[2], c.highlight},
            {"issue on the button face", c.issueInk, p.color(QPalette::Button)},
            {"总和 on its cell", c.issueInk, c.plainCell},
            {"right-hand columns on Base", c.issueInk, base},
            {"issue ink highlighted", c.issueInk, c.highlight},
            {"跨度 on Base", c.spanInk, base},
            {"跨度 highlighted", c.spanInk, c.highlight},
            {"质数个数 on Base", c.primeInk, base},
            {"质数个数 highlighted", c.primeInk, c.highlight},
            {"开奖号码 on Base", c.numberInk, base},
            {"开奖号码 highlighted", c.numberInk, c.highlight},
            {"footer figure on the first fill", c.footerText, c.footerFill[0]},
            {"footer figure on the second fill", c.footerText, c.footerFill[1]},
            {"footer title", c.footerTitleText, c.footerTitleFill},
            {"alert on Window", c.alertText, window},
            {"info on Window", c.infoText, window},
            {"good on Window", c.goodText, window},
            {"muted on Window", c.mutedText, window},
            {"alert on Base", c.alertText, base},
            {"info on Base", c.infoText, base},
            {"chart hint", c.alertText, c.chartBackground},
            {"chart remover", c.infoText, c.chartBackground},
            {"chart text", c.chartText, c.chartBackground},
            {"omission on the pale cells", c.omissionText, c.paleCell},
            {"omission on the plain cells", c.omissionText, c.plainCell},
            {"heat 0", c.plainText, c.heat[0]},
            {"heat 1", c.plainText, c.heat[1]},
            {"heat 2", c.plainText, c.heat[2]},
            {"heat 3", c.plainText, c.heat[3]},
            {"heat 4", c.plainText, c.heat[4]},
            {"warning", c.plainText, c.warnFill},
            {"chosen digit panel", p.color(QPalette::ButtonText), c.selectedPanel},
            {"遗漏分析 hit", c.hitText, c.hitFill},
            {"遗漏分析 omission", c.missText, base},
        };
        for (const auto& pair : pairs)
            EXPECT_GE(contrastRatio(pair.ink, pair.fill), 4.5)
                << schemeName(choice).toStdString() << ": " << pair.what << " " << pair.ink.name().toStdString()
                << " on " << pair.fill.name().toStdString();
    }
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
