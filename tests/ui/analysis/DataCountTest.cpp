#include "ui/analysis/DataCount.h"

#include "tests/ui/analysis/AnalysisFixture.h"
#include "ui/analysis/FrequencyBars.h"

#include <QBarSet>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
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

TEST_F(DataCountTest, RangeIsTheWholeHistoryAndRepeatedNumbersListTheirIssues)
{
    seed({"123", "456", "123", "789", "123"});
    open();
    EXPECT_EQ(child<QComboBox>(*window, "SeSkinComboBox1")->currentText(), "01");
    EXPECT_EQ(child<QComboBox>(*window, "SeSkinComboBox2")->currentText(), "05");
    // "123" twice in the range and once more outside it: two rows, count 2.
    const auto rows = run("SeSkinRadioButton5", "01", "04");
    EXPECT_EQ(titles(*window, "Grid1"), QStringList({"期数", "开奖号码", "出现次数"}));
    EXPECT_EQ(rows, (QList<QStringList>{{"01", "123", "2"}, {"03", "123", "2"}}));
    EXPECT_EQ(child<QTableView>(*window, "Grid1")->columnWidth(1), 100);
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
    EXPECT_EQ(titles(*window, "Grid1"), QStringList{"未出现过的和值"});
    EXPECT_EQ(column(run("SeSkinRadioButton6", "02", "03")).size(), 26);

    const auto digits = run("SeSkinRadioButton8", "29", "29");
    EXPECT_EQ(titles(*window, "Grid1"), QStringList({"号码", "出现过期数"}));
    ASSERT_EQ(digits.size(), 10);
    EXPECT_EQ(digits[1], QStringList({"1", "1"}));
    EXPECT_EQ(digits[2], QStringList({"2", "1"}));
    EXPECT_EQ(digits[0], QStringList({"0", "0"}));

    const QStringList numbers = column(run("SeSkinRadioButton4", "30", "30"));
    EXPECT_EQ(dialogs.messages(), QStringList{"该功能需要较多时间，请耐心等待！"});
    EXPECT_EQ(titles(*window, "Grid1"), QStringList{"未出现过开奖号码"});
    EXPECT_EQ(numbers.size(), 999);
    EXPECT_EQ(numbers.first(), "000");
    EXPECT_FALSE(numbers.contains("007"));
}

TEST_F(DataCountTest, InvertedRangeGivesFullNeverDrawnListsAndZeroCounts)
{
    seed({"123", "456", "789"});
    open();
    EXPECT_EQ(run("SeSkinRadioButton6", "03", "01").size(), 28);
    EXPECT_EQ(run("SeSkinRadioButton4", "03", "01").size(), 1000);
    for (const QStringList& row : run("SeSkinRadioButton8", "03", "01"))
        EXPECT_EQ(row[1], "0");
    EXPECT_EQ(run("SeSkinRadioButton5", "03", "01"), (QList<QStringList>{{"", "", ""}}));
}

TEST_F(DataCountTest, FrequencyChartsColourEachBarAndMarkItsShare)
{
    seed({"123", "321", "555", "000"});
    open();
    run("SeSkinRadioButton9", "01", "04");
    EXPECT_EQ(chart()->chart()->title(), "跨度频率统计");
    run("SeSkinRadioButton7", "01", "04");
    EXPECT_TRUE(chart()->isVisible());
    EXPECT_FALSE(child<QTableView>(*window, "Grid1")->isVisible());
    EXPECT_EQ(chart()->chart()->title(), "和值频率统计");
    // Sums 0, 6 (twice), 15.
    const QList<QBarSet*> bars = chart()->series()->barSets();
    ASSERT_EQ(bars.size(), 3);
    EXPECT_EQ(bars[1]->at(1), 2.0);
    EXPECT_EQ(bars[1]->at(0), 0.0);
    EXPECT_EQ(chart()->marks(), QStringList({"25 %", "50 %", "25 %"}));
    EXPECT_EQ(bars[0]->color(), QColor(0xF4, 0x01, 0x00)); // 500 = 0x0001F4
    EXPECT_EQ(bars[2]->color(), FrequencyBars::barColor(2));
    EXPECT_EQ(FrequencyBars::barColor(2), QColor(0x94, 0x11, 0x00)); // 4500 = 0x001194
}

} // namespace
