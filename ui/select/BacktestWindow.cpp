#include "ui/select/BacktestWindow.h"

#include "core/ExpectedReturn.h"
#include "exchange/CsvFile.h"
#include "exchange/SchemeRecord.h"
#include "store/DrawStore.h"
#include "ui/analysis/TextGrid.h"
#include "ui/select/BacktestChart.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/QuickRange.h"
#include "ui/widgets/ResultTable.h"
#include "ui/widgets/TableExport.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

const QString BacktestWindow::kCaption = QStringLiteral("历史回测");
const QString BacktestWindow::kNoDraws = QStringLiteral("没有开奖数据，无法回测！");
const QString BacktestWindow::kNoDrawsSinceSaved = QStringLiteral("方案保存后还没有新的开奖，无法回测！");

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

QString figure(double value)
{
    return QString::number(value, 'f', 2);
}

// A cell of the table, in the order of columnTitles().
QString cellText(const BacktestRow& row, int column)
{
    switch (column) {
    case 0:
        return row.issue;
    case 1:
        return row.number;
    case 2:
        return QString::number(row.bets);
    case 3:
        return row.hit ? QStringLiteral("中") : QString();
    case 4:
        return QString::number(row.cost);
    case 5:
        return QString::number(row.prize);
    default:
        return QString::number(row.cumulativeNet);
    }
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

const QStringList& BacktestWindow::csvTitles()
{
    static const QStringList titles =
        columnTitles() + QStringList{QStringLiteral("随机期望累计中奖(期)"), QStringLiteral("随机期望累计盈亏(元)"),
                                     QStringLiteral("随机累计盈亏5%(元)"), QStringLiteral("随机累计盈亏95%(元)")};
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
    resize(760, 680);

    m_count = named(new QSpinBox(this), "drawCountBox");
    // The whole history, however long.
    m_count->setRange(1, std::max(100000, m_store.count()));
    m_count->setValue(100);
    m_sinceSaved = named(new QCheckBox(QStringLiteral("保存后"), this), "sinceSavedBox");
    m_sinceSaved->setEnabled(false);
    m_sinceSaved->setToolTip(QStringLiteral("载入或保存方案、且条件未改动时可选：只回测方案保存之后的开奖。"
                                            "这些开奖不可能被用来挑选条件，是对方案诚实的检验。"));
    connect(m_sinceSaved, &QCheckBox::toggled, m_count, [this](bool on) { m_count->setEnabled(!on); });
    const ResultButtons buttons = resultButtons(QStringLiteral("开始回测"), this);
    connect(buttons.run, &QPushButton::clicked, this, &BacktestWindow::run);
    connect(buttons.exportCsv, &QPushButton::clicked, this, &BacktestWindow::exportCsv);

    m_summary = named(new QLabel(this), "summaryLabel");
    m_summary->setWordWrap(true);
    m_chance = named(new QLabel(this), "chanceLabel");
    m_chance->setWordWrap(true);
    m_chance->setToolTip(ChanceText::kPValueTip);
    m_triesNote = named(new QLabel(this), "triesLabel");
    m_triesNote->setWordWrap(true);
    m_triesNote->setToolTip(ChanceText::kPValueTip);
    m_triesNote->hide();
    // The texts are made as they are shown: a million draws tried cost their rows, not a string per cell.
    m_rows = new TextGridModel(this);
    m_rows->setTitles(columnTitles());
    m_rows->setRowInk([this](int row) { return m_shown[size_t(row)].hit ? schemeColours().alertText : QColor(); });
    m_table = resultView(m_rows, "resultTable", 20, this);
    m_table->setItemDelegate(new DrawCellDelegate(
        [](QPainter* painter, QStyleOptionViewItem& cell) { drawCentredCell(painter, cell); }, m_table));
    // Hit rows take the new alert colour at once.
    connect(&ColourSchemeSignal::instance(), &ColourSchemeSignal::schemeChanged, m_table->viewport(),
            qOverload<>(&QWidget::update));
    m_chart = new BacktestChart(this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("方式：%1　　回测最近").arg(kindName(m_kind)), this));
    top->addWidget(m_count);
    top->addWidget(new QLabel(QStringLiteral("期"), this));
    auto* quick = new QuickRange(
        m_count, [this] { return m_store.count(); }, this);
    connect(quick, &QuickRange::chosen, this, &BacktestWindow::run);
    connect(m_sinceSaved, &QCheckBox::toggled, quick, [quick](bool on) { quick->setEnabled(!on); });
    top->addWidget(quick);
    top->addWidget(m_sinceSaved);
    top->addWidget(buttons.run);
    top->addStretch();
    QHBoxLayout* bottom = exportAndCloseRow(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    layout->addWidget(m_chance);
    layout->addWidget(m_triesNote);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_chart, 1);
    layout->addLayout(bottom);
}

void BacktestWindow::offerSinceSaved(const SchemeMark& mark)
{
    m_mark = mark;
    m_sinceSaved->setEnabled(true);
    m_sinceSaved->setText(QStringLiteral("保存后"));
    m_sinceSaved->setToolTip(
        QStringLiteral("只回测方案保存（%1，第%2期）之后的开奖。这些开奖不可能被用来挑选条件，是对方案诚实的检验。")
            .arg(mark.date.toString(QStringLiteral("yyyy-MM-dd")), mark.issue));
}

void BacktestWindow::run()
{
    runGuarded(m_dialogs, this, [this] {
        const bool sinceSaved = m_mark && m_sinceSaved->isChecked();
        const int asked = m_count->value();
        const std::vector<BacktestDraw> draws =
            sinceSaved ? drawsAfter(m_store, m_mark->issue) : latestDrawsWithPrevious(m_store, asked);
        if (draws.empty()) {
            m_dialogs.message(this, sinceSaved ? kNoDrawsSinceSaved : kNoDraws);
            return;
        }
        if (m_tries)
            m_tries->record(m_digits[0], m_digits[1], m_digits[2], m_kind, m_conditions);
        showResult(runBacktest(m_digits[0], m_digits[1], m_digits[2], m_kind, m_conditions, draws),
                   sinceSaved ? int(draws.size()) : asked);
    });
}

void BacktestWindow::showResult(BacktestResult result, int asked)
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
    const BacktestChance chance = backtestChance(result, m_kind);
    m_chance->setText(ChanceText::hits(chance) + QLatin1Char('\n') + ChanceText::net(chance));
    const QString tries = m_tries ? ChanceText::tries(m_tries->count()) : QString();
    m_triesNote->setText(tries);
    m_triesNote->setVisible(!tries.isEmpty());

    m_band = chanceBand(result, m_kind);
    m_chart->plot(result.rows, m_band);
    m_shown = std::move(result.rows);
    m_rows->setTable(int(m_shown.size()),
                     [this](int row, int column) { return cellText(m_shown[size_t(row)], column); });
}

void BacktestWindow::exportCsv()
{
    ::exportCsv(m_dialogs, this, m_rows->rowCount() == 0, QStringLiteral("请先回测，再导出！"),
                [this](const QString& path) {
                    QList<QStringList> rows;
                    for (int row = 0; row < m_rows->rowCount(); ++row) {
                        rows << QStringList();
                        for (int column = 0; column < m_rows->columnCount(); ++column)
                            rows.back() << m_rows->text(row, column);
                        if (size_t(row) < m_band.size()) {
                            const ChancePoint& c = m_band[size_t(row)];
                            rows.back() << QString::number(c.expectedHits, 'f', 4) << figure(c.expectedNet)
                                        << figure(c.lowNet) << figure(c.highNet);
                        }
                    }
                    writeCsv(path, csvTitles(), rows);
                });
}
