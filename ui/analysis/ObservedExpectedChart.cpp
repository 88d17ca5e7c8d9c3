#include "ui/analysis/ObservedExpectedChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QValueAxis>
#include <algorithm>

ObservedExpectedChart::ObservedExpectedChart(const QString& title, QWidget* parent)
    : QChartView(new QChart, parent), m_observed(new QBarSet(QStringLiteral("实际"))),
      m_expected(new QBarSet(QStringLiteral("理论"))), m_categories(new QBarCategoryAxis), m_values(new QValueAxis)
{
    m_observed->setColor(QColor(70, 120, 200));
    m_expected->setColor(QColor(200, 200, 200));
    m_expected->setBorderColor(QColor(150, 150, 150));
    auto* series = new QBarSeries;
    series->append({m_observed, m_expected});
    series->setBarWidth(0.8);
    QChart* c = chart();
    c->setTitle(title);
    c->addSeries(series);
    c->legend()->setAlignment(Qt::AlignTop);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setBackgroundRoundness(0);
    QFont small = m_categories->labelsFont();
    small.setPixelSize(9);
    m_categories->setLabelsFont(small);
    m_values->setLabelsFont(small);
    m_values->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(m_categories, Qt::AlignBottom);
    c->addAxis(m_values, Qt::AlignLeft);
    series->attachAxis(m_categories);
    series->attachAxis(m_values);
    setRenderHint(QPainter::Antialiasing);
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
}
