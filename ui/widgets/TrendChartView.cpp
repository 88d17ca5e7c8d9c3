#include "ui/widgets/TrendChartView.h"

#include "ui/widgets/ChartStyle.h"
#include "ui/widgets/ColourScheme.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TrendChartView::TrendChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {}

void TrendChartView::setView3D(bool on)
{
    m_view3D = on;
    viewport()->update();
}

void TrendChartView::setBarLabelsVisible(bool on)
{
    m_barLabels = on;
    viewport()->update();
}

void TrendChartView::setDepthPercent(int percent)
{
    m_depthPercent = std::clamp(percent, 1, 100);
    viewport()->update();
}

QPointF TrendChartView::depthOffset() const
{
    if (!m_view3D || !chart())
        return {};
    const QRectF plot = chart()->plotArea();
    const qreal depth = std::min(plot.width(), plot.height()) / 4.0 * m_depthPercent / 100.0;
    // Receding at 45 degrees: up and to the right.
    return {depth * 0.7071, -depth * 0.7071};
}

void TrendChartView::addGuideLine(int y, const QPen& pen)
{
    m_guides.push_back({y, pen});
    viewport()->update();
}

void TrendChartView::clearGuideLines()
{
    m_guides.clear();
    viewport()->update();
}

void TrendChartView::mousePressEvent(QMouseEvent* event)
{
    // Nothing on the chart itself takes clicks: a press only draws.
    emit pressed(event->button(), event->modifiers(), event->position().toPoint());
    event->accept();
}

void TrendChartView::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    if (m_view3D) {
        painter->save();
        drawDepth(*painter);
        painter->restore();
    }
    // Last, so no face of a neighbouring bar covers them.
    if (m_barLabels) {
        painter->save();
        drawBarLabels(*painter);
        painter->restore();
    }
}

QAbstractBarSeries* TrendChartView::shownBars() const
{
    if (!chart())
        return nullptr;
    for (QAbstractSeries* series : chart()->series())
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series); bars && bars->isVisible() && !bars->barSets().isEmpty())
            return bars;
    return nullptr;
}

qreal TrendChartView::barTop(int index) const
{
    QAbstractBarSeries* bars = shownBars();
    if (!bars || index < 0 || index >= bars->barSets().first()->count())
        return 0;
    const qreal value = bars->barSets().first()->at(index);
    return chart()->mapToPosition(QPointF(index, value), bars).y() + depthOffset().y();
}

std::pair<QRectF, QString> TrendChartView::barLabel(int index) const
{
    QAbstractBarSeries* bars = shownBars();
    if (!bars || index < 0 || index >= bars->barSets().first()->count())
        return {};
    const QString text = QString::number(bars->barSets().first()->at(index), 'g', 10);
    const QFontMetricsF metrics(ChartStyle::textFont());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    // Centred over the bar's upper face, which in 3D recedes by the depth.
    const qreal centre = chart()->mapToPosition(QPointF(index, 0), bars).x() + depthOffset().x() / 2;
    const qreal bottom = barTop(index) - 1;
    return {QRectF(QPointF(centre - size.width() / 2, bottom - size.height()), size), text};
}

void TrendChartView::drawBarLabels(QPainter& painter) const
{
    QAbstractBarSeries* bars = shownBars();
    if (!bars)
        return;
    QBarSet* set = bars->barSets().first();
    painter.setFont(ChartStyle::textFont());
    const qreal half = bars->barWidth() / 2.0;
    for (int i = 0; i < set->count(); ++i) {
        // A bar of 0 has no height: flat, a line at the axis stands for it
        // (in 3D its upper face shows).
        if (set->at(i) == 0 && !m_view3D) {
            const QPointF left = chart()->mapToPosition(QPointF(i - half, 0), bars);
            const QPointF right = chart()->mapToPosition(QPointF(i + half, 0), bars);
            painter.fillRect(QRectF(left.x(), left.y() - 3, right.x() - left.x(), 3), set->color());
        }
        const auto [box, text] = barLabel(i);
        painter.setPen(schemeColours().chartText);
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void TrendChartView::paintEvent(QPaintEvent* event)
{
    QChartView::paintEvent(event);
    if (m_guides.empty())
        return;
    QPainter painter(viewport());
    for (const Guide& guide : m_guides) {
        painter.setPen(guide.pen);
        painter.drawLine(0, guide.y, viewport()->width(), guide.y);
    }
}

// Faces behind and above the flat drawing, in scene coordinates: the top and
// side of every visible bar, and a ribbon behind every visible line.
void TrendChartView::drawDepth(QPainter& painter) const
{
    const QPointF off = depthOffset();
    painter.setRenderHint(QPainter::Antialiasing);
    for (QAbstractSeries* series : chart()->series()) {
        if (!series->isVisible())
            continue;
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            const QList<QBarSet*> sets = bars->barSets();
            if (sets.isEmpty())
                continue;
            QBarSet* set = sets.first();
            const qreal half = bars->barWidth() / 2.0;
            for (int i = 0; i < set->count(); ++i) {
                const QPointF topLeft = chart()->mapToPosition(QPointF(i - half, set->at(i)), series);
                const QPointF bottomRight = chart()->mapToPosition(QPointF(i + half, 0), series);
                const QPointF topRight(bottomRight.x(), topLeft.y());
                const QPolygonF top{topLeft, topRight, topRight + off, topLeft + off};
                const QPolygonF side{topRight, bottomRight, bottomRight + off, topRight + off};
                painter.setPen(QPen(set->color().darker(160), 0.8));
                painter.setBrush(set->color().lighter(140));
                painter.drawPolygon(top);
                painter.setBrush(set->color().darker(130));
                painter.drawPolygon(side);
            }
        } else if (auto* line = qobject_cast<QLineSeries*>(series)) {
            const QList<QPointF> points = line->points();
            QPolygonF front;
            for (const QPointF& p : points)
                front << chart()->mapToPosition(p, series);
            const QColor colour = line->color();
            painter.setPen(QPen(colour.darker(150), 0.8));
            QColor ribbon = colour.lighter(160);
            ribbon.setAlpha(170);
            painter.setBrush(ribbon);
            for (int i = 0; i + 1 < front.size(); ++i)
                painter.drawPolygon(QPolygonF{front[i], front[i + 1], front[i + 1] + off, front[i] + off});
            painter.setPen(QPen(colour, line->pen().widthF()));
            painter.drawPolyline(front);
        }
    }
}
