#include "ui/analysis/ObservedExpectedChart.h"

#include "ui/widgets/ChartStyle.h"
#include "ui/widgets/ColourScheme.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QValueAxis>
#include <algorithm>

ObservedExpectedChart::ObservedExpectedChart(const QString& title, QWidget* parent)
    : QChartView(new QChart, parent), m_observed(new QBarSet(QStringLiteral("实际"))),
      m_expected(new QBarSet(QStringLiteral("理论"))), m_categories(new QBarCategoryAxis), m_values(new QValueAxis)
{
    auto* series = new QBarSeries;
    series->append({m_observed, m_expected});
    series->setBarWidth(0.8);
    QChart* c = chart();
    c->setTitle(title);
    c->addSeries(series);
    c->legend()->setAlignment(Qt::AlignTop);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setBackgroundRoundness(0);
    m_values->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(m_categories, Qt::AlignBottom);
    c->addAxis(m_values, Qt::AlignLeft);
    series->attachAxis(m_categories);
    series->attachAxis(m_values);
    setRenderHint(QPainter::Antialiasing);
    ChartStyle::apply(c);
    const auto colour = [this] {
        const SchemeColours& colours = schemeColours();
        m_observed->setColor(colours.observedBars);
        m_expected->setColor(colours.expectedBars);
        m_expected->setBorderColor(colours.expectedBorder);
        for (auto& [category, mark] : m_zeroMarks)
            mark->setBrush(colours.observedBars);
    };
    colour();
    connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, this, colour);
    connect(c, &QChart::plotAreaChanged, this, &ObservedExpectedChart::placeZeroMarks);
}

void ObservedExpectedChart::placeZeroMarks()
{
    QAbstractSeries* series = chart()->series().value(0);
    if (!series)
        return;
    // The observed bar takes the left half of its category's width.
    const qreal half = static_cast<QBarSeries*>(series)->barWidth() / 2;
    for (auto& [category, mark] : m_zeroMarks) {
        const QPointF left = chart()->mapToPosition(QPointF(category - half, 0), series);
        const QPointF middle = chart()->mapToPosition(QPointF(category, 0), series);
        mark->setRect(left.x(), left.y() - 3, middle.x() - left.x(), 3);
    }
}

void ObservedExpectedChart::setCounts(const QStringList& categories, const std::vector<double>& observed,
                                      const std::vector<double>& expected)
{
    m_observed->remove(0, m_observed->count());
    m_expected->remove(0, m_expected->count());
    double largest = 0;
    for (size_t i = 0; i < observed.size(); ++i) {
        m_observed->append(observed[i]);
        m_expected->append(expected[i]);
        largest = std::max({largest, observed[i], expected[i]});
    }
    m_categories->clear();
    m_categories->append(categories);
    m_values->setRange(0, largest > 0 ? largest * 1.1 : 1);
    m_values->applyNiceNumbers();
    for (auto& [category, mark] : m_zeroMarks)
        delete mark;
    m_zeroMarks.clear();
    for (size_t i = 0; i < observed.size(); ++i) {
        if (observed[i] != 0)
            continue;
        auto* mark = new QGraphicsRectItem(chart());
        mark->setPen(Qt::NoPen);
        mark->setBrush(schemeColours().observedBars);
        mark->setZValue(10);
        m_zeroMarks.push_back({int(i), mark});
    }
    placeZeroMarks();
}
