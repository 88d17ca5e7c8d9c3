#include "ui/analysis/FrequencyBars.h"

#include "core/Statistics.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
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
    // The bars' own labels are drawn in the left margin: the axis would
    // elide them once the bars get thin.
    c->setMargins(QMargins(22, 0, 2, 0));
    m_labels->setLabelsVisible(false);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setBackgroundRoundness(0);
    setRenderHint(QPainter::Antialiasing);
    m_values->setLabelFormat(QStringLiteral("%d"));
    // Up to 28 rows share the height: small labels keep every one readable.
    QFont small = m_labels->labelsFont();
    small.setPixelSize(8);
    m_labels->setLabelsFont(small);
    m_values->setLabelsFont(small);
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
    for (QGraphicsSimpleTextItem* item : m_marks)
        delete item;
    for (QGraphicsSimpleTextItem* item : m_names)
        delete item;
    m_marks.clear();
    m_names.clear();
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
        m_marks.push_back(textItem(set->label()));
        m_names.push_back(textItem(categories.last()));
    }
    m_values->setRange(0, largest > 0 ? largest * 1.15 : 1); // room for the marks
    m_values->applyNiceNumbers();
    m_labels->clear();
    m_labels->append(categories);
    m_series->append(sets);
    placeMarks();
}

QGraphicsSimpleTextItem* FrequencyBars::textItem(const QString& text)
{
    auto* item = new QGraphicsSimpleTextItem(text, chart());
    item->setZValue(10);
    item->setFont(m_labels->labelsFont());
    return item;
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
        const QRectF name = m_names[i]->boundingRect();
        m_names[i]->setPos(chart()->plotArea().left() - name.width() - 4, end.y() - name.height() / 2);
    }
}
