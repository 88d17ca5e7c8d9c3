#include "ui/analysis/DataCount.h"

#include "tests/ui/analysis/AnalysisFixture.h"
#include "ui/analysis/FrequencyBars.h"
#include "ui/widgets/ChartStyle.h"
#include "ui/widgets/ColourScheme.h"

#include <QBarSet>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QRadioButton>

namespace {

class DataCountTest : public AnalysisWindowTest
{
protected:
    TFrm_DataCount& open()
    {
        window = std::make_unique<TFrm_DataCount>(*store, dialogs);
        window->show();
        return *window;
    }
    // Runs statistic `radio` over the range.
    QList<QStringList> run(const char* radio, const QString& first, const QString& last)
    {
        dialogs.clear();
        child<QRadioButton>(*window, radio)->setChecked(true);
        setRange(*window, "SeSkinComboBox1", first, "SeSkinComboBox2", last);
        click(*window, "SeSkinButton1");
        EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
        return cells(*window, "Grid1");
    }
    QStringList column(const QList<QStringList>& rows, int c = 0)
    {
        QStringList list;
        for (const QStringList& row : rows)
            list << row[c];
        return list;
    }
    FrequencyBars* chart() const { return child<FrequencyBars>(*window, "DBChart1"); }
    std::unique_ptr<TFrm_DataCount> window;
};

TEST_F(DataCountTest, Grid1DrawsItsTextCentredAndWrappedInBlue)
{
    open();
    auto* grid = child<QTableView>(*window, "Grid1");
    auto draw = [this](QPainter* painter, QStyleOptionViewItem& cell) { window->Grid1DrawCell(painter, cell); };
    const CellInk one = drawnCell(*grid, "8", {60, 40}, draw);
    ASSERT_FALSE(one.box.isEmpty());
    EXPECT_NEAR(one.box.center().x(), 30, 2);
    EXPECT_TRUE(one.colours.contains(qRgb(0, 0, 255)));
    for (QRgb c : one.colours) // blue, blended into white at the edges
        EXPECT_TRUE(qBlue(c) == 255 && qRed(c) == qGreen(c)) << std::hex << c;
    // Wider than the cell: broken at the blank onto a second line.
    const CellInk two = drawnCell(*grid, "12 34", {24, 40}, draw);
    EXPECT_GT(two.box.height(), grid->fontMetrics().height());
    EXPECT_LE(two.box.width(), 24);
}

TEST_F(DataCountTest, OpensComputedOverTheWholeHistoryWithOneRowPerRepeatedNumber)
{
    seed({"123", "456", "123", "789", "123", "456", "000", "000"});
    open();
    EXPECT_EQ(child<QComboBox>(*window, "SeSkinComboBox1")->currentText(), "01");
    EXPECT_EQ(child<QComboBox>(*window, "SeSkinComboBox2")->currentText(), "08");
    // Most frequent first, without pressing 开始统计.
    EXPECT_EQ(titles(*window, "Grid1"), QStringList({"开奖号码", "出现次数", "最近出现期数"}));
    EXPECT_EQ(cells(*window, "Grid1"),
              (QList<QStringList>{{"123", "3", "05"}, {"000", "2", "08"}, {"456", "2", "06"}}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    // A click on a title sorts by it; a second click the other way.
    QHeaderView* header = child<QTableView>(*window, "Grid1")->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(2) + 5, 5));
    EXPECT_EQ(cells(*window, "Grid1").first(), (QStringList{"123", "3", "05"}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(2) + 5, 5));
    EXPECT_EQ(cells(*window, "Grid1").first(), (QStringList{"000", "2", "08"}));
    EXPECT_TRUE(child<QTableView>(*window, "Grid1")->selectionModel()->selectedIndexes().isEmpty());

    // "123" twice in the range and once more outside it: one row, count 2.
    const auto rows = run("SeSkinRadioButton5", "01", "04");
    EXPECT_EQ(rows, (QList<QStringList>{{"123", "2", "03"}}));
    EXPECT_EQ(header->sortIndicatorSection(), -1); // a new table comes in its own order
    EXPECT_EQ(child<QTableView>(*window, "Grid1")->columnWidth(2), 100);
    EXPECT_EQ(child<QTableView>(*window, "Grid1")->columnWidth(0), 80);
    EXPECT_TRUE(child<QTableView>(*window, "Grid1")->isVisible());
    EXPECT_FALSE(chart()->isVisible());
    // Nothing repeated: the titles and one empty row.
    EXPECT_EQ(run("SeSkinRadioButton5", "01", "02"), (QList<QStringList>{{"", "", ""}}));
}

TEST_F(DataCountTest, NeverDrawnListsAndDigitCounts)
{
    QStringList everySum;
    for (int s = 0; s <= 27; ++s) {
        const int a = std::min(9, s), b = std::min(9, s - a);
        everySum << QStringLiteral("%1%2%3").arg(a).arg(b).arg(s - a - b);
    }
    seed(everySum);
    seed({"112", "007"});
    open();
    EXPECT_TRUE(run("SeSkinRadioButton6", "01", "28").isEmpty());
    EXPECT_EQ(child<QLabel>(*window, "listCaption")->text(), "未出现过的和值：共 0 个");
    // Ten to a row: 26 sums in three rows, the last one part filled.
    const auto sums = run("SeSkinRadioButton6", "02", "03");
    EXPECT_EQ(child<QLabel>(*window, "listCaption")->text(), "未出现过的和值：共 26 个");
    ASSERT_EQ(sums.size(), 3);
    EXPECT_EQ(sums[0], QStringList({"0", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    EXPECT_EQ(sums[2], QStringList({"22", "23", "24", "25", "26", "27", "", "", "", ""}));
    EXPECT_FALSE(child<QTableView>(*window, "Grid1")->horizontalHeader()->isVisible());

    const auto digits = run("SeSkinRadioButton8", "29", "29");
    EXPECT_EQ(titles(*window, "Grid1"), QStringList({"号码", "出现过期数"}));
    ASSERT_EQ(digits.size(), 10);
    EXPECT_EQ(digits[1], QStringList({"1", "1"}));
    EXPECT_EQ(digits[2], QStringList({"2", "1"}));
    EXPECT_EQ(digits[0], QStringList({"0", "0"}));

    const auto numbers = run("SeSkinRadioButton4", "30", "30");
    EXPECT_EQ(dialogs.messages(), QStringList{"该功能需要较多时间，请耐心等待！"});
    EXPECT_EQ(child<QLabel>(*window, "listCaption")->text(), "未出现过开奖号码：共 999 个");
    ASSERT_EQ(numbers.size(), 100);
    EXPECT_EQ(numbers[0], QStringList({"000", "001", "002", "003", "004", "005", "006", "008", "009", "010"}));
    EXPECT_EQ(numbers[99].last(), "");
}

// The six statistics come from one reading of the range, kept until the
// range or the history changes.
TEST_F(DataCountTest, StatisticsFollowAChangedHistory)
{
    seed({"123", "123"});
    open();
    EXPECT_EQ(run("SeSkinRadioButton5", "01", "03"), (QList<QStringList>{{"123", "2", "02"}}));
    seed({"123"}); // issue 03, inside the range typed
    EXPECT_EQ(run("SeSkinRadioButton5", "01", "03"), (QList<QStringList>{{"123", "3", "03"}}));
    store->deleteIssue("01");
    EXPECT_EQ(run("SeSkinRadioButton5", "01", "03"), (QList<QStringList>{{"123", "2", "03"}}));
}

TEST_F(DataCountTest, InvertedRangeGivesFullNeverDrawnListsAndZeroCounts)
{
    seed({"123", "456", "789"});
    open();
    EXPECT_EQ(run("SeSkinRadioButton6", "03", "01").size(), 3);
    EXPECT_EQ(child<QLabel>(*window, "listCaption")->text(), "未出现过的和值：共 28 个");
    EXPECT_EQ(run("SeSkinRadioButton4", "03", "01").size(), 100);
    for (const QStringList& row : run("SeSkinRadioButton8", "03", "01"))
        EXPECT_EQ(row[1], "0");
    EXPECT_EQ(run("SeSkinRadioButton5", "03", "01"), (QList<QStringList>{{"", "", ""}}));
}

TEST_F(DataCountTest, FrequencyChartsShowEveryValueInOneColourAndMarkItsShare)
{
    seed({"123", "321", "555", "000"});
    open();
    run("SeSkinRadioButton9", "01", "04");
    EXPECT_EQ(chart()->chart()->title(), "跨度频率统计");
    EXPECT_EQ(chart()->bars()->count(), 10); // spans 0-9
    run("SeSkinRadioButton7", "01", "04");
    EXPECT_TRUE(chart()->isVisible());
    EXPECT_FALSE(child<QTableView>(*window, "Grid1")->isVisible());
    EXPECT_EQ(chart()->chart()->title(), "和值频率统计");
    // Sums 0, 6 (twice), 15 among all 28; the 25 never drawn each get a mark at the axis.
    ASSERT_EQ(chart()->series()->barSets().size(), 1);
    QBarSet* bars = chart()->bars();
    ASSERT_EQ(bars->count(), 28);
    EXPECT_EQ(bars->at(0), 1.0);
    EXPECT_EQ(bars->at(6), 2.0);
    EXPECT_EQ(bars->at(15), 1.0);
    EXPECT_EQ(bars->at(27), 0.0);
    EXPECT_EQ(chart()->zeroMarks(), 25);
    EXPECT_EQ(chart()->marks().mid(0, 7), QStringList({"25 %", "0 %", "0 %", "0 %", "0 %", "0 %", "50 %"}));
    EXPECT_EQ(bars->color(), schemeColours().frequencyBars);
    // Every row keeps room for a line of text of at least 9 points.
    EXPECT_GE(chart()->minimumHeight(), 28 * QFontMetrics(ChartStyle::textFont()).height());
    EXPECT_GE(ChartStyle::textFont().pointSizeF(), 9);
}

} // namespace
