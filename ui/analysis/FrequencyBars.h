#pragma once

#include "core/IssueRows.h"

#include <QChartView>
#include <vector>

class QGraphicsSimpleTextItem;
class QBarCategoryAxis;
class QHorizontalStackedBarSeries;
class QValueAxis;

// The horizontal bar chart of a frequency statistic: one bar per value, its
// length the count, its colour from its place, and a mark beside it with its
// share of the total.
class FrequencyBars : public QChartView
{
    Q_OBJECT
public:
    explicit FrequencyBars(QWidget* parent = nullptr);

    void setBars(const std::vector<ValueCount>& rows);
    void setTitle(const QString& title);

    QHorizontalStackedBarSeries* series() const { return m_series; }
    // The marks in bar order ("12.5 %").
    QStringList marks() const;
    // Bar `index` in colour value 500 + 2000 × index, read as 0x00BBGGRR.
    static QColor barColor(int index);

private:
    void placeMarks();
    QGraphicsSimpleTextItem* textItem(const QString& text);

    QHorizontalStackedBarSeries* m_series;
    QValueAxis* m_values = nullptr;
    QBarCategoryAxis* m_labels = nullptr;
    std::vector<QGraphicsSimpleTextItem*> m_marks;
    std::vector<QGraphicsSimpleTextItem*> m_names; // the value of each bar, left of it
    std::vector<double> m_counts;
};
