#pragma once

#include <QChartView>
#include <QPen>
#include <utility>
#include <vector>

class QAbstractBarSeries;

// A chart view with a 3D look drawn over the flat chart and horizontal guide
// lines the user draws by clicking.
// In 3D, every bar gets a top and a side face and every line a ribbon,
// extruded up and to the right by the depth: a percentage of a quarter of
// the plot area's smaller side.
class TrendChartView : public QChartView
{
    Q_OBJECT
public:
    explicit TrendChartView(QChart* chart, QWidget* parent = nullptr);

    void setView3D(bool on);
    bool view3D() const { return m_view3D; }
    // 1 .. 100
    void setDepthPercent(int percent);
    int depthPercent() const { return m_depthPercent; }
    // The extrusion in pixels for the current plot area and depth (0 when flat).
    QPointF depthOffset() const;

    // Writes each bar's value above it, on top of the 3D faces, and marks a
    // bar of 0 at the axis; the series' own labels are then left off.
    void setBarLabelsVisible(bool on);
    // Where the label of bar `index` of the first visible bar series goes,
    // in scene coordinates, with its text; empty when there is none.
    std::pair<QRectF, QString> barLabel(int index) const;
    // The top of bar `index` (the top of its upper face in 3D).
    qreal barTop(int index) const;

    // A horizontal line across the whole view at height y (view coordinates).
    void addGuideLine(int y, const QPen& pen);
    void clearGuideLines();
    int guideLineCount() const { return int(m_guides.size()); }

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawDepth(QPainter& painter) const;
    void drawBarLabels(QPainter& painter) const;
    QAbstractBarSeries* shownBars() const;

    bool m_view3D = false;
    bool m_barLabels = false;
    int m_depthPercent = 15;
    struct Guide
    {
        int y;
        QPen pen;
    };
    std::vector<Guide> m_guides;
};
