#pragma once

#include "core/BacktestChance.h"

#include <QChartView>

class QAreaSeries;
class QLineSeries;

// 历史回测's chart: the realised cumulative net, the net pure chance expects
// (dashed) and the band chance keeps it in nine times in ten.
class BacktestChart : public QChartView
{
    Q_OBJECT
public:
    explicit BacktestChart(QWidget* parent = nullptr);

    void plot(const std::vector<BacktestRow>& rows, const std::vector<ChancePoint>& band);

private:
    void colour();

    QLineSeries* m_net;
    QLineSeries* m_expectedNet;
    QLineSeries* m_low;
    QLineSeries* m_high;
    QAreaSeries* m_band;
};
