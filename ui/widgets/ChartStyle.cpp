#include "ui/widgets/ChartStyle.h"

#include "ui/widgets/ColourScheme.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QLegend>
#include <algorithm>

namespace {

void restyle(QChart* chart)
{
    const SchemeColours& colours = schemeColours();
    const QFont text = ChartStyle::textFont();
    chart->setBackgroundBrush(colours.chartBackground);
    chart->setTitleBrush(colours.chartText);
    QFont title = chart->titleFont();
    title.setPointSizeF(std::max(title.pointSizeF(), text.pointSizeF()));
    chart->setTitleFont(title);
    chart->legend()->setFont(text);
    chart->legend()->setLabelColor(colours.chartText);
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsFont(text);
        axis->setLabelsColor(colours.chartText);
        axis->setTitleBrush(colours.chartText);
        QFont axisTitle = axis->titleFont();
        axisTitle.setPointSizeF(text.pointSizeF());
        axis->setTitleFont(axisTitle);
        axis->setGridLineColor(colours.chartGridLine);
        axis->setLinePenColor(colours.chartText);
    }
}

} // namespace

namespace ChartStyle {

QFont textFont()
{
    QFont font = QApplication::font();
    if (font.pointSizeF() < 9) // also a font sized in pixels (-1)
        font.setPointSizeF(9);
    return font;
}

void apply(QChart* chart)
{
    restyle(chart);
    QObject::connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, chart,
                     [chart] { restyle(chart); });
}

} // namespace ChartStyle
