#include "ui/analysis/LanqiuYilou.h"

#include "tests/support/OmissionHistory.h"
#include "tests/ui/analysis/AnalysisFixture.h"
#include "ui/widgets/ColourScheme.h"

#include <QLabel>

namespace {

class LanqiuYilouTest : public AnalysisWindowTest
{
protected:
    TFrm_LanqiuYilou& open()
    {
        window = std::make_unique<TFrm_LanqiuYilou>(*store, dialogs, showCountSource);
        window->show();
        return *window;
    }
    QList<QStringList> run(const QString& first, const QString& last)
    {
        setRange(*window, "cmb1", first, "cmb2", last);
        click(*window, "SeSkinButton1");
        return cells(*window, "SeSkinStringGrid1");
    }
    QString count() const { return child<QLabel>(*window, "Label3")->text(); }
    std::unique_ptr<TFrm_LanqiuYilou> window;
};

TEST_F(LanqiuYilouTest, TableMarksHitsCountsOmissionsAndSumsUp)
{
    seed({"999", "123", "456", "123"});
    open();
    EXPECT_EQ(titles(*window, "SeSkinStringGrid1"),
              QStringList({"期数", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    const auto rows = run("02", "04");
    EXPECT_EQ(count(), "3");
    // Three draws, the empty row, the average and largest omissions, the
    // occurrences. The omission carries in from 999 before the range.
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows[0], QStringList({"02", "2", "中", "中", "中", "2", "2", "2", "2", "2", "1"}));
    EXPECT_EQ(rows[1], QStringList({"03", "3", "1", "1", "1", "中", "中", "中", "3", "3", "2"}));
    EXPECT_EQ(rows[2], QStringList({"04", "4", "中", "中", "中", "1", "1", "1", "4", "4", "3"}));
    EXPECT_EQ(rows[3], QStringList(11, QString()));
    // (3 − appearances) / (appearances + 1), half up: 1 / 3 -> 0, 2 / 2, 3 / 1.
    EXPECT_EQ(rows[4], QStringList({"平均遗漏", "3", "0", "0", "0", "1", "1", "1", "3", "3", "3"}));
    EXPECT_EQ(rows[5], QStringList({"最大遗漏", "4", "1", "1", "1", "2", "2", "2", "4", "4", "3"}));
    EXPECT_EQ(rows[6], QStringList({"出现次数", "0", "2", "2", "2", "1", "1", "1", "0", "0", "0"}));
}

// The hand-counted range of tests/support/OmissionHistory.h, the grid's and
// 分位遗漏's too, counting a digit wherever it stands.
TEST_F(LanqiuYilouTest, RangeStartingMidHistoryCarriesTheOmissionIn)
{
    namespace h = omission_history;
    QStringList numbers;
    for (const char* number : h::kNumbers)
        numbers << number;
    const QStringList issues = seed(numbers);
    open();
    const auto rows = run(issues[h::kRangeStart], issues.last());
    const int drawn = h::kDraws - h::kRangeStart;
    ASSERT_EQ(rows.size(), drawn + 4);
    const auto expected = [](const QString& title, const char* const (&figures)[10]) {
        QStringList row{title};
        for (const char* figure : figures)
            row << QString::fromUtf8(figure);
        return row;
    };
    EXPECT_EQ(rows[0], expected(issues[h::kRangeStart], h::kDigitFirstRow));
    EXPECT_EQ(rows[drawn - 1], expected(issues.last(), h::kDigitLastRow));
    EXPECT_EQ(rows[drawn + 1], expected("平均遗漏", h::kDigitAverage));
    EXPECT_EQ(rows[drawn + 2], expected("最大遗漏", h::kDigitLargest));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(LanqiuYilouTest, SingleDrawAndEmptyRange)
{
    seed({"777"});
    open();
    auto rows = run("01", "01");
    EXPECT_EQ(rows[0], QStringList({"01", "1", "1", "1", "1", "1", "1", "1", "中", "1", "1"}));
    EXPECT_EQ(rows[4][8], "3"); // 出现次数: three positions
    EXPECT_EQ(rows[3][8], "0"); // 最大遗漏
    EXPECT_EQ(rows[2][8], "0"); // 平均遗漏: 0 / 2
    EXPECT_EQ(rows[2][1], "1"); // 平均遗漏: 1 / 1

    rows = run("02", "09");
    EXPECT_EQ(count(), "0");
    ASSERT_EQ(rows.size(), 4); // with the title row, five rows
    EXPECT_EQ(rows[1], QStringList({"平均遗漏", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(rows[2], QStringList({"最大遗漏", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(rows[3][0], "出现次数");
}

TEST_F(LanqiuYilouTest, CellsCanBeEditedUntilTheNextRun)
{
    seed({"123"});
    open();
    run("01", "01");
    auto* model = child<QTableView>(*window, "SeSkinStringGrid1")->model();
    EXPECT_TRUE(model->setData(model->index(0, 5), "x"));
    EXPECT_EQ(model->index(0, 5).data().toString(), "x");
    run("01", "01");
    EXPECT_EQ(model->index(0, 5).data().toString(), "1");
}

TEST_F(LanqiuYilouTest, DefaultRangeHoldsTheNewestNPlusOneDraws)
{
    seedCount(6);
    showCount = "5";
    open();
    EXPECT_EQ(child<QComboBox>(*window, "cmb1")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>(*window, "cmb2")->currentIndex(), 5);
    // Built on opening: six draws and the rows below them.
    EXPECT_GT(cells(*window, "SeSkinStringGrid1").size(), 6);
    EXPECT_EQ(cells(*window, "SeSkinStringGrid1").at(0).first(), store->issueList().first());
    showCount = "3";
    open();
    EXPECT_EQ(child<QComboBox>(*window, "cmb1")->currentIndex(), 2);
    showCount = "40";
    open();
    EXPECT_EQ(child<QComboBox>(*window, "cmb1")->currentIndex(), 0);
}

TEST(LanqiuYilouCells, DrawingRules)
{
    // A grid of 1 draw: titles, the draw, the empty row, 平均遗漏, 最大遗漏, 出现次数.
    const int rows = 6;
    auto hit = TFrm_LanqiuYilou::SeSkinStringGrid1DrawCell("中", "7", 8, 1, rows);
    EXPECT_EQ(hit.text, "7");
    EXPECT_EQ(hit.background, schemeColours().hitFill);
    EXPECT_EQ(hit.color, schemeColours().hitText);
    auto omission = TFrm_LanqiuYilou::SeSkinStringGrid1DrawCell("3", "2", 3, 1, rows);
    EXPECT_EQ(omission.color, schemeColours().missText);
    EXPECT_FALSE(omission.background.isValid());
    auto issue = TFrm_LanqiuYilou::SeSkinStringGrid1DrawCell("01", "期数", 0, 1, rows);
    EXPECT_EQ(issue.color, QColor(Qt::black));
    for (int summary : {3, 4}) { // 平均遗漏, 最大遗漏
        auto figure = TFrm_LanqiuYilou::SeSkinStringGrid1DrawCell("3", "2", 3, summary, rows);
        EXPECT_EQ(figure.color, QColor(Qt::black)) << summary;
        EXPECT_FALSE(figure.bold) << summary;
    }
    auto counts = TFrm_LanqiuYilou::SeSkinStringGrid1DrawCell("2", "2", 3, 5, rows);
    EXPECT_EQ(counts.color, schemeColours().alertText);
    EXPECT_TRUE(counts.bold);
}

} // namespace
