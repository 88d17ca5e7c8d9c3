#include "ui/analysis/Trend.h"

#include "tests/ui/analysis/AnalysisFixture.h"
#include "ui/analysis/TrendChart.h"

#include <QLabel>
#include <QLineSeries>
#include <QRadioButton>

namespace {

class TrendTest : public AnalysisWindowTest
{
protected:
    TFrm_Trend& open()
    {
        window = std::make_unique<TFrm_Trend>(*store, dialogs);
        window->show();
        return *window;
    }
    void run(const char* radio, const QString& first, const QString& last)
    {
        click(*window, radio);
        setRange(*window, "SeSkinComboBox1", first, "SeSkinComboBox2", last);
        click(*window, "SeSkinButton1");
    }
    TrendChart* chart(const char* name) const { return child<TrendChart>(*window, name); }
    std::unique_ptr<TFrm_Trend> window;
};

QList<QPointF> points(const TrendChart* chart)
{
    return chart->series()->points();
}

TEST_F(TrendTest, PrimeAndRouteChartsPlotEachPositionWithCountsInTheTitles)
{
    seed({"999", "123", "480"});
    open();
    run("SeSkinRadioButton1", "02", "03");
    for (const char* name : {"Chart1", "Chart2", "Chart3"}) {
        EXPECT_EQ(points(chart(name)), (QList<QPointF>{{0, 1}, {1, 0}})) << name;
        EXPECT_EQ(chart(name)->labels(), QStringList({"02", "03"}));
        EXPECT_TRUE(chart(name)->isVisible());
    }
    EXPECT_FALSE(chart("Chart4")->isVisible());
    EXPECT_EQ(chart("Chart1")->title(), "第一位走势图  （其中质数1个,和数1个）");
    EXPECT_EQ(chart("Chart1")->series()->color(), QColor(255, 0, 0));

    run("SeSkinRadioButton2", "02", "03");
    EXPECT_EQ(child<QLabel>(*window, "SeSkinLabel2")->text(), "0代表0369，1代表147，2代表258");
    EXPECT_EQ(points(chart("Chart1")), (QList<QPointF>{{0, 1}, {1, 1}}));
    EXPECT_EQ(points(chart("Chart2")), (QList<QPointF>{{0, 2}, {1, 2}}));
    EXPECT_EQ(points(chart("Chart3")), (QList<QPointF>{{0, 0}, {1, 0}}));
    EXPECT_EQ(chart("Chart3")->title(), "第三位走势图  （其中0路2个,1路0个,2路0个）");

    // A range of no draws: empty series, zero counts.
    run("SeSkinRadioButton1", "03", "02");
    EXPECT_TRUE(points(chart("Chart2")).isEmpty());
    EXPECT_EQ(chart("Chart2")->title(), "第二位走势图  （其中质数0个,和数0个）");
}

TEST_F(TrendTest, SpanChartReplacesThePositionCharts)
{
    seed({"123", "480", "555"});
    open();
    run("SeSkinRadioButton6", "01", "03");
    EXPECT_TRUE(child<QLabel>(*window, "SeSkinLabel2")->text().isEmpty());
    EXPECT_TRUE(chart("Chart4")->isVisible());
    EXPECT_FALSE(chart("Chart1")->isVisible());
    EXPECT_EQ(points(chart("Chart4")), (QList<QPointF>{{0, 2}, {1, 8}, {2, 0}}));
    EXPECT_EQ(chart("Chart4")->title(), "跨度走势图");
    // Choosing again only switches charts and legend; the points stay.
    click(*window, "SeSkinRadioButton1");
    EXPECT_EQ(child<QLabel>(*window, "SeSkinLabel2")->text(), "1代表质数12357，0代表和数04689");
    EXPECT_TRUE(chart("Chart1")->isVisible());
    EXPECT_FALSE(chart("Chart4")->isVisible());
    EXPECT_EQ(points(chart("Chart4")).size(), 3);
}

TEST_F(TrendTest, DefaultRangeIsTheNewestTwentyDraws)
{
    seedCount(10);
    open();
    EXPECT_EQ(child<QComboBox>(*window, "SeSkinComboBox1")->currentIndex(), 0);
    seedCount(15);
    open();
    EXPECT_EQ(child<QComboBox>(*window, "SeSkinComboBox1")->currentIndex(), 5);
    EXPECT_EQ(child<QComboBox>(*window, "SeSkinComboBox2")->currentIndex(), 24);
    // Drawn on opening: the newest twenty draws.
    EXPECT_EQ(points(chart("Chart1")).size(), 20);
}

} // namespace
