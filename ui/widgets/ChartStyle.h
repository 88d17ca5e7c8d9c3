#pragma once

// What every chart shares: text never below 9 points, the scheme's
// background, text and grid colours, restyled when the scheme changes.

#include <QFont>

class QChart;

namespace ChartStyle {

// The application font, at least 9 points.
QFont textFont();

// Styles the chart's background, title, legend and every axis now and again
// at each change of the colour scheme. Call after its axes are added.
void apply(QChart* chart);

} // namespace ChartStyle
