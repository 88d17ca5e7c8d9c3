#pragma once

#include "core/IssueRows.h"

#include <QChartView>
#include <vector>

class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QBarCategoryAxis;
class QBarSet;
class QHorizontalBarSeries;
class QValueAxis;

// The horizontal bar chart of a frequency statistic: one bar per value, its
// length the count, all in the scheme's bar colour, and a mark beside it
// with its share of the total. A count of 0 shows as a short mark at the
// axis with its share beside it. The chart asks for the height that keeps
// every row readable.
class FrequencyBars : public QChartView
{
    Q_OBJECT
public:
    explicit FrequencyBars(QWidget* parent = nullptr);

    void setBars(const std::vector<ValueCount>& rows);
    void setTitle(const QString& title);

    QHorizontalBarSeries* series() const { return m_series; }
    QBarSet* bars() const { return m_set; }
    // The marks in bar order ("12.5 %").
    QStringList marks() const;
    // The values whose count is 0, each marked at the axis.
    int zeroMarks() const { return int(m_zeroMarks.size()); }

private:
    void placeMarks();
    void recolour();
    QGraphicsSimpleTextItem* textItem(const QString& text);

    QHorizontalBarSeries* m_series;
    QBarSet* m_set;
    QValueAxis* m_values = nullptr;
    QBarCategoryAxis* m_labels = nullptr;
    std::vector<QGraphicsSimpleTextItem*> m_marks;
    std::vector<QGraphicsSimpleTextItem*> m_names; // the value of each bar, left of it
    std::vector<std::pair<int, QGraphicsRectItem*>> m_zeroMarks; // row, mark
    std::vector<double> m_counts;
};
