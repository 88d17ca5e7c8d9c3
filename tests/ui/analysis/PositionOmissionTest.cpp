#include "exchange/CsvFile.h"
#include "tests/support/StoredOmissionHistory.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/PositionOmissionWindow.h"
#include "ui/widgets/ColourScheme.h"

#include <QTableWidget>

namespace {

using PositionOmissionTest = MainWindowTest;

TEST_F(PositionOmissionTest, OpensOnTheWholeHistoryAndExportsWhatItShows)
{
    const QStringList numbers{"123", "456", "123", "777", "120"};
    for (int i = 0; i < numbers.size(); ++i)
        ASSERT_TRUE(enterDraw(*store, QString::number(2025001 + i), numbers[i]).stored());
    show();
    const QString csv = dir.file("遗漏.CSV");
    dialogs.fileNames.push_back(csv);
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        auto* table = dialog->findChild<QTableWidget*>("omissionTable");
        EXPECT_EQ(table->rowCount(), 61);
        EXPECT_EQ(table->item(1, 0)->text(), "百位");
        EXPECT_EQ(table->item(1, 1)->text(), "1");
        EXPECT_EQ(table->item(1, 5)->text(), "3"); // appearances over all five draws
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("exportButton"), Qt::LeftButton);
        return int(QDialog::Accepted);
    });
    action("positionOmissionAction")->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{"已导出至 " + QDir::toNativeSeparators(csv)});
    const QList<QStringList> rows = readCsv(csv);
    ASSERT_EQ(rows.size(), 62);
    EXPECT_EQ(rows[0], PositionOmissionWindow::columnTitles());
    // 平均遗漏 (5 − appearances) / (appearances + 1), as the grid counts it.
    EXPECT_EQ(rows[2], (QStringList{"百位", "1", "0", "1", "0.50", "3", "0.00"}));
    EXPECT_EQ(rows[10], (QStringList{"百位", "9", "5", "5", "5.00", "0", "1.00"}));
}

// The hand-counted range of tests/support/OmissionHistory.h, the grid's and
// 遗漏分析's too: the figures carry in from the draws before it.
TEST_F(PositionOmissionTest, RangeStartingMidHistoryShowsTheGridsFigures)
{
    namespace h = omission_history;
    const QStringList issues = h::storeDraws(*store);
    PositionOmissionWindow window(*store, dialogs);
    window.findChild<QComboBox*>("startIssueBox")->setCurrentText(issues[h::kRangeStart]);
    window.findChild<QComboBox*>("endIssueBox")->setCurrentText(issues.last());
    window.run();
    auto* table = window.findChild<QTableWidget*>("omissionTable");
    ASSERT_EQ(table->rowCount(), 61);
    for (const h::PositionCase& c : h::kPositionCases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(table->item(c.column, 2)->text(), QString::number(c.current));
        EXPECT_EQ(table->item(c.column, 3)->text(), QString::number(c.largest));
        EXPECT_EQ(table->item(c.column, 4)->text(), c.average);
    }
    // current / average, and its band: 百位4 4 / 2.5; 百位7 and 百位0 never came in the range.
    const struct
    {
        int row;
        const char* ratio;
        int band;
    } ratios[] = {{4, "1.60", 2}, {7, "1.33", 0}, {0, "2.00", 0}, {26, "2.25", 3}, {1, "0.00", 1}};
    for (const auto& r : ratios) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(table->item(r.row, 6)->text(), r.ratio);
        EXPECT_EQ(table->item(r.row, 6)->background().color(), schemeColours().heat[r.band]);
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(PositionOmissionTest, NarrowerRangeAndEmptyRange)
{
    seed(6);
    show();
    PositionOmissionWindow window(*store, dialogs);
    auto* start = window.findChild<QComboBox*>("startIssueBox");
    auto* end = window.findChild<QComboBox*>("endIssueBox");
    auto* table = window.findChild<QTableWidget*>("omissionTable");
    start->setCurrentIndex(4);
    end->setCurrentIndex(1); // start after the end: no draws
    window.run();
    ASSERT_EQ(table->rowCount(), 61);
    for (int row = 0; row < table->rowCount(); ++row)
        EXPECT_EQ(table->item(row, 2)->text(), "0");
    start->setCurrentIndex(5);
    end->setCurrentIndex(5); // one draw
    window.run();
    int appeared = 0;
    for (int row = 0; row < 30; ++row)
        appeared += table->item(row, 5)->text().toInt();
    EXPECT_EQ(appeared, 3);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

} // namespace
