#include "ui/select/BacktestWindow.h"

#include "exchange/CsvFile.h"
#include "tests/ui/select/SelectFixture.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QSpinBox>
#include <QTableWidget>

namespace {

using BacktestWindowTest = SelectTest;

// The chart's points of the series named `name`, as "x:y".
QLineSeries* chartSeries(QDialog* dialog, const QString& name)
{
    for (QAbstractSeries* series : dialog->findChild<QChartView*>("netChart")->chart()->series())
        if (series->objectName() == name)
            return static_cast<QLineSeries*>(series);
    ADD_FAILURE() << "no series " << name.toStdString();
    return nullptr;
}

QStringList chartPoints(QDialog* dialog, const QString& name)
{
    QStringList points;
    if (QLineSeries* series = chartSeries(dialog, name))
        for (const QPointF& p : series->points())
            points << QString("%1:%2").arg(p.x()).arg(p.y());
    return points;
}

TEST_F(BacktestWindowTest, RunsTheSelectionOnTheLatestDrawsAndExports)
{
    const QStringList numbers{"111", "305", "917", "305", "222"};
    for (int i = 0; i < numbers.size(); ++i)
        addDraw(QString::number(2025001 + i), numbers[i]);
    pick(0, "3");
    pick(1, "0");
    pick(2, "5");
    const QString csv = dir.file("回测");
    dialogs.fileNames.push_back(csv);
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        auto* table = dialog->findChild<QTableWidget*>("resultTable");
        // Fewer draws stored than the 100 asked: all five are tried.
        EXPECT_EQ(table->rowCount(), 5);
        EXPECT_EQ(table->item(1, 0)->text(), "2025002");
        EXPECT_EQ(table->item(1, 3)->text(), "中");
        EXPECT_EQ(dialog->findChild<QLabel*>("summaryLabel")->text(),
                  "回测 5 期：中奖 2 期，中奖率 40.0%；共 5 注，投入 10 元，奖金 2080 元，盈亏 2070 元，回报率 "
                  "20800.0%（理论返还率 52.0%）。（历史数据只有 5 期。）");
        // One 直选 bet a draw: 2 元 out, 1040 × 1/1000 back on average.
        EXPECT_EQ(chartPoints(dialog, "netSeries"), QStringList({"1:-2", "2:1036", "3:1034", "4:2072", "5:2070"}));
        EXPECT_EQ(chartPoints(dialog, "expectedNetSeries"),
                  QStringList({"1:-0.96", "2:-1.92", "3:-2.88", "4:-3.84", "5:-4.8"}));
        EXPECT_EQ(chartSeries(dialog, "expectedNetSeries")->pen().style(), Qt::DashLine);

        dialog->findChild<QSpinBox*>("drawCountBox")->setValue(2);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("runButton"), Qt::LeftButton);
        EXPECT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->item(0, 0)->text(), "2025004");
        EXPECT_EQ(chartPoints(dialog, "expectedNetSeries"), QStringList({"1:-0.96", "2:-1.92"}));
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("exportButton"), Qt::LeftButton);
        return int(QDialog::Accepted);
    });
    click("backtestButton");
    EXPECT_TRUE(dialogs.modalHandlers.empty());
    const QList<QStringList> rows = readCsv(csv + ".csv");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], BacktestWindow::columnTitles());
    EXPECT_EQ(rows[1], (QStringList{"2025004", "305", "1", "中", "2", "1040", "1038"}));
    EXPECT_EQ(rows[2], (QStringList{"2025005", "222", "1", "", "2", "0", "1036"}));
}

TEST_F(BacktestWindowTest, TheoryFollowsTheBetKind)
{
    addDraw("2025001", "111");
    addDraw("2025002", "503");
    addDraw("2025003", "222");
    pick(0, "3"), pick(1, "0"), pick(2, "5");
    click("RadioButton3"); // one 组选6 bet, 035
    dialogs.clear();
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QLabel*>("summaryLabel")->text(),
                  "回测 3 期：中奖 1 期，中奖率 33.3%；共 3 注，投入 6 元，奖金 173 元，盈亏 167 元，回报率 "
                  "2883.3%（理论返还率 51.9%）。（历史数据只有 3 期。）");
        // 173 × 6/1000 back for 2 元 a draw.
        EXPECT_EQ(chartPoints(dialog, "expectedNetSeries"), QStringList({"1:-0.962", "2:-1.924", "3:-2.886"}));
        return int(QDialog::Accepted);
    });
    click("backtestButton");
    EXPECT_TRUE(dialogs.modalHandlers.empty());
}

TEST_F(BacktestWindowTest, RefusesAnEmptySelectionAndAnEmptyHistory)
{
    click("backtestButton"); // no digits chosen: the generation's own message
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.modalHandlers.empty());

    dialogs.clear();
    pickAll();
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QTableWidget*>("resultTable")->rowCount(), 0);
        return int(QDialog::Accepted);
    });
    click("backtestButton");
    EXPECT_EQ(dialogs.messages(), QStringList{BacktestWindow::kNoDraws});
}

} // namespace
