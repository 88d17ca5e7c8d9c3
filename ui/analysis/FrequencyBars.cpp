#include "ui/analysis/FrequencyBars.h"

#include "core/Statistics.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QValueAxis>
#include <numeric>

FrequencyBars::FrequencyBars(QWidget* parent)
    : QChartView(new QChart, parent), m_series(new QHorizontalStackedBarSeries), m_values(new QValueAxis),
      m_labels(new QBarCategoryAxis)
{
    m_series->setObjectName("SumSeries");
    m_series->setBarWidth(0.7);
    QChart* c = chart();
    c->legend()->hide();
    c->addSeries(m_series);
    c->setMargins(QMargins(4, 4, 4, 4));
    setRenderHint(QPainter::Antialiasing);
    m_values->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(m_values, Qt::AlignBottom);
    c->addAxis(m_labels, Qt::AlignLeft);
    m_series->attachAxis(m_values);
    m_series->attachAxis(m_labels);
    connect(c, &QChart::plotAreaChanged, this, &FrequencyBars::placeMarks);
}

QColor FrequencyBars::barColor(int index)
{
    const int value = 500 + 2000 * index;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void FrequencyBars::setTitle(const QString& title)
{
    chart()->setTitle(title);
}

void FrequencyBars::setBars(const std::vector<ValueCount>& rows)
{
    m_series->clear();
    for (QGraphicsSimpleTextItem* mark : m_marks)
        delete mark;
    m_marks.clear();
    m_counts.clear();

    // Stacked sets, one per bar with its value only in its own row: the one
    // way to give every bar a colour of its own.
    const int n = int(rows.size());
    double total = 0;
    for (const ValueCount& row : rows)
        total += row.count;
    QStringList categories;
    QList<QBarSet*> sets;
    double largest = 0;
    for (int i = 0; i < n; ++i) {
        const double count = rows[i].count;
        categories << QString::number(rows[i].value);
        auto* set = new QBarSet(PercentOfTotal(count, total));
        QList<qreal> values(n, 0.0);
        values[i] = count;
        set->append(values);
        set->setColor(barColor(i));
        set->setBorderColor(barColor(i).darker(130));
        sets << set;
        m_counts.push_back(count);
        largest = std::max(largest, count);
        auto* mark = new QGraphicsSimpleTextItem(set->label(), chart());
        mark->setZValue(10);
        m_marks.push_back(mark);
    }
    m_values->setRange(0, largest > 0 ? largest * 1.15 : 1); // room for the marks
    m_labels->clear();
    m_labels->append(categories);
    m_series->append(sets);
    placeMarks();
}

QStringList FrequencyBars::marks() const
{
    QStringList texts;
    for (const QGraphicsSimpleTextItem* mark : m_marks)
        texts << mark->text();
    return texts;
}

void FrequencyBars::placeMarks()
{
    for (int i = 0; i < int(m_marks.size()); ++i) {
        const QPointF end = chart()->mapToPosition(QPointF(m_counts[i], i), m_series);
        const QRectF box = m_marks[i]->boundingRect();
        m_marks[i]->setPos(end.x() + 4, end.y() - box.height() / 2);
    }
}
