#pragma once

#include "core/Game.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

class Dialogs;
class DrawStore;
class QBarSeries;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineSeries;
class QScrollBar;
class QToolButton;
class QuickRange;
class TrendChartView;

// One chart tab of the main window: a range of issues drawn as a line or as
// bars, flat or in 3D, with guide lines the user draws by clicking the chart.
// The tab of one position's digits and the tab of sums differ only in their
// leading controls, in what they draw and in their controls' names.
//
// The tab reports what the user does with its controls as signals; the main
// window's handlers, which keep the designer's names, answer by calling the
// tab's commands.
class ChartTab : public QWidget
{
    Q_OBJECT
public:
    enum class Kind
    {
        Position, // the digit at the chosen position per issue, 0-9
        Sum,      // the sum per issue, 0-27
    };

    ChartTab(Kind kind, DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    // The range selectors, which the main window fills and preselects with its others.
    QComboBox* startSelector() const { return m_start; }
    QComboBox* endSelector() const { return m_end; }

    // Names the game in the chart's title.
    void setGame(Game game);

    // The commands.
    // Draws the chosen range; `quiet` leaves a range of fewer than two draws
    // without the message (start-up on a short history).
    void draw(bool quiet);
    void applyThreeD();     // flat or 3D as "3D显示" says
    void applyLineOrBars(); // a line or bars as "直线图" says
    void applyDepth();      // the 3D depth from its bar
    void addGuideLine(int y);
    void removeGuideLines();

    // A range of fewer than two draws.
    static const QString kTooFewIssues;

signals:
    void runClicked();     // "开始统计", or a quick range chosen
    void threeDClicked();  // "3D显示"
    void lineClicked();    // "直线图"
    void depthChanged();   // the 3D depth bar
    void removerClicked(); // "删除所有画线"
    void chartPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at);

private:
    struct Names;
    static const Names& namesOf(Kind kind);
    void buildLeadingControls(QHBoxLayout* bar);
    void buildRangeAndToggles(QHBoxLayout* bar);
    void buildChart();

    Kind m_kind;
    const Names& m_names;
    DrawStore& m_store;
    Dialogs& m_dialogs;
    QComboBox* m_position = nullptr; // the position tab's "请选择统计位"
    QToolButton* m_run;
    QComboBox *m_start, *m_end;
    QuickRange* m_quick;
    QCheckBox* m_threeD;
    QScrollBar* m_depth;
    QCheckBox* m_line;
    TrendChartView* m_chart;
    QLineSeries* m_lineSeries;
    QBarSeries* m_barSeries;
    QLabel* m_hint;
    QToolButton* m_remover;
};
