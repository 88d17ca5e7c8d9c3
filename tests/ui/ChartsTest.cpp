#include "core/IssueArithmetic.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/main/ChartTab.h"
#include "ui/widgets/TrendChartView.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QLineSeries>
#include <QScrollBar>
#include <QTabWidget>

namespace {

class ChartsTest : public MainWindowTest
{
protected:
    QList<qreal> lineValues(const char* name) const
    {
        QList<qreal> values;
        for (const QPointF& p : series<QLineSeries>(name)->points())
            values << p.y();
        return values;
    }
    QList<qreal> barValues(const char* name) const
    {
        QBarSet* set = series<QBarSeries>(name)->barSets().constFirst();
        QList<qreal> values;
        for (int i = 0; i < set->count(); ++i)
            values << set->at(i);
        return values;
    }
    template <typename T> T* series(const char* name) const
    {
        for (const char* chart : {"Chart5", "Chart8"})
            if (auto* found = child<TrendChartView>(chart)->chart()->findChild<T*>(QString::fromLatin1(name)))
                return found;
        ADD_FAILURE() << name;
        return nullptr;
    }
    QStringList labels(const char* name) const
    {
        for (QAbstractAxis* axis : series<QLineSeries>(name)->attachedAxes())
            if (auto* issues = qobject_cast<QBarCategoryAxis*>(axis))
                return issues->categories();
        return {};
    }
};

TEST_F(ChartsTest, StartUpDrawsBothChartsForTheDefaultRange)
{
    const QStringList issues = seed(50);
    show();
    EXPECT_EQ(labels("LineSeries1"), issues.mid(8));
    EXPECT_EQ(lineValues("LineSeries1").size(), 42);
    EXPECT_EQ(barValues("BarSeries1").size(), 42);
    EXPECT_EQ(lineValues("LineSeries2").size(), 42);
    EXPECT_TRUE(series<QLineSeries>("LineSeries1")->isVisible());
    EXPECT_FALSE(series<QBarSeries>("BarSeries1")->isVisible());
    EXPECT_TRUE(series<QLineSeries>("LineSeries2")->isVisible());
    EXPECT_FALSE(series<QBarSeries>("BarSeries2")->isVisible());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ChartsTest, PositionChartTakesTheChosenDigitOfEachDraw)
{
    ASSERT_TRUE(enterDraw(*store, "2025001", "305").stored());
    ASSERT_TRUE(enterDraw(*store, "2025002", "917").stored());
    show();
    child<QComboBox>("ComboBox16")->setCurrentIndex(1); // position "2"
    click("SpeedButton24");
    EXPECT_EQ(lineValues("LineSeries1"), (QList<qreal>{0, 1}));
    EXPECT_EQ(barValues("BarSeries1"), (QList<qreal>{0, 1}));
    EXPECT_EQ(labels("LineSeries1"), (QStringList{"2025001", "2025002"}));
    click("SpeedButton27");
    EXPECT_EQ(lineValues("LineSeries2"), (QList<qreal>{8, 17}));
    EXPECT_EQ(barValues("BarSeries2"), (QList<qreal>{8, 17}));
}

TEST_F(ChartsTest, FewerThanTwoDrawsAreRefusedAndEmptyTheChart)
{
    const QStringList issues = seed(6);
    show();
    for (auto [start, end, button, line, bars] :
         {std::tuple{"ComboBox17", "ComboBox18", "SpeedButton24", "LineSeries1", "BarSeries1"},
          std::tuple{"ComboBox25", "ComboBox26", "SpeedButton27", "LineSeries2", "BarSeries2"}}) {
        dialogs.clear();
        child<QComboBox>(start)->setCurrentIndex(3); // issues[3] .. issues[3]
        child<QComboBox>(end)->setCurrentIndex(2);
        click(button);
        EXPECT_EQ(dialogs.messages(), QStringList{ChartTab::kTooFewIssues}) << button;
        EXPECT_TRUE(lineValues(line).isEmpty());
        EXPECT_TRUE(barValues(bars).isEmpty());

        dialogs.clear();
        child<QComboBox>(start)->setCurrentIndex(4); // start after the end
        click(button);
        EXPECT_EQ(dialogs.messages(), QStringList{ChartTab::kTooFewIssues}) << button;

        dialogs.clear();
        child<QComboBox>(start)->setCurrentIndex(2); // exactly two draws
        click(button);
        EXPECT_TRUE(dialogs.messages().isEmpty());
        EXPECT_EQ(lineValues(line).size(), 2);
    }
}

TEST_F(ChartsTest, LineOrBarFollowsTheBox)
{
    seed(6);
    show();
    // The sum chart keeps its bars through a new drawing.
    click("CheckBox12");
    EXPECT_TRUE(series<QBarSeries>("BarSeries2")->isVisible());
    EXPECT_FALSE(series<QLineSeries>("LineSeries2")->isVisible());
    click("SpeedButton27");
    EXPECT_TRUE(series<QBarSeries>("BarSeries2")->isVisible());
    EXPECT_FALSE(series<QLineSeries>("LineSeries2")->isVisible());

    // The position chart applies the box again when it draws.
    child<QCheckBox>("CheckBox8")->setChecked(false);
    EXPECT_TRUE(series<QLineSeries>("LineSeries1")->isVisible());
    click("SpeedButton24");
    EXPECT_TRUE(series<QBarSeries>("BarSeries1")->isVisible());
    EXPECT_FALSE(series<QLineSeries>("LineSeries1")->isVisible());
}

TEST_F(ChartsTest, GuideLinesAndDepth)
{
    seed(6);
    show();
    auto* chart = child<TrendChartView>("Chart5");
    auto* remover = child<QAbstractButton>("SpeedButton33");
    EXPECT_TRUE(remover->isHidden());
    // The chart lays its items out from the event loop, as it does for a user.
    QCoreApplication::processEvents();
    for (int y : {40, 120, 200}) {
        QTest::mouseMove(chart->viewport(), QPoint(100, y));
        QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, QPoint(100, y));
        QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, QPoint(100, y));
    }
    EXPECT_EQ(chart->guideLineCount(), 3);
    EXPECT_FALSE(remover->isHidden());
    click("SpeedButton33");
    EXPECT_EQ(chart->guideLineCount(), 0);
    EXPECT_TRUE(remover->isHidden());

    auto* depth = child<QScrollBar>("ScrollBar5");
    EXPECT_TRUE(depth->isHidden());
    click("CheckBox7");
    EXPECT_TRUE(chart->view3D());
    EXPECT_FALSE(depth->isHidden());
    depth->setValue(100);
    EXPECT_EQ(chart->depthPercent(), 100);
    depth->setValue(0);
    EXPECT_EQ(chart->depthPercent(), 1);
    click("CheckBox7");
    EXPECT_FALSE(chart->view3D());
    EXPECT_TRUE(depth->isHidden());
}

// Both chart tabs are one kind of tab: over every sequence of the user's
// actions, each keeps its series, its depth bar and its guide-line remover in
// step with its boxes and lines, checked after every step.
TEST_F(ChartsTest, EitherTabStaysInStepThroughActionSequences)
{
    seed(8);
    show();
    QCoreApplication::processEvents();
    struct Tab
    {
        const char *run, *line, *threeD, *depth, *chart, *remover, *lineSeries, *barSeries;
    };
    const Tab tabs[] = {
        {"SpeedButton24", "CheckBox8", "CheckBox7", "ScrollBar5", "Chart5", "SpeedButton33", "LineSeries1",
         "BarSeries1"},
        {"SpeedButton27", "CheckBox12", "CheckBox11", "ScrollBar8", "Chart8", "SpeedButton32", "LineSeries2",
         "BarSeries2"},
    };
    enum Action
    {
        Run,
        Line,
        ThreeD,
        Press,
        Remove,
        Deeper
    };
    const std::vector<std::vector<Action>> sequences = {
        {Press, Press, Run, Line, Press, Remove},
        {ThreeD, Deeper, Press, Line, Run, ThreeD, Press},
        {Line, Run, Line, ThreeD, Press, Deeper, Remove, ThreeD, Run},
        {Press, ThreeD, Press, Line, Press, Remove, Run, Deeper},
    };
    for (const Tab& tab : tabs) {
        auto* chart = child<TrendChartView>(tab.chart);
        auto* line = child<QCheckBox>(tab.line);
        auto* threeD = child<QCheckBox>(tab.threeD);
        auto* depth = child<QScrollBar>(tab.depth);
        auto* remover = child<QAbstractButton>(tab.remover);
        child<QTabWidget>("PageControl3")->setCurrentIndex(&tab == &tabs[0] ? 1 : 2);
        bool removerShown = false;
        for (size_t n = 0; n < sequences.size(); ++n) {
            int step = 0;
            for (Action action : sequences[n]) {
                SCOPED_TRACE(QString("%1, sequence %2, step %3").arg(tab.chart).arg(n).arg(step++).toStdString());
                const int guidesBefore = chart->guideLineCount();
                switch (action) {
                case Run:
                    click(tab.run);
                    break;
                case Line:
                    click(tab.line);
                    break;
                case ThreeD:
                    click(tab.threeD);
                    break;
                case Press:
                    QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, QPoint(100, 60 + 20 * step));
                    break;
                case Remove:
                    if (!remover->isHidden())
                        click(tab.remover);
                    break;
                case Deeper:
                    depth->setValue(depth->value() % 100 + 10);
                    break;
                }
                // A press adds a line; every other action starts the chart without lines.
                EXPECT_EQ(chart->guideLineCount(), action == Press ? guidesBefore + 1 : 0);
                // 删除所有画线 shows from a press until it is pressed itself.
                removerShown = action == Press || (removerShown && action != Remove);
                EXPECT_EQ(remover->isHidden(), !removerShown);
                EXPECT_EQ(series<QLineSeries>(tab.lineSeries)->isVisible(), line->isChecked());
                EXPECT_EQ(series<QBarSeries>(tab.barSeries)->isVisible(), !line->isChecked());
                EXPECT_EQ(chart->view3D(), threeD->isChecked());
                EXPECT_EQ(depth->isHidden(), !threeD->isChecked());
                EXPECT_EQ(chart->depthPercent(), depth->value());
            }
            // The next sequence starts flat, with the line and without lines.
            if (threeD->isChecked())
                click(tab.threeD);
            if (!line->isChecked())
                click(tab.line);
            if (!remover->isHidden())
                click(tab.remover);
            removerShown = false;
        }
    }
}

// Every bar's value stands above it, a 0 included, and in 3D above its
// upper face; the axes' text is at least 9 points.
TEST_F(ChartsTest, BarValuesStayReadableFlatAndIn3D)
{
    const QStringList issues = seed(19);
    ASSERT_TRUE(enterDraw(*store, nextIssue(issues.last()), "000").stored()); // a sum of 0
    show();
    auto* chart = child<TrendChartView>("Chart8");
    click("CheckBox12"); // bars instead of the line
    ASSERT_TRUE(series<QBarSeries>("BarSeries2")->isVisible());
    chart->resize(900, 500);
    QCoreApplication::processEvents();
    const QList<qreal> values = barValues("BarSeries2");
    ASSERT_FALSE(values.isEmpty());
    EXPECT_EQ(values.last(), 0);
    for (bool threeD : {false, true}) {
        SCOPED_TRACE(threeD ? "3D" : "flat");
        chart->setView3D(threeD);
        for (int i = 0; i < values.size(); ++i) {
            const auto [box, text] = chart->barLabel(i);
            EXPECT_EQ(text, QString::number(values[i]));
            EXPECT_LE(box.bottom(), chart->barTop(i));
            EXPECT_FALSE(box.isEmpty());
        }
    }
    for (QAbstractAxis* axis : chart->chart()->axes())
        EXPECT_GE(axis->labelsFont().pointSizeF(), 9);
}

} // namespace
