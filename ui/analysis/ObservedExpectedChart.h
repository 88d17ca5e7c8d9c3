#pragma once

#include <QChartView>
#include <vector>

class QBarCategoryAxis;
class QGraphicsRectItem;
class QBarSet;
class QValueAxis;

// Counts of a distribution beside what a fair draw gives on average: two
// bars per category, "实际" and "理论". A category never drawn gets a short
// mark at the axis where its bar would stand.
class ObservedExpectedChart : public QChartView
{
    Q_OBJECT
public:
    explicit ObservedExpectedChart(const QString& title, QWidget* parent = nullptr);

    void setCounts(const QStringList& categories, const std::vector<double>& observed,
                   const std::vector<double>& expected);

    QBarSet* observed() const { return m_observed; }
    QBarSet* expected() const { return m_expected; }
    int zeroMarks() const { return int(m_zeroMarks.size()); }

private:
    void placeZeroMarks();

    QBarSet* m_observed;
    QBarSet* m_expected;
    QBarCategoryAxis* m_categories;
    QValueAxis* m_values;
    std::vector<std::pair<int, QGraphicsRectItem*>> m_zeroMarks; // category, mark
};
