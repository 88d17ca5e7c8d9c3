#include "ui/select/ConditionCheckWindow.h"

#include "exchange/CsvFile.h"
#include "store/DrawStore.h"
#include "ui/select/BacktestWindow.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/NumberItem.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/TableExport.h"
#include "ui/widgets/ResultTable.h"
#include "ui/widgets/QuickRange.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

const QString ConditionCheckWindow::kCaption = QStringLiteral("条件验证");
const QString ConditionCheckWindow::kNoDraws = QStringLiteral("没有开奖数据，无法验证！");
const QString ConditionCheckWindow::kAllConditions = QStringLiteral("全部条件");

const QStringList& ConditionCheckWindow::columnTitles()
{
    static const QStringList titles{QStringLiteral("条件"), QStringLiteral("保留期数"), QStringLiteral("保留比例(%)"),
                                    QStringLiteral("当前连续淘汰"), QStringLiteral("最长连续淘汰")};
    return titles;
}

ConditionCheckWindow::ConditionCheckWindow(DrawStore& store, Dialogs& dialogs, GenerationConditions conditions,
                                           BetKind kind, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs), m_conditions(std::move(conditions)), m_kind(kind)
{
    setObjectName("ConditionCheckWindow");
    setWindowTitle(kCaption);
    resize(640, 480);

    m_count = named(new QSpinBox(this), "drawCountBox");
    // Any number of draws up to the whole history.
    m_count->setRange(1, std::max(kMostOffered, m_store.count()));
    m_count->setValue(100);
    const ResultButtons buttons = resultButtons(QStringLiteral("开始验证"), this);
    connect(buttons.run, &QPushButton::clicked, this, &ConditionCheckWindow::run);
    connect(buttons.exportCsv, &QPushButton::clicked, this, &ConditionCheckWindow::exportCsv);

    m_summary = named(new QLabel(this), "summaryLabel");
    m_summary->setWordWrap(true);
    m_table = resultTable(columnTitles(), "resultTable", 22, this);
    // Sorting starts from the table's own order, not from names reversed.
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_warnings.emplace(m_table, [](int) {
        return SchemeCells::Look{schemeColours().warnFill, schemeColours().plainText};
    });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("用当前条件验证最近"), this));
    top->addWidget(m_count);
    top->addWidget(new QLabel(QStringLiteral("期开奖号码"), this));
    auto* quick = new QuickRange(m_count, [this] { return m_store.count(); }, this);
    connect(quick, &QuickRange::chosen, this, &ConditionCheckWindow::run);
    top->addWidget(quick);
    top->addWidget(buttons.run);
    top->addStretch();
    auto* legend = new QLabel(QStringLiteral("保留比例低于 %1% 的条件"
                                             "以红色标出；淘汰指该期开奖号码会被条件过滤掉。点击列标题可排序。")
                                  .arg(int(kWarnBelow * 100)),
                              this);
    legend->setWordWrap(true);
    QHBoxLayout* bottom = exportAndCloseRow(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(legend);
    layout->addLayout(bottom);
}

void ConditionCheckWindow::run()
{
    runGuarded(m_dialogs, this, [this] {
        const int asked = m_count->value();
        const std::vector<BacktestDraw> draws = latestDrawsWithPrevious(m_store, asked);
        if (draws.empty()) {
            m_dialogs.message(this, kNoDraws);
            return;
        }
        showRows(checkConditions(m_conditions, m_kind, draws), int(draws.size()), asked);
    });
}

void ConditionCheckWindow::showRows(const std::vector<ConditionCheckRow>& rows, int judged, int asked)
{
    QString text = QStringLiteral("验证最近 %1 期，已勾选 %2 个条件。").arg(judged).arg(rows.size() - 1);
    if (judged < asked)
        text += QStringLiteral("（历史数据只有 %1 期。）").arg(judged);
    m_summary->setText(text);

    m_table->setSortingEnabled(false);
    m_table->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const ConditionCheckRow& r = rows[size_t(row)];
        auto* name = new NumberItem(r.condition ? conditionName(*r.condition) : kAllConditions, row);
        const QList<QTableWidgetItem*> cells{
            name, new NumberItem(QString::number(r.kept), r.kept),
            new NumberItem(QString::number(r.keptShare() * 100, 'f', 1), r.keptShare()),
            new NumberItem(QString::number(r.currentMiss), r.currentMiss),
            new NumberItem(QString::number(r.longestMiss), r.longestMiss)};
        const bool warn = r.draws > 0 && r.keptShare() < kWarnBelow;
        for (int column = 0; column < cells.size(); ++column) {
            if (warn)
                m_warnings->colour(cells[column], 0);
            if (!r.condition)
                cells[column]->setFont([&] {
                    QFont bold = font();
                    bold.setBold(true);
                    return bold;
                }());
            m_table->setItem(row, column, cells[column]);
        }
    }
    m_table->setSortingEnabled(true);
}

void ConditionCheckWindow::exportCsv()
{
    ::exportCsv(m_dialogs, this, m_table->rowCount() == 0, QStringLiteral("请先验证，再导出！"),
                [this](const QString& path) { writeCsv(path, columnTitles(), tableTexts(*m_table)); });
}
