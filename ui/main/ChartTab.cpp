// The main window's chart tabs: building one, and its commands.
#include "ui/main/ChartTab.h"

#include "core/ConversionError.h"
#include "store/DrawStore.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/ChartStyle.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/QuickRange.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/TrendChartView.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QScrollBar>
#include <QToolButton>
#include <QValueAxis>

// The controls' names, kept from the designer's so that both tabs' controls
// stay apart and the tests and screenshots find them.
struct ChartTab::Names
{
    const char *tab, *run, *rangeLabel, *start, *toLabel, *end, *quick, *threeD, *depth, *line, *chart, *lineSeries,
        *barSeries, *hint, *remover;
    QString titleAfterGame; // the chart's title after the game's name
    QColor SchemeColours::*barColour;
    int top; // the value axis' upper end
};

const QString ChartTab::kTooFewIssues = QStringLiteral("期数选择错误，请重新选择！");

namespace {

struct ChartPoints
{
    QStringList labels;
    QList<qreal> values;
};

// Both series get the same points: x the running number, y the value, the
// issue labelling the axis.
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

} // namespace

const ChartTab::Names& ChartTab::namesOf(Kind kind)
{
    static const Names position{.tab = "TabSheet2",
                                .run = "SpeedButton24",
                                .rangeLabel = "Label23",
                                .start = "ComboBox17",
                                .toLabel = "Label24",
                                .end = "ComboBox18",
                                .quick = "positionQuickRange",
                                .threeD = "CheckBox7",
                                .depth = "ScrollBar5",
                                .line = "CheckBox8",
                                .chart = "Chart5",
                                .lineSeries = "LineSeries1",
                                .barSeries = "BarSeries1",
                                .hint = "Label35",
                                .remover = "SpeedButton33",
                                .titleAfterGame = QStringLiteral("按位分析图"),
                                .barColour = &SchemeColours::positionBars,
                                .top = 10};
    static const Names sum{.tab = "TabSheet3",
                           .run = "SpeedButton27",
                           .rangeLabel = "Label33",
                           .start = "ComboBox25",
                           .toLabel = "Label34",
                           .end = "ComboBox26",
                           .quick = "sumQuickRange",
                           .threeD = "CheckBox11",
                           .depth = "ScrollBar8",
                           .line = "CheckBox12",
                           .chart = "Chart8",
                           .lineSeries = "LineSeries2",
                           .barSeries = "BarSeries2",
                           .hint = "Label36",
                           .remover = "SpeedButton32",
                           .titleAfterGame = QStringLiteral("按总和统计"),
                           .barColour = &SchemeColours::sumBars,
                           .top = 30};
    return kind == Kind::Position ? position : sum;
}

ChartTab::ChartTab(Kind kind, DrawStore& store, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_names(namesOf(kind)), m_store(store), m_dialogs(dialogs)
{
    setObjectName(QString::fromLatin1(m_names.tab));

    auto* bar = new QHBoxLayout;
    buildLeadingControls(bar);
    buildRangeAndToggles(bar);
    buildChart();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(m_chart, 1);

    connect(m_run, &QToolButton::clicked, this, &ChartTab::runClicked);
    connect(m_quick, &QuickRange::chosen, this, &ChartTab::runClicked);
    connect(m_threeD, &QCheckBox::clicked, this, &ChartTab::threeDClicked);
    connect(m_line, &QCheckBox::clicked, this, &ChartTab::lineClicked);
    connect(m_depth, &QScrollBar::valueChanged, this, &ChartTab::depthChanged);
    connect(m_remover, &QToolButton::clicked, this, &ChartTab::removerClicked);
    connect(m_chart, &TrendChartView::pressed, this, &ChartTab::chartPressed);
}

// The position tab asks for the position first; the sum tab starts with its button.
void ChartTab::buildLeadingControls(QHBoxLayout* bar)
{
    if (m_kind == Kind::Position) {
        setToolTip(QStringLiteral("根据每位走势进行分析"));
        bar->addWidget(namedLabel(QStringLiteral("请选择统计位："), "Label7", this));
        bar->addWidget(m_position = named(new QComboBox(this), "ComboBox16"));
        m_position->addItems({"1", "2", "3"});
    }
    bar->addWidget(m_run = speedButton(QStringLiteral("开始统计"), m_names.run, this));
}

// The issue range, the 3D and line toggles with the hidden depth bar.
void ChartTab::buildRangeAndToggles(QHBoxLayout* bar)
{
    bar->addWidget(namedLabel(QStringLiteral("统计期数选择："), m_names.rangeLabel, this));
    bar->addWidget(m_start = issueSelector(m_names.start, this));
    bar->addWidget(namedLabel(QStringLiteral("至"), m_names.toLabel, this));
    bar->addWidget(m_end = issueSelector(m_names.end, this));
    bar->addWidget(m_quick = named(new QuickRange(m_start, m_end, this, QuickRange::Look::Menu), m_names.quick));
    bar->addWidget(m_threeD = named(new QCheckBox(QStringLiteral("3D显示"), this), m_names.threeD));
    bar->addWidget(m_depth = named(new QScrollBar(Qt::Horizontal, this), m_names.depth));
    m_depth->setFixedWidth(120);
    m_depth->setRange(1, 100);
    m_depth->setValue(15);
    m_depth->hide();
    bar->addWidget(m_line = named(new QCheckBox(QStringLiteral("直线图"), this), m_names.line));
    m_line->setChecked(true);
    bar->addStretch();
}

// A chart with a line and a bar series over the same points, the issues
// labelling the horizontal axis; the hint and the remover of guide lines sit
// on the chart itself.
void ChartTab::buildChart()
{
    auto* chart = new QChart;
    chart->setTitle(gameName(Game::Fucai) + m_names.titleAfterGame);
    QFont titleFont = chart->titleFont();
    titleFont.setPointSize(11);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->hide();
    chart->setMargins(QMargins(5, 5, 5, 5));

    m_lineSeries = named(new QLineSeries(chart), m_names.lineSeries);
    m_lineSeries->setPointsVisible(true);
    m_lineSeries->setMarkerSize(4);
    m_barSeries = named(new QBarSeries(chart), m_names.barSeries);
    auto* set = new QBarSet(QString(), m_barSeries);
    m_barSeries->append(set);
    // The view writes the values above the bars, where the 3D faces leave them readable.
    m_barSeries->setLabelsVisible(false);
    chart->addSeries(m_barSeries);
    chart->addSeries(m_lineSeries);
    // "直线图" starts ticked: the line is on show, the bars hidden.
    m_barSeries->setVisible(false);

    auto* issues = new QBarCategoryAxis(chart);
    issues->setLabelsAngle(-90);
    issues->setTruncateLabels(false);
    auto* values = new QValueAxis(chart);
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(issues, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(m_barSeries), static_cast<QAbstractSeries*>(m_lineSeries)}) {
        series->attachAxis(issues);
        series->attachAxis(values);
    }

    m_chart = named(new TrendChartView(chart, this), m_names.chart);
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setBarLabelsVisible(true);
    ChartStyle::apply(chart);
    const auto colour = [line = m_lineSeries, set, barColour = m_names.barColour] {
        const SchemeColours& colours = schemeColours();
        line->setColor(colours.trendLine);
        QImage marker(4, 4, QImage::Format_ARGB32);
        marker.fill(colours.trendLine);
        line->setLightMarker(marker);
        set->setColor(colours.*barColour);
        set->setBorderColor((colours.*barColour).darker(130));
    };
    colour();
    connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, m_chart, colour);

    m_hint = named(new QLabel(QStringLiteral("鼠标点击可以画线"), m_chart), m_names.hint);
    m_hint->setAttribute(Qt::WA_TranslucentBackground);
    inkText(m_hint, &SchemeColours::alertText);
    m_hint->adjustSize();
    m_hint->move(12, 8);
    m_remover = named(new QToolButton(m_chart), m_names.remover);
    m_remover->setText(QStringLiteral("删除所有画线"));
    m_remover->setAutoRaise(true);
    inkText(m_remover, &SchemeColours::infoText);
    m_remover->adjustSize();
    m_remover->move(m_hint->geometry().right() + 12, 8 + (m_hint->height() - m_remover->height()) / 2);
    m_remover->hide();
}

void ChartTab::setGame(Game game)
{
    m_chart->chart()->setTitle(gameName(game) + m_names.titleAfterGame);
}

void ChartTab::draw(bool quiet)
{
    m_chart->clearGuideLines();
    const int top = m_names.top;
    ChartPoints points;
    const bool drawn = runGuarded(m_dialogs, this, [&] {
        const std::vector<DrawPoint> rows = m_store.rangePoints(m_start->currentText(), m_end->currentText());
        if (rows.size() < 2) {
            if (!quiet)
                m_dialogs.message(this, kTooFewIssues);
            fillSeries(m_lineSeries, m_barSeries, {}, 10);
            return;
        }
        const int position = m_position != nullptr ? m_position->currentIndex() : 0;
        for (const DrawPoint& row : rows) {
            // A stored number with a non-digit there ends the drawing; the
            // points before it stay on show.
            points.values << (m_kind == Kind::Position ? toIntStrict(row.allNumber.mid(position, 1)) : row.asum);
            points.labels << row.qs;
        }
        fillSeries(m_lineSeries, m_barSeries, points, top);
        applyLineOrBars();
    });
    if (!drawn)
        fillSeries(m_lineSeries, m_barSeries, points, top);
}

void ChartTab::applyLineOrBars()
{
    m_chart->clearGuideLines();
    m_lineSeries->setVisible(m_line->isChecked());
    m_barSeries->setVisible(!m_line->isChecked());
}

void ChartTab::applyThreeD()
{
    m_chart->clearGuideLines();
    m_chart->setView3D(m_threeD->isChecked());
    m_depth->setVisible(m_threeD->isChecked());
}

void ChartTab::applyDepth()
{
    m_depth->setRange(1, 100);
    m_chart->clearGuideLines();
    m_chart->setDepthPercent(m_depth->value());
}

void ChartTab::addGuideLine(int y)
{
    m_remover->show();
    m_chart->addGuideLine(y, QPen(schemeColours().trendLine, 2));
}

void ChartTab::removeGuideLines()
{
    m_chart->clearGuideLines();
    m_remover->hide();
}
