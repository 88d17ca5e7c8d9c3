#include "ui/analysis/DataAnalyse.h"

#include "tests/ui/analysis/AnalysisFixture.h"

#include <QApplication>
#include <QHeaderView>

namespace {

class DataAnalyseTest : public AnalysisWindowTest
{
protected:
    TFrm_DataAnalyse& open()
    {
        window = std::make_unique<TFrm_DataAnalyse>(*store, dialogs, showCountSource);
        window->show();
        return *window;
    }
    QList<QStringList> run(const QString& first, const QString& last)
    {
        setRange(*window, "ComboBox1", first, "ComboBox2", last);
        click(*window, "SpeedButton1");
        return cells(*window, "StringGrid1");
    }
    std::unique_ptr<TFrm_DataAnalyse> window;
};

TEST_F(DataAnalyseTest, TitlesKeepTheirLeadingBlanks)
{
    open();
    const QStringList t = titles(*window, "StringGrid1");
    ASSERT_EQ(t.size(), 23);
    EXPECT_EQ(t[0], "               期数");
    EXPECT_EQ(t[2], "           新码");
    EXPECT_EQ(t[9], "奇偶形态");
    EXPECT_EQ(t[14], "          大码");
    EXPECT_EQ(t[22], "         均值");
    // Tall enough for every title wrapped in its column: none is cut.
    const QHeaderView* header = child<QTableView>(*window, "StringGrid1")->horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int column = 0; column < t.size(); ++column)
        EXPECT_LE(metrics.boundingRect(QRect(0, 0, header->sectionSize(column) - 2, 1000),
                                       Qt::AlignCenter | Qt::TextWordWrap, t[column].trimmed())
                      .height(),
                  header->height())
            << column;
    EXPECT_GE(header->font().pointSizeF(), 9);
    EXPECT_EQ(child<QTableView>(*window, "StringGrid1")->columnWidth(0), 50);
    EXPECT_EQ(child<QTableView>(*window, "StringGrid1")->columnWidth(5), 30);
    // Shown on the title row's last line, without the blanks.
    EXPECT_EQ(child<QTableView>(*window, "StringGrid1")->model()->headerData(0, Qt::Horizontal).toString(), "期数");
}

TEST_F(DataAnalyseTest, StringGrid1DrawsItsTextCentredAndWrappedInTheGridsColour)
{
    open();
    auto* grid = child<QTableView>(*window, "StringGrid1");
    auto draw = [this](QPainter* painter, QStyleOptionViewItem& cell) { window->StringGrid1DrawCell(painter, cell); };
    const CellInk one = drawnCell(*grid, "8", {60, 40}, draw);
    ASSERT_FALSE(one.box.isEmpty());
    EXPECT_NEAR(one.box.center().x(), 30, 2);
    const QColor text = grid->palette().color(QPalette::Text);
    EXPECT_TRUE(one.colours.contains(text.rgb()));
    const CellInk two = drawnCell(*grid, "12 34", {24, 40}, draw);
    EXPECT_GT(two.box.height(), grid->fontMetrics().height());
}

TEST_F(DataAnalyseTest, RowsRelateEachDrawToThePreviousOneOfTheRange)
{
    seed({"999", "123", "234", "550"});
    open();
    // The range starts at "123": its row has no previous draw, although "999" is stored.
    const auto rows = run("02", "04");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].mid(0, 7), QStringList({"02", "123", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(rows[1].mid(0, 7), QStringList({"03", "234", "3", "2", "1", "3", "4"}));
    EXPECT_EQ(rows[2].mid(7),
              QStringList({"2", "1", "110", "2", "0", "0", "1", "2", "1", "10", "0", "10", "0", "2", "10", "3"}));
    EXPECT_EQ(run("03", "03").size(), 1);
    QApplication::processEvents();
    // The run keeps the designed column widths.
    EXPECT_EQ(child<QTableView>(*window, "StringGrid1")->columnWidth(0), 50);
    EXPECT_EQ(child<QTableView>(*window, "StringGrid1")->columnWidth(5), 30);
    EXPECT_TRUE(run("04", "02").isEmpty());
}

TEST_F(DataAnalyseTest, ShortHistoryStartsAtTheFirstIssueAndOpensComputed)
{
    open();
    EXPECT_TRUE(cells(*window, "StringGrid1").isEmpty());
    seedCount(10);
    open();
    EXPECT_EQ(child<QComboBox>(*window, "ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>(*window, "ComboBox2")->currentIndex(), 9);
    EXPECT_EQ(cells(*window, "StringGrid1").size(), 10);
    showCount = "5";
    open();
    EXPECT_EQ(child<QComboBox>(*window, "ComboBox1")->currentIndex(), 3);
}

} // namespace
