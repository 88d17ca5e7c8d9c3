#include "tests/support/StoredOmissionHistory.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/DataGrid.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QImage>
#include <set>

namespace {

class GridTest : public MainWindowTest
{
protected:
    DataGrid* grid() const { return child<DataGrid>("DBGridEh1"); }
    QComboBox* box(const char* name) const { return child<QComboBox>(name); }

    // Footer counts of the thirty digit columns, per position.
    std::array<int, 3> footerSums() const
    {
        std::array<int, 3> sums{};
        for (int column = 1; column <= 30; ++column)
            sums[size_t((column - 1) / 10)] += grid()->footer(column).text.toInt();
        return sums;
    }

    // Columns of `row` whose cells are painted in the highlight colour.
    std::set<int> greenColumns(int row) const
    {
        const QImage picture = grid()->grab().toImage();
        std::set<int> green;
        for (int column = 0; column < grid()->model()->columnCount(); ++column) {
            const QRect cell = grid()->cellRect(grid()->model()->index(row, column));
            EXPECT_FALSE(cell.isEmpty()) << column;
            if (QColor(picture.pixel(cell.left() + 1, cell.top() + 1)) == schemeColours().highlight)
                green.insert(column);
        }
        return green;
    }
};

TEST_F(GridTest, RowShowsEachDrawnDigitInItsOwnColumnOnly)
{
    show();
    enter("2025001", "305");
    auto* model = grid()->model();
    ASSERT_EQ(model->rowCount(), 1);
    ASSERT_EQ(model->columnCount(), 41);
    QStringList filled;
    for (int column = 1; column <= 30; ++column)
        if (!model->index(0, column).data().toString().isEmpty())
            filled << model->headerData(column, Qt::Horizontal).toString() + "=" +
                          model->index(0, column).data().toString();
    EXPECT_EQ(filled, (QStringList{"第一位|3=3", "第二位|0=0", "第三位|5=5"}));
    EXPECT_EQ(model->index(0, 38).data().toString(), "305");
}

// The newest draw is in view after a range is shown, in either order, and
// after an entry.
TEST_F(GridTest, TheNewestDrawIsInView)
{
    const QStringList issues = seed(100);
    show();
    auto inView = [this](const QString& issue) {
        QCoreApplication::processEvents();
        const QAbstractItemModel* model = grid()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 0).data().toString() == issue)
                return grid()->viewport()->rect().contains(grid()->visualRect(model->index(row, 0))) &&
                       // clear of the footer row laid over the bottom
                       grid()->visualRect(model->index(row, 0)).bottom() <
                           grid()->viewport()->height() - (grid()->fontMetrics().height() + 6);
        return false;
    };
    ASSERT_GT(grid()->model()->rowCount(), 30);
    EXPECT_TRUE(inView(issues.last())) << "after start";
    EXPECT_FALSE(inView(grid()->model()->index(0, 0).data().toString())) << "the grid is taller than its view";

    click("SpeedButton21");
    EXPECT_TRUE(inView(issues.last())) << "descending";
    click("SpeedButton21");
    click("SpeedButton18");
    child<QLineEdit>("Edit4")->setText("123");
    const QString entered = child<QLineEdit>("Edit3")->text();
    click("SpeedButton13");
    EXPECT_TRUE(inView(entered)) << "after an entry";
}

TEST_F(GridTest, FrequencyFootersCountTheSelectedRange)
{
    const QStringList issues = seed(12);
    show();
    click("SpeedButton19");
    // Start-up selects the whole history of 12 draws.
    EXPECT_EQ(footerSums(), (std::array<int, 3>{12, 12, 12}));
    EXPECT_EQ(grid()->footer(0).text, "频  率");
    EXPECT_EQ(grid()->footer(1).background, QColor(187, 226, 255));
    EXPECT_EQ(grid()->footer(11).background, QColor(236, 247, 255));
    EXPECT_EQ(grid()->footer(21).background, QColor(187, 226, 255));
    EXPECT_FALSE(grid()->hasFooter(31));

    box("ComboBox14")->setCurrentIndex(1); // issues[1] .. issues[10]
    box("ComboBox15")->setCurrentIndex(9);
    click("SpeedButton19");
    EXPECT_EQ(footerSums(), (std::array<int, 3>{10, 10, 10}));

    box("ComboBox14")->setCurrentIndex(8); // start after the end
    box("ComboBox15")->setCurrentIndex(2);
    click("SpeedButton19");
    EXPECT_EQ(footerSums(), (std::array<int, 3>{0, 0, 0}));
    for (int column = 1; column <= 30; ++column)
        EXPECT_EQ(grid()->footer(column).text, "0") << column;

    // An empty start counts the whole table, whatever the end says.
    box("ComboBox14")->setCurrentIndex(-1);
    click("SpeedButton19");
    EXPECT_EQ(footerSums(), (std::array<int, 3>{12, 12, 12}));
    EXPECT_EQ(grid()->frozenCols(), 2);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// Twelve draws counted by hand (tests/support/OmissionHistory.h, the same as
// 分位遗漏's and 遗漏分析's), shown from the seventh: the figures carry the
// omission on from the draws before.
TEST_F(GridTest, TrendFootersAndOmissionCellsOfARangeStartingMidHistory)
{
    namespace h = omission_history;
    const QStringList issues = h::storeDraws(*store);
    show();
    box("ComboBox14")->setCurrentText(issues[h::kRangeStart]);
    box("ComboBox15")->setCurrentText(issues.last());
    click("SpeedButton18");
    click("SpeedButton19");
    ASSERT_EQ(grid()->footerRows(), 5);
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(grid()->footer(row, 0).text, TFrmMain::kTrendTitles[row - 1]);
    EXPECT_EQ(TFrmMain::kTrendTitles, QStringList({"当前遗漏", "平均遗漏", "最大遗漏", "最大连出"}));
    // Grid column 1 + position × 10 + digit.
    for (const h::PositionCase& c : h::kPositionCases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(grid()->footer(1, 1 + c.column).text, QString::number(c.current));
        EXPECT_EQ(grid()->footer(2, 1 + c.column).text, c.wholeAverage);
        EXPECT_EQ(grid()->footer(3, 1 + c.column).text, QString::number(c.largest));
    }
    // 最大连出: hundreds 1 in rows 2 and 3, hundreds 4 once, tens 0 in the last two.
    const std::pair<int, QString> runs[] = {{2, "2"}, {5, "1"}, {8, "0"}, {1, "0"}, {11, "2"}};
    for (const auto& [column, run] : runs)
        EXPECT_EQ(grid()->footer(4, column).text, run) << column;
    EXPECT_EQ(footerSums(), (std::array<int, 3>{6, 6, 6}));

    // 显示遗漏值: the empty digit cells carry the omission, in grey; hits keep theirs.
    const auto figure = [this](int row, int column) {
        return window->omissionFigure(grid()->model()->index(row, column));
    };
    EXPECT_EQ(figure(0, 5), "");
    click("showOmissionButton");
    EXPECT_EQ(figure(0, 5), "5"); // five draws after the second
    EXPECT_EQ(figure(1, 5), "");  // 456: a hit
    EXPECT_EQ(figure(5, 5), "4");
    EXPECT_EQ(figure(0, 1), "7");
    const QImage picture = grid()->grab().toImage();
    // Grey ink on the cells' pale blue: a pixel as red as it is blue, darker than the ground.
    const auto hasGrey = [&](int row, int column) {
        const QRect cell = grid()->cellRect(grid()->model()->index(row, column));
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            for (int x = cell.left() + 1; x < cell.right(); ++x) {
                const QColor pixel(picture.pixel(x, y));
                if (pixel.red() == pixel.blue() && pixel.red() == pixel.green() && pixel.red() < 200)
                    return true;
            }
        return false;
    };
    EXPECT_TRUE(hasGrey(0, 5));
    EXPECT_FALSE(hasGrey(1, 5));
    // Descending, each row keeps its own figure; a new range brings its own.
    click("SpeedButton21");
    EXPECT_EQ(figure(5, 5), "5");
    EXPECT_EQ(figure(0, 5), "4");
    box("ComboBox14")->setCurrentText(issues[0]);
    click("SpeedButton18");
    EXPECT_EQ(figure(6, 5), "5");
    EXPECT_EQ(grid()->footer(1, 1).text, "12");
    click("showOmissionButton");
    EXPECT_EQ(figure(6, 5), "");
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// A selected row's text takes the highlighted-text colour, not its ink on
// the highlight, even in a highlighted column: dark blue on blue would not read.
TEST_F(GridTest, SelectedRowsStayReadable)
{
    seed(5);
    show();
    grid()->selectRow(0);
    const QModelIndex sum = grid()->model()->index(0, 31); // 总和, blue ink
    ASSERT_FALSE(sum.data().toString().isEmpty());
    // Its column highlighted too: a click on its title.
    QHeaderView* titles = grid()->horizontalHeader();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(titles->sectionViewportPosition(31) + titles->sectionSize(31) / 2, titles->height() / 2));
    const QImage picture = grid()->grab().toImage();
    const QColor ink = sum.data(Qt::ForegroundRole).value<QBrush>().color();
    const auto inkedPixels = [&](const QModelIndex& index) {
        const QRect cell = grid()->cellRect(index);
        int inked = 0;
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            for (int x = cell.left() + 1; x < cell.right(); ++x)
                inked += QColor(picture.pixel(x, y)) == ink ? 1 : 0;
        return inked;
    };
    EXPECT_EQ(inkedPixels(sum), 0);
    EXPECT_GT(inkedPixels(grid()->model()->index(1, 31)), 0); // an unselected row keeps its ink
}

TEST_F(GridTest, StartIgnoresDescendingOrderAndKeepsGridLinesHidden)
{
    const QStringList issues = seed(5);
    show();
    click("SpeedButton21");
    QStringList reversed(issues.rbegin(), issues.rend());
    EXPECT_EQ(gridIssues(), reversed);

    click("SpeedButton22");
    EXPECT_FALSE(grid()->gridLines());
    click("SpeedButton18");
    EXPECT_EQ(gridIssues(), issues);
    EXPECT_TRUE(child<QAbstractButton>("SpeedButton21")->isChecked());
    EXPECT_FALSE(grid()->gridLines());

    click("SpeedButton21"); // released: ascending again
    EXPECT_EQ(gridIssues(), issues);
    click("SpeedButton22");
    EXPECT_TRUE(grid()->gridLines());
}

TEST_F(GridTest, TitleClickHighlightsTheFilledCellsOfItsGroup)
{
    show();
    enter("2025001", "305");
    const int sum = 31, scale = 32, large = 33, ac = 34, same = 35, span = 36, primes = 37, number = 38, oddEven = 39,
              bigSmall = 40;
    const struct
    {
        int clicked;
        std::set<int> green;
    } cases[] = {
        {1, {4}},
        {8, {4}},
        {11, {11}},
        {14, {11}},
        {30, {26}},
        {21, {26}},
        {0, {0, primes}},
        {primes, {0, primes}},
        {scale, {scale, oddEven}},
        {oddEven, {scale, oddEven}},
        {large, {large, bigSmall}},
        {bigSmall, {large, bigSmall}},
        {sum, {sum}},
        {ac, {ac}},
        {same, {same}},
        {span, {span}},
        {number, {number}},
    };
    EXPECT_TRUE(greenColumns(0).empty());
    for (const auto& c : cases) {
        // Clicked where the user would: on whatever shows that title.
        const QPoint at = grid()->titleRect(c.clicked).center();
        QWidget* target = grid()->childAt(at);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(grid(), at));
        EXPECT_EQ(greenColumns(0), c.green) << "clicked column " << c.clicked;
    }
}

TEST_F(GridTest, LineModeDrawsAPolylineUntilLeft)
{
    seed(5);
    show();
    auto* cells = grid()->viewport();
    click("SpeedButton30");
    EXPECT_FALSE(grid()->defaultDrawing());
    QTest::mouseRelease(cells, Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(grid()->canvasLineCount(), 0); // only the start point
    QTest::mouseRelease(cells, Qt::RightButton, {}, QPoint(90, 40));
    QTest::mouseRelease(cells, Qt::LeftButton, {}, QPoint(120, 30));
    EXPECT_EQ(grid()->canvasLineCount(), 2);

    click("SpeedButton30");
    EXPECT_EQ(grid()->canvasLineCount(), 0);
    EXPECT_TRUE(grid()->defaultDrawing());
    QTest::mouseRelease(cells, Qt::LeftButton, {}, QPoint(60, 10));
    QTest::mouseRelease(cells, Qt::LeftButton, {}, QPoint(90, 10));
    EXPECT_EQ(grid()->canvasLineCount(), 0); // nothing is drawn outside line mode
}

// The grid reads a page at a time: rows far down a long range still come
// back right, in both orders.
TEST_F(GridTest, LongRangesArePagedFaithfully)
{
    const QStringList issues = seed(600);
    show();
    auto* model = grid()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Warning);
    box("ComboBox14")->setCurrentIndex(0);
    click("SpeedButton18");
    ASSERT_EQ(model->rowCount(), 600);
    for (int row : {0, 255, 256, 511, 599, 3})
        EXPECT_EQ(model->index(row, 0).data().toString(), issues[row]) << row;
    click("SpeedButton21");
    for (int row : {0, 300, 599})
        EXPECT_EQ(model->index(row, 0).data().toString(), issues[599 - row]) << row;
}

} // namespace
