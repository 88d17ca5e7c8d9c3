#include "ui/select/BacktestWindow.h"

#include "core/ExpectedReturn.h"
#include "exchange/CsvFile.h"
#include "store/DrawStore.h"
#include "ui/widgets/ChartStyle.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/TableExport.h"
#include "ui/widgets/ResultTable.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPen>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

const QString BacktestWindow::kCaption = QStringLiteral("历史回测");
const QString BacktestWindow::kNoDraws = QStringLiteral("没有开奖数据，无法回测！");

namespace {


QString kindName(BetKind kind)
{
    switch (kind) {
    case BetKind::Direct:
        return QStringLiteral("直选");
    case BetKind::Group3:
        return QStringLiteral("组选3");
    case BetKind::Group6:
        return QStringLiteral("组选6");
    }
    return {};
}

QString percent(double ratio)
{
    return QString::number(ratio * 100, 'f', 1) + QLatin1Char('%');
}

} // namespace

std::vector<BacktestDraw> latestDrawsWithPrevious(const DrawStore& store, int asked)
{
    const std::vector<DrawPoint> points = store.latestPoints(asked + 1);
    const size_t first = points.size() > size_t(asked) ? 1 : 0;
    std::vector<BacktestDraw> draws;
    for (size_t i = first; i < points.size(); ++i)
        draws.push_back({points[i].qs, points[i].allNumber, i > 0 ? points[i - 1].allNumber : QString()});
    return draws;
}

const QStringList& BacktestWindow::columnTitles()
{
    static const QStringList titles{
        QStringLiteral("期号"),     QStringLiteral("开奖号码"), QStringLiteral("注数"),        QStringLiteral("中奖"),
        QStringLiteral("投入(元)"), QStringLiteral("奖金(元)"), QStringLiteral("累计盈亏(元)")};
    return titles;
}

BacktestWindow::BacktestWindow(DrawStore& store, Dialogs& dialogs, QString digits1, QString digits2, QString digits3,
                               BetKind kind, GenerationConditions conditions, QWidget* parent)
    : QDialog(parent), m_store(store),
      m_dialogs(dialogs), m_digits{std::move(digits1), std::move(digits2), std::move(digits3)}, m_kind(kind),
      m_conditions(std::move(conditions))
{
    setObjectName("BacktestWindow");
    setWindowTitle(kCaption);
    resize(760, 600);

    m_count = named(new QSpinBox(this), "drawCountBox");
    // The whole history, however long.
    m_count->setRange(1, std::max(100000, m_store.count()));
    m_count->setValue(100);
    const auto [run, exportButton, close] = resultButtons(QStringLiteral("开始回测"), this);
    connect(run, &QPushButton::clicked, this, &BacktestWindow::run);
    connect(exportButton, &QPushButton::clicked, this, &BacktestWindow::exportCsv);

    m_summary = named(new QLabel(this), "summaryLabel");
    m_summary->setWordWrap(true);
    m_table = resultTable(columnTitles(), "resultTable", 20, this);
    m_hits.emplace(m_table, [](int) { return SchemeCells::Look{QColor(), schemeColours().alertText}; });

    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setTitle(QStringLiteral("累计盈亏（元）"));
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_net = new QLineSeries(chart);
    m_net->setObjectName("netSeries");
    m_net->setName(QStringLiteral("实际"));
    chart->addSeries(m_net);
    // What the same bets would have made on average: the line a fair draw drifts along.
    m_expectedNet = new QLineSeries(chart);
    m_expectedNet->setObjectName("expectedNetSeries");
    m_expectedNet->setName(QStringLiteral("理论期望"));
    chart->addSeries(m_expectedNet);
    auto* x = new QValueAxis(chart);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(QStringLiteral("回测第几期"));
    auto* y = new QValueAxis(chart);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* series : {m_net, m_expectedNet}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    ChartStyle::apply(chart);
    const auto colour = [this] {
        m_net->setColor(schemeColours().trendLine);
        m_expectedNet->setPen(QPen(schemeColours().expectedLine, 1.5, Qt::DashLine));
    };
    colour();
    connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, this, colour);
    m_chart = named(new QChartView(chart, this), "netChart");
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(190);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("方式：%1　　回测最近").arg(kindName(m_kind)), this));
    top->addWidget(m_count);
    top->addWidget(new QLabel(QStringLiteral("期"), this));
    top->addWidget(run);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(exportButton);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_chart, 2);
    layout->addLayout(bottom);
}

void BacktestWindow::run()
{
    runGuarded(m_dialogs, this, [this] {
        const int asked = m_count->value();
        const std::vector<BacktestDraw> draws = latestDrawsWithPrevious(m_store, asked);
        if (draws.empty()) {
            m_dialogs.message(this, kNoDraws);
            return;
        }
        showResult(runBacktest(m_digits[0], m_digits[1], m_digits[2], m_kind, m_conditions, draws), asked);
    });
}

void BacktestWindow::showResult(const BacktestResult& result, int asked)
{
    const BacktestSummary& s = result.summary;
    QString text =
        QStringLiteral(
            "回测 %1 期：中奖 %2 期，中奖率 %3；共 %4 注，投入 %5 元，奖金 %6 元，盈亏 %7 元，回报率 %8（%9）。")
            .arg(s.draws)
            .arg(s.hits)
            .arg(percent(s.hitRate()))
            .arg(s.bets)
            .arg(s.cost)
            .arg(s.prize)
            .arg(s.net())
            .arg(percent(s.returnRatio()))
            .arg(ReturnText::rate(expectedReturn(m_kind, s.bets).returnRate));
    if (s.draws < asked)
        text += QStringLiteral("（历史数据只有 %1 期。）").arg(s.draws);
    m_summary->setText(text);

    m_table->setRowCount(int(result.rows.size()));
    QList<QPointF> net, expectedNet;
    double expected = 0, low = 0, high = 0;
    for (int row = 0; row < int(result.rows.size()); ++row) {
        const BacktestRow& r = result.rows[size_t(row)];
        const QStringList cells{r.issue,
                                r.number,
                                QString::number(r.bets),
                                r.hit ? QStringLiteral("中") : QString(),
                                QString::number(r.cost),
                                QString::number(r.prize),
                                QString::number(r.cumulativeNet)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            if (r.hit)
                m_hits->colour(item, 0);
            m_table->setItem(row, column, item);
        }
        expected += expectedReturn(m_kind, r.bets).expectedPrize - double(r.cost);
        net << QPointF(row + 1, qreal(r.cumulativeNet));
        expectedNet << QPointF(row + 1, expected);
        low = std::min({low, double(r.cumulativeNet), expected});
        high = std::max({high, double(r.cumulativeNet), expected});
    }
    m_net->replace(net);
    m_expectedNet->replace(expectedNet);
    const auto axes = m_chart->chart()->axes();
    for (QAbstractAxis* axis : axes) {
        auto* values = qobject_cast<QValueAxis*>(axis);
        if (!values)
            continue;
        if (axis->orientation() == Qt::Horizontal)
            values->setRange(1, std::max<qreal>(2, qreal(result.rows.size())));
        else
            values->setRange(low, std::max(high, low + 1));
        values->applyNiceNumbers();
    }
}

void BacktestWindow::exportCsv()
{
    ::exportCsv(m_dialogs, this, m_table->rowCount() == 0, QStringLiteral("请先回测，再导出！"),
                [this](const QString& path) { writeCsv(path, columnTitles(), tableTexts(*m_table)); });
}
