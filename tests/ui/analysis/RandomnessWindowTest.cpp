#include "ui/analysis/RandomnessWindow.h"

#include "exchange/CsvFile.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/analysis/AnalysisFixture.h"
#include "ui/analysis/ObservedExpectedChart.h"

#include <QBarSet>
#include <QLabel>
#include <QTableWidget>

namespace {

QList<qreal> values(const QBarSet* set)
{
    QList<qreal> list;
    for (int i = 0; i < set->count(); ++i)
        list << set->at(i);
    return list;
}

class RandomnessWindowTest : public AnalysisWindowTest
{
protected:
    // 000, 111, ... 999 `times` times over.
    void seedAllEqual(int times)
    {
        QStringList numbers;
        for (int t = 0; t < times; ++t)
            for (int d = 0; d < 10; ++d)
                numbers << QString(3, QChar(u'0' + d));
        seed(numbers);
    }
};

TEST_F(RandomnessWindowTest, TestsTheWholeHistoryChartsItAndExportsTheTable)
{
    seedAllEqual(3);
    RandomnessWindow window(*store, dialogs);
    window.show();
    const QList<QStringList> rows = cells(window, "resultTable");
    ASSERT_EQ(rows.size(), 36);
    EXPECT_EQ(child<QLabel>(window, "drawsLabel")->text(), RandomnessText::drawsTested(30));
    EXPECT_EQ(rows[0][6], RandomnessText::kFits);
    EXPECT_EQ(rows[4][0], "形态"); // only 豹子
    EXPECT_EQ(rows[4][6], RandomnessText::kDeparts);
    const auto* table = child<QTableWidget>(window, "resultTable");
    EXPECT_NE(table->item(4, 6)->background(), table->item(0, 6)->background());

    const auto* hundreds = child<ObservedExpectedChart>(window, "hundredsChart");
    EXPECT_EQ(values(hundreds->observed()), QList<qreal>(10, 3));
    EXPECT_EQ(values(hundreds->expected()), QList<qreal>(10, 3));
    const auto* sums = child<ObservedExpectedChart>(window, "sumChart");
    ASSERT_EQ(sums->observed()->count(), 28);
    EXPECT_EQ(sums->observed()->at(27), 3);
    EXPECT_EQ(sums->observed()->at(26), 0);
    int neverDrawn = 0;
    for (int sum = 0; sum < 28; ++sum)
        neverDrawn += sums->observed()->at(sum) == 0 ? 1 : 0;
    EXPECT_EQ(sums->zeroMarks(), neverDrawn); // each shown at the axis
    EXPECT_EQ(hundreds->zeroMarks(), 0);
    EXPECT_DOUBLE_EQ(sums->expected()->at(13), 30 * 75 / 1000.0);

    const QString csv = dir.file("随机性.csv");
    dialogs.fileNames.push_back(csv);
    dialogs.clear();
    click(window, "exportButton");
    EXPECT_EQ(dialogs.messages(), QStringList{"已导出至 " + QDir::toNativeSeparators(csv)});
    QList<QStringList> expected{RandomnessText::columnTitles()};
    expected << rows;
    EXPECT_EQ(readCsv(csv), expected);
}

TEST_F(RandomnessWindowTest, ShortRangeIsOnlyCounted)
{
    const QStringList issues = seed(QStringList(40, "123"));
    RandomnessWindow window(*store, dialogs);
    window.show();
    EXPECT_EQ(cells(window, "resultTable")[0][6], RandomnessText::kDeparts);

    setRange(window, "startIssueBox", issues[11], "endIssueBox", issues[39]);
    click(window, "runButton");
    EXPECT_EQ(child<QLabel>(window, "drawsLabel")->text(), RandomnessText::tooShort(29));
    for (const QStringList& row : cells(window, "resultTable"))
        EXPECT_EQ(row.mid(3), QStringList(4, "—")) << row.join('|').toStdString();
    EXPECT_EQ(child<ObservedExpectedChart>(window, "tensChart")->observed()->at(2), 29);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

using RandomnessMenuTest = MainWindowTest;

TEST_F(RandomnessMenuTest, MenuItemOpensTheWindowOnTheWholeHistory)
{
    seed(45);
    show();
    int rows = 0;
    QString said;
    dialogs.modalHandlers.push_back([&](QDialog* window) {
        window->show();
        rows = window->findChild<QTableWidget*>("resultTable")->rowCount();
        said = window->findChild<QLabel*>("drawsLabel")->text();
        return 0;
    });
    action("randomnessAction")->trigger();
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList{RandomnessWindow::kCaption});
    EXPECT_EQ(rows, 36);
    EXPECT_EQ(said, RandomnessText::drawsTested(45));
}

} // namespace
