#pragma once

#include <QChartView>
#include <QStringList>
#include <vector>

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

// A flat line chart of one value per draw: red line with a circle at every
// point, the point's order number on the horizontal axis labelled with its
// issue (as many labels as fit), no legend.
class TrendChart : public QChartView
{
    Q_OBJECT
public:
    TrendChart(const QString& title, const char* name, const char* seriesName, QWidget* parent = nullptr);

    void setPoints(const std::vector<int>& values, const QStringList& labels);
    void clearPoints() { setPoints({}, {}); }
    void setTitle(const QString& title);
    QString title() const;

    QLineSeries* series() const { return m_series; }
    // The issue label of every point, in order.
    const QStringList& labels() const { return m_labels; }

private:
    QLineSeries* m_series;
    QValueAxis* m_values;
    QCategoryAxis* m_issues;
    QStringList m_labels;
};
