// The two chart tabs: the digit at one position per issue, and the sum per
// issue, each as a line or as bars, flat or in 3D, with guide lines.
#include "core/ConversionError.h"
#include "store/DrawStore.h"
#include "ui/main/Main.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/TrendChartView.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QComboBox>
#include <QLineSeries>
#include <QScrollBar>
#include <QToolButton>
#include <QValueAxis>

const QString TFrmMain::kTooFewIssues = QStringLiteral("期数选择错误，请重新选择！");

namespace {

struct ChartPoints
{
    QStringList labels;
    QList<qreal> values;
};

// Both series get the same points: x the running number, y the value, the
// issue labelling the axis. `top` is the value axis' upper end.
void fillSeries(QLineSeries* line, QBarSeries* bars, const ChartPoints& points, int top)
{
    QList<QPointF> xy;
    xy.reserve(points.values.size());
    for (qsizetype i = 0; i < points.values.size(); ++i)
        xy << QPointF(qreal(i), points.values[i]);
    line->replace(xy);
    QBarSet* set = bars->barSets().constFirst();
    set->remove(0, set->count());
    set->append(points.values);
    for (QAbstractAxis* axis : line->attachedAxes()) {
        if (auto* issues = qobject_cast<QBarCategoryAxis*>(axis)) {
            issues->clear();
            issues->append(points.labels);
        } else if (auto* values = qobject_cast<QValueAxis*>(axis)) {
            values->setRange(0, top);
            values->setTickCount(top <= 10 ? top + 1 : top / 5 + 1);
        }
    }
}

void clearSeries(QLineSeries* line, QBarSeries* bars)
{
    fillSeries(line, bars, {}, 10);
}

} // namespace

void TFrmMain::SpeedButton24Click()
{
    drawPositionChart(false);
}

void TFrmMain::drawPositionChart(bool quiet)
{
    Chart5->clearGuideLines();
    ChartPoints points;
    const bool drawn = runGuarded(m_dialogs, this, [&] {
        const std::vector<DrawPoint> rows = m_store.rangePoints(ComboBox17->currentText(), ComboBox18->currentText());
        if (rows.size() < 2) {
            if (!quiet)
                m_dialogs.message(this, kTooFewIssues);
            clearSeries(LineSeries1, BarSeries1);
            return;
        }
        const int position = ComboBox16->currentIndex() + 1;
        for (const DrawPoint& row : rows) {
            // A stored number with a non-digit there ends the drawing; the
            // points before it stay on show.
            points.values << toIntStrict(row.allNumber.mid(position - 1, 1));
            points.labels << row.qs;
        }
        fillSeries(LineSeries1, BarSeries1, points, 10);
        LineSeries1->setVisible(CheckBox8->isChecked());
        BarSeries1->setVisible(!CheckBox8->isChecked());
    });
    if (!drawn)
        fillSeries(LineSeries1, BarSeries1, points, 10);
}

// Keeps whichever series "直线图" last chose.
void TFrmMain::SpeedButton27Click()
{
    drawSumChart(false);
}

void TFrmMain::drawSumChart(bool quiet)
{
    Chart8->clearGuideLines();
    runGuarded(m_dialogs, this, [&] {
        const std::vector<DrawPoint> rows = m_store.rangePoints(ComboBox25->currentText(), ComboBox26->currentText());
        if (rows.size() < 2) {
            if (!quiet)
                m_dialogs.message(this, kTooFewIssues);
            clearSeries(LineSeries2, BarSeries2);
            return;
        }
        ChartPoints points;
        for (const DrawPoint& row : rows) {
            points.values << row.asum;
            points.labels << row.qs;
        }
        fillSeries(LineSeries2, BarSeries2, points, 30);
    });
}

void TFrmMain::CheckBox8Click()
{
    Chart5->clearGuideLines();
    LineSeries1->setVisible(CheckBox8->isChecked());
    BarSeries1->setVisible(!CheckBox8->isChecked());
}

void TFrmMain::CheckBox12Click()
{
    Chart8->clearGuideLines();
    LineSeries2->setVisible(CheckBox12->isChecked());
    BarSeries2->setVisible(!CheckBox12->isChecked());
}

void TFrmMain::CheckBox7Click()
{
    Chart5->clearGuideLines();
    Chart5->setView3D(CheckBox7->isChecked());
    ScrollBar5->setVisible(CheckBox7->isChecked());
}

void TFrmMain::CheckBox11Click()
{
    Chart8->clearGuideLines();
    Chart8->setView3D(CheckBox11->isChecked());
    ScrollBar8->setVisible(CheckBox11->isChecked());
}

void TFrmMain::ScrollBar5Change()
{
    ScrollBar5->setRange(1, 100);
    Chart5->clearGuideLines();
    Chart5->setDepthPercent(ScrollBar5->value());
}

void TFrmMain::ScrollBar8Change()
{
    ScrollBar8->setRange(1, 100);
    Chart8->clearGuideLines();
    Chart8->setDepthPercent(ScrollBar8->value());
}

void TFrmMain::showGuideLine(TrendChartView* chart, QToolButton* remover, int y)
{
    remover->show();
    chart->addGuideLine(y, QPen(schemeColours().trendLine, 2));
}

void TFrmMain::Chart5MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int y)
{
    showGuideLine(Chart5, SpeedButton33, y);
}

void TFrmMain::Chart8MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int y)
{
    showGuideLine(Chart8, SpeedButton32, y);
}

void TFrmMain::SpeedButton33Click()
{
    Chart5->clearGuideLines();
    SpeedButton33->hide();
}

void TFrmMain::SpeedButton32Click()
{
    Chart8->clearGuideLines();
    SpeedButton32->hide();
}
