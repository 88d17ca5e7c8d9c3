#include "ui/analysis/Trend.h"

#include "core/TrendAnalysis.h"
#include "store/DrawStore.h"
#include "ui/analysis/TextGrid.h"
#include "ui/analysis/TrendChart.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/QuickRange.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

const QString TFrm_Trend::kPrimeLegend = QStringLiteral("1代表质数12357，0代表和数04689");
const QString TFrm_Trend::kRouteLegend = QStringLiteral("0代表0369，1代表147，2代表258");

namespace {
constexpr int kDefaultDraws = 20;
constexpr int kSpanChartHeight = 300;
constexpr int kPositionChartHeight = 150;
} // namespace

TFrm_Trend::TFrm_Trend(DrawStore& store, Dialogs& dialogs, QWidget* parent) : AnalysisDialog(store, dialogs, parent)
{
    setObjectName("Frm_Trend");
    setWindowTitle(QStringLiteral("走势图分析"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    Chart4 = new TrendChart(QStringLiteral("跨度走势图"), "Chart4", "Series4");
    Chart1 = new TrendChart(QStringLiteral("第一位走势图"), "Chart1", "Series1");
    Chart2 = new TrendChart(QStringLiteral("第二位走势图"), "Chart2", "Series2");
    Chart3 = new TrendChart(QStringLiteral("第三位走势图"), "Chart3", "Series3");
    Chart4->setFixedHeight(kSpanChartHeight);
    Chart4->hide();
    auto* charts = new QWidget;
    auto* stack = new QVBoxLayout(charts);
    stack->setContentsMargins(0, 0, 0, 0);
    for (TrendChart* chart : {Chart4, Chart1, Chart2, Chart3}) {
        if (chart != Chart4)
            chart->setFixedHeight(kPositionChartHeight);
        stack->addWidget(chart);
    }
    stack->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("ChartScroll");
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(charts);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildParameters());
    layout->addWidget(scroll, 1);
    resize(708, 490);
}

QWidget* TFrm_Trend::buildParameters()
{
    // The panel rolls up when its tick is cleared, leaving the charts the room.
    SeSkinPanel1 = named(new QGroupBox(QStringLiteral("分析参数选择"), this), "SeSkinPanel1");
    SeSkinPanel1->setCheckable(true);
    SeSkinPanel1->setChecked(true);
    auto* content = new QWidget(SeSkinPanel1);
    connect(SeSkinPanel1, &QGroupBox::toggled, content, &QWidget::setVisible);

    SeSkinGroupBox1 = named(new QGroupBox(QStringLiteral("分析种类选择"), content), "SeSkinGroupBox1");
    SeSkinRadioButton1 = named(new QRadioButton(QStringLiteral("质合走势分析"), SeSkinGroupBox1), "SeSkinRadioButton1");
    SeSkinRadioButton2 = named(new QRadioButton(QStringLiteral("012走势分析"), SeSkinGroupBox1), "SeSkinRadioButton2");
    SeSkinRadioButton6 = named(new QRadioButton(QStringLiteral("跨度走势分析"), SeSkinGroupBox1), "SeSkinRadioButton6");
    SeSkinRadioButton1->setChecked(true);
    connect(SeSkinRadioButton1, &QRadioButton::clicked, this, &TFrm_Trend::SeSkinRadioButton1Click);
    connect(SeSkinRadioButton2, &QRadioButton::clicked, this, &TFrm_Trend::SeSkinRadioButton2Click);
    connect(SeSkinRadioButton6, &QRadioButton::clicked, this, &TFrm_Trend::SeSkinRadioButton6Click);
    auto* kinds = new QHBoxLayout(SeSkinGroupBox1);
    kinds->addWidget(SeSkinRadioButton1);
    kinds->addWidget(SeSkinRadioButton2);
    kinds->addWidget(SeSkinRadioButton6);

    SeSkinGroupBox3 = named(new QGroupBox(QStringLiteral("请选择期数"), content), "SeSkinGroupBox3");
    SeSkinLabel3 = named(new QLabel(QStringLiteral("选择期数请尽量控制在50期以内"), SeSkinGroupBox3), "SeSkinLabel3");
    inkText(SeSkinLabel3, &SchemeColours::goodText);
    SeSkinComboBox1 = named(new QComboBox(SeSkinGroupBox3), "SeSkinComboBox1");
    SeSkinLabel1 = named(new QLabel(QStringLiteral("至"), SeSkinGroupBox3), "SeSkinLabel1");
    SeSkinComboBox2 = named(new QComboBox(SeSkinGroupBox3), "SeSkinComboBox2");
    for (QComboBox* box : {SeSkinComboBox1, SeSkinComboBox2})
        prepareIssueBox(box, true);
    auto* range = new QHBoxLayout;
    range->addWidget(SeSkinComboBox1, 1);
    range->addWidget(SeSkinLabel1);
    range->addWidget(SeSkinComboBox2, 1);
    auto* rangeBox = new QVBoxLayout(SeSkinGroupBox3);
    rangeBox->addWidget(SeSkinLabel3);
    rangeBox->addLayout(range);
    auto* quick = new QuickRange(SeSkinComboBox1, SeSkinComboBox2, SeSkinGroupBox3);
    connect(quick, &QuickRange::chosen, this, &TFrm_Trend::SeSkinButton1Click);
    rangeBox->addWidget(quick, 0, Qt::AlignLeft);

    SeSkinLabel2 = named(new QLabel(kPrimeLegend, content), "SeSkinLabel2");
    QFont legend(QStringLiteral("宋体"));
    legend.setPixelSize(13);
    legend.setBold(true);
    SeSkinLabel2->setFont(legend);
    inkText(SeSkinLabel2, &SchemeColours::alertText);
    SeSkinButton1 = named(new QPushButton(QStringLiteral("显示走势图"), content), "SeSkinButton1");
    SeSkinButton2 = named(new QPushButton(QStringLiteral("退出"), content), "SeSkinButton2");
    connect(SeSkinButton1, &QPushButton::clicked, this, &TFrm_Trend::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TFrm_Trend::SeSkinButton2Click);

    auto* groups = new QHBoxLayout;
    groups->addWidget(SeSkinGroupBox1);
    groups->addWidget(SeSkinGroupBox3, 1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(SeSkinLabel2, 1);
    actions->addWidget(SeSkinButton1);
    actions->addWidget(SeSkinButton2);
    auto* inner = new QVBoxLayout(content);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addLayout(groups);
    inner->addLayout(actions);
    auto* outer = new QVBoxLayout(SeSkinPanel1);
    outer->addWidget(content);
    return SeSkinPanel1;
}

void TFrm_Trend::FormShow()
{
    fillIssueBoxes(m_store.packedIssueList(), {SeSkinComboBox1, SeSkinComboBox2});
    // The newest 20 draws; exactly 19 stored leave the first box empty, which
    // also reads from the first draw.
    selectIssueAt(SeSkinComboBox1, SeSkinComboBox1->count() - kDefaultDraws, true);
    SeSkinComboBox2->setCurrentIndex(SeSkinComboBox2->count() - 1);
    // Opens computed over the default range; an empty history shows nothing.
    if (SeSkinComboBox2->count() > 0)
        SeSkinButton1Click();
}

void TFrm_Trend::showPositionCharts(bool positions)
{
    Chart4->setVisible(!positions);
    for (TrendChart* chart : {Chart1, Chart2, Chart3})
        chart->setVisible(positions);
}

void TFrm_Trend::SeSkinRadioButton1Click()
{
    SeSkinLabel2->setText(kPrimeLegend);
    showPositionCharts(true);
}

void TFrm_Trend::SeSkinRadioButton2Click()
{
    SeSkinLabel2->setText(kRouteLegend);
    showPositionCharts(true);
}

void TFrm_Trend::SeSkinRadioButton6Click()
{
    SeSkinLabel2->clear();
    showPositionCharts(false);
}

void TFrm_Trend::SeSkinButton1Click()
{
    const QString first = SeSkinComboBox1->currentText();
    const QString last = SeSkinComboBox2->currentText();
    runGuarded(m_dialogs, this, [&] {
        if (SeSkinRadioButton1->isChecked())
            drawPositions(true, first, last);
        else if (SeSkinRadioButton6->isChecked())
            drawSpans(first, last);
        else if (SeSkinRadioButton2->isChecked())
            drawPositions(false, first, last);
    });
}

void TFrm_Trend::drawPositions(bool primes, const QString& first, const QString& last)
{
    showPositionCharts(true);
    const std::vector<IssueNumber> draws = m_store.issueNumbers(first, last);
    QStringList labels;
    labels.reserve(qsizetype(draws.size()));
    for (const IssueNumber& draw : draws)
        labels << draw.qs;
    const PositionTrends trends = primes ? PrimeTrend(draws) : RouteTrend(draws);
    TrendChart* charts[] = {Chart1, Chart2, Chart3};
    for (int p = 0; p < 3; ++p) {
        charts[p]->setPoints(trends.values[p], labels);
        charts[p]->setTitle(trends.titles[p]);
    }
}

void TFrm_Trend::drawSpans(const QString& first, const QString& last)
{
    showPositionCharts(false);
    const std::vector<IssueValue> spans = m_store.issueSpans(first, last);
    std::vector<int> values;
    QStringList labels;
    values.reserve(spans.size());
    for (const IssueValue& span : spans) {
        values.push_back(span.value);
        labels << span.qs;
    }
    Chart4->setPoints(values, labels);
}

void TFrm_Trend::SeSkinButton2Click()
{
    close();
}
