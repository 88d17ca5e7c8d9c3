#include "ui/analysis/TrendChart.h"

#include "ui/widgets/ChartStyle.h"
#include "ui/widgets/ColourScheme.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace {
constexpr int kMostIssueLabels = 10; // issue texts that fit side by side across the window
} // namespace

TrendChart::TrendChart(const QString& title, const char* name, const char* seriesName, QWidget* parent)
    : QChartView(new QChart, parent), m_series(new QLineSeries), m_values(new QValueAxis), m_issues(new QCategoryAxis)
{
    setObjectName(QString::fromLatin1(name));
    m_series->setObjectName(QString::fromLatin1(seriesName));
    m_series->setPointsVisible(true);
    m_series->setMarkerSize(7);
    m_series->setPointLabelsVisible(false);

    QChart* c = chart();
    c->setTitle(title);
    c->legend()->hide();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->addSeries(m_series);
    m_values->setLabelFormat(QStringLiteral("%d"));
    m_values->setTickType(QValueAxis::TicksDynamic);
    m_values->setTickAnchor(0);
    m_values->setTickInterval(1);
    m_issues->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    c->addAxis(m_issues, Qt::AlignBottom);
    c->addAxis(m_values, Qt::AlignLeft);
    m_series->attachAxis(m_issues);
    m_series->attachAxis(m_values);
    setRenderHint(QPainter::Antialiasing);
    ChartStyle::apply(c);
    const auto colour = [this] {
        QPen pen(schemeColours().trendLine);
        pen.setWidth(2);
        m_series->setPen(pen);
        m_series->setColor(schemeColours().trendLine);
    };
    colour();
    connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, this, colour);
    clearPoints();
}

void TrendChart::setTitle(const QString& title)
{
    chart()->setTitle(title);
}

QString TrendChart::title() const
{
    return chart()->title();
}

void TrendChart::setPoints(const std::vector<int>& values, const QStringList& labels)
{
    QList<QPointF> points;
    points.reserve(qsizetype(values.size()));
    for (int i = 0; i < int(values.size()); ++i)
        points.append(QPointF(i, values[i]));
    m_series->replace(points);
    m_labels = labels;

    const int n = int(values.size());
    const int top = n > 0 ? std::max(1, *std::max_element(values.begin(), values.end())) : 1;
    m_values->setRange(-0.3, top + 0.3);
    for (const QString& label : m_issues->categoriesLabels())
        m_issues->remove(label);
    const int step = std::max(1, (n + kMostIssueLabels - 1) / kMostIssueLabels);
    for (int i = 0; i < n && i < labels.size(); i += step)
        if (!m_issues->categoriesLabels().contains(labels[i])) // the axis takes each label once
            m_issues->append(labels[i], i);
    m_issues->setRange(-0.5, std::max(0, n - 1) + 0.5);
}
