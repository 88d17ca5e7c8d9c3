#include "exchange/CsvFile.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/PositionOmissionWindow.h"

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
    EXPECT_EQ(rows[2], (QStringList{"百位", "1", "0", "1", "0.67", "3", "0.00"}));
    EXPECT_EQ(rows[10], (QStringList{"百位", "9", "5", "5", "—", "0", "—"}));
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
