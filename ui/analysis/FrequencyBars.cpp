#include "ui/analysis/FrequencyBars.h"

#include "core/Statistics.h"
#include "ui/widgets/ChartStyle.h"
#include "ui/widgets/ColourScheme.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBrush>
#include <QChart>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QPen>
#include <QValueAxis>

namespace {
constexpr int kRowGap = 6;        // pixels between the rows' text
constexpr int kAroundPlot = 90;   // title and value axis
constexpr int kZeroMarkWidth = 3; // pixels
} // namespace

FrequencyBars::FrequencyBars(QWidget* parent)
    : QChartView(new QChart, parent), m_series(new QHorizontalBarSeries), m_set(new QBarSet(QString())),
      m_values(new QValueAxis), m_labels(new QBarCategoryAxis)
{
    m_series->setObjectName("SumSeries");
    m_series->setBarWidth(0.7);
    m_series->append(m_set);
    QChart* c = chart();
    c->legend()->hide();
    c->addSeries(m_series);
    // The bars' own labels are drawn in the left margin: the axis would
    // elide them once the bars get thin.
    c->setMargins(QMargins(26, 0, 2, 0));
    m_labels->setLabelsVisible(false);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setBackgroundRoundness(0);
    setRenderHint(QPainter::Antialiasing);
    m_values->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(m_values, Qt::AlignBottom);
    c->addAxis(m_labels, Qt::AlignLeft);
    m_series->attachAxis(m_values);
    m_series->attachAxis(m_labels);
    ChartStyle::apply(c);
    recolour();
    connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, this, &FrequencyBars::recolour);
    connect(c, &QChart::plotAreaChanged, this, &FrequencyBars::placeMarks);
}

void FrequencyBars::recolour()
{
    const SchemeColours& colours = schemeColours();
    m_set->setColor(colours.frequencyBars);
    m_set->setBorderColor(colours.frequencyBars.darker(130));
    for (auto& [row, mark] : m_zeroMarks)
        mark->setBrush(colours.frequencyBars);
    for (auto* items : {&m_marks, &m_names})
        for (QGraphicsSimpleTextItem* item : *items)
            item->setBrush(colours.chartText);
}

void FrequencyBars::setTitle(const QString& title)
{
    chart()->setTitle(title);
}

void FrequencyBars::setBars(const std::vector<ValueCount>& rows)
{
    m_set->remove(0, m_set->count());
    for (auto* items : {&m_marks, &m_names})
        for (QGraphicsSimpleTextItem* item : *items)
            delete item;
    for (auto& [row, mark] : m_zeroMarks)
        delete mark;
    m_marks.clear();
    m_names.clear();
    m_zeroMarks.clear();
    m_counts.clear();

    double total = 0;
    for (const ValueCount& row : rows)
        total += row.count;
    QStringList categories;
    double largest = 0;
    for (int i = 0; i < int(rows.size()); ++i) {
        const double count = rows[size_t(i)].count;
        categories << QString::number(rows[size_t(i)].value);
        m_set->append(count);
        m_counts.push_back(count);
        largest = std::max(largest, count);
        m_marks.push_back(textItem(PercentOfTotal(count, total)));
        m_names.push_back(textItem(categories.last()));
        if (count == 0) {
            auto* mark = new QGraphicsRectItem(chart());
            mark->setPen(Qt::NoPen);
            mark->setBrush(schemeColours().frequencyBars);
            mark->setZValue(10);
            m_zeroMarks.push_back({i, mark});
        }
    }
    m_values->setRange(0, largest > 0 ? largest * 1.15 : 1); // room for the marks
    m_values->applyNiceNumbers();
    m_labels->clear();
    m_labels->append(categories);
    // Every row keeps a line of text: a window too low for them scrolls.
    const int lineHeight = QFontMetrics(ChartStyle::textFont()).height();
    setMinimumHeight(int(rows.size()) * (lineHeight + kRowGap) + kAroundPlot);
    placeMarks();
}

QGraphicsSimpleTextItem* FrequencyBars::textItem(const QString& text)
{
    auto* item = new QGraphicsSimpleTextItem(text, chart());
    item->setZValue(10);
    item->setFont(ChartStyle::textFont());
    item->setBrush(schemeColours().chartText);
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
        const QPointF end = chart()->mapToPosition(QPointF(m_counts[size_t(i)], i), m_series);
        const QRectF box = m_marks[size_t(i)]->boundingRect();
        const qreal beyondZero = m_counts[size_t(i)] == 0 ? kZeroMarkWidth : 0;
        m_marks[size_t(i)]->setPos(end.x() + 4 + beyondZero, end.y() - box.height() / 2);
        const QRectF name = m_names[size_t(i)]->boundingRect();
        m_names[size_t(i)]->setPos(chart()->plotArea().left() - name.width() - 4, end.y() - name.height() / 2);
    }
    // A bar of 0 has no length: a short mark at the axis stands for it.
    const qreal rowHeight = m_marks.empty() ? 0 : chart()->plotArea().height() / qreal(m_marks.size());
    for (auto& [row, mark] : m_zeroMarks) {
        const QPointF at = chart()->mapToPosition(QPointF(0, row), m_series);
        const qreal height = rowHeight * m_series->barWidth();
        mark->setRect(at.x(), at.y() - height / 2, kZeroMarkWidth, height);
    }
}
