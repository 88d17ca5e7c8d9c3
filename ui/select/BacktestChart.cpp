#include "ui/select/BacktestChart.h"

#include "ui/widgets/ChartStyle.h"
#include "ui/widgets/ColourScheme.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

BacktestChart::BacktestChart(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName("netChart");
    QChart* chart = this->chart();
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setTitle(QStringLiteral("累计盈亏（元）"));
    chart->setMargins(QMargins(4, 4, 4, 4));
    // The band first, so the lines are drawn over it.
    m_low = new QLineSeries(chart);
    m_high = new QLineSeries(chart);
    m_band = new QAreaSeries(m_high, m_low);
    m_band->setObjectName("chanceBandSeries");
    m_band->setName(QStringLiteral("随机90%范围"));
    chart->addSeries(m_band);
    m_net = new QLineSeries(chart);
    m_net->setObjectName("netSeries");
    m_net->setName(QStringLiteral("实际"));
    chart->addSeries(m_net);
    // What the same bets would have made on average: the line a fair draw drifts along.
    m_expectedNet = new QLineSeries(chart);
    m_expectedNet->setObjectName("expectedNetSeries");
    m_expectedNet->setName(QStringLiteral("理论期望"));
    chart->addSeries(m_expectedNet);
    auto* x = new QValueAxis(chart);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(QStringLiteral("回测第几期"));
    auto* y = new QValueAxis(chart);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    ChartStyle::apply(chart);
    colour();
    connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, this, &BacktestChart::colour);
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(240);
    setToolTip(QStringLiteral("阴影是纯随机时累计盈亏九成落在其中的范围（5%–95%）；实际曲线长期在阴影之上才说明好于随机。"));
}

void BacktestChart::colour()
{
    const SchemeColours& colours = schemeColours();
    m_net->setColor(colours.trendLine);
    m_expectedNet->setPen(QPen(colours.expectedLine, 1.5, Qt::DashLine));
    QColor fill = colours.expectedLine;
    fill.setAlphaF(colours.dark ? 0.3f : 0.18f);
    m_band->setBrush(fill);
    m_band->setPen(Qt::NoPen);
}

void BacktestChart::plot(const std::vector<BacktestRow>& rows, const std::vector<ChancePoint>& band)
{
    QList<QPointF> net, expectedNet, low, high;
    double bottom = 0, top = 0;
    for (size_t i = 0; i < rows.size() && i < band.size(); ++i) {
        const qreal x = qreal(i + 1);
        const ChancePoint& c = band[i];
        net << QPointF(x, qreal(rows[i].cumulativeNet));
        expectedNet << QPointF(x, c.expectedNet);
        low << QPointF(x, c.lowNet);
        high << QPointF(x, c.highNet);
        bottom = std::min({bottom, double(rows[i].cumulativeNet), c.lowNet});
        top = std::max({top, double(rows[i].cumulativeNet), c.highNet});
    }
    m_net->replace(net);
    m_expectedNet->replace(expectedNet);
    m_low->replace(low);
    m_high->replace(high);
    const auto axes = chart()->axes();
    for (QAbstractAxis* axis : axes) {
        auto* values = qobject_cast<QValueAxis*>(axis);
        if (!values)
            continue;
        if (axis->orientation() == Qt::Horizontal)
            values->setRange(1, std::max<qreal>(2, qreal(rows.size())));
        else
            values->setRange(bottom, std::max(top, bottom + 1));
        values->applyNiceNumbers();
    }
}
