#include "ui/analysis/PositionOmissionWindow.h"

#include "exchange/CsvFile.h"
#include "store/DrawStore.h"
#include "store/RangeOmission.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/IssueListModel.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/NumberItem.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/TableExport.h"
#include "ui/widgets/ResultTable.h"
#include "ui/widgets/QuickRange.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

const QString PositionOmissionWindow::kCaption = QStringLiteral("分位遗漏统计");

namespace {


// The bands' fills are the scheme's heat colours, in this order.
const char* const kBands[] = {"未出现", "低于平均", "1-2倍", "2-3倍", "3倍以上"};

} // namespace

const QStringList& PositionOmissionWindow::columnTitles()
{
    static const QStringList titles{QStringLiteral("类别"),     QStringLiteral("项目"),     QStringLiteral("当前遗漏"),
                                    QStringLiteral("最大遗漏"), QStringLiteral("平均遗漏"), QStringLiteral("出现次数"),
                                    QStringLiteral("当前/平均")};
    return titles;
}

QColor PositionOmissionWindow::heatColour(const OmissionFigures& f)
{
    const QColor* heat = schemeColours().heat;
    if (f.appearances == 0)
        return heat[0];
    return heat[f.ratio < 1 ? 1 : f.ratio < 2 ? 2 : f.ratio < 3 ? 3 : 4];
}

PositionOmissionWindow::PositionOmissionWindow(DrawStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs)
{
    setObjectName("PositionOmissionWindow");
    setWindowTitle(kCaption);
    resize(660, 640);

    m_start = named(new QComboBox(this), "startIssueBox");
    m_end = named(new QComboBox(this), "endIssueBox");
    auto* issues = new IssueListModel(this);
    try {
        auto list = std::make_shared<const IssueList>(store.packedIssueList());
        issues->setSlice(list, 0, list->size());
    } catch (const std::exception& error) {
        dialogs.critical(this, QString::fromUtf8(error.what()));
    }
    for (QComboBox* box : {m_start, m_end}) {
        box->setModel(issues);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(9);
        if (auto* list = qobject_cast<QListView*>(box->view()))
            list->setUniformItemSizes(true);
    }
    m_start->setCurrentIndex(issues->rowCount() > 0 ? 0 : -1);
    m_end->setCurrentIndex(issues->rowCount() - 1);
    const auto [run, exportButton, close] = resultButtons(QStringLiteral("统计"), this);
    connect(run, &QPushButton::clicked, this, &PositionOmissionWindow::run);
    connect(exportButton, &QPushButton::clicked, this, &PositionOmissionWindow::exportCsv);

    m_table = resultTable(columnTitles(), "omissionTable", 20, this);
    // Shown in the table's own order until the user sorts by a column.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_heat.emplace(m_table, [this](int row) {
        return SchemeCells::Look{heatColour(m_figures[size_t(row)]), schemeColours().plainText};
    });

    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("统计期数选择："), this));
    range->addWidget(m_start);
    range->addWidget(new QLabel(QStringLiteral("至"), this));
    range->addWidget(m_end);
    auto* quick = new QuickRange(m_start, m_end, this);
    connect(quick, &QuickRange::chosen, this, &PositionOmissionWindow::run);
    range->addWidget(quick);
    range->addWidget(run);
    range->addStretch();
    auto* legend = new QHBoxLayout;
    legend->addWidget(new QLabel(QStringLiteral("当前遗漏为平均遗漏的："), this));
    for (int band = 0; band < int(std::size(kBands)); ++band) {
        auto* swatch = new QLabel(QString::fromUtf8(kBands[band]), this);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setMinimumWidth(64);
        followScheme(swatch, [swatch, band] {
            swatch->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px solid %3; padding: 2px;")
                                      .arg(schemeColours().heat[band].name(), schemeColours().plainText.name(),
                                           schemeColours().mutedText.name()));
        });
        legend->addWidget(swatch);
    }
    legend->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("点击列标题可排序。"), this));
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addLayout(legend);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
}

void PositionOmissionWindow::run()
{
    runGuarded(m_dialogs, this, [this] {
        showFigures(readPositionOmission(m_store, m_start->currentText(), m_end->currentText()));
    });
}

void PositionOmissionWindow::showFigures(const std::vector<OmissionFigures>& rows)
{
    m_table->setSortingEnabled(false);
    m_figures = rows;
    m_table->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const OmissionFigures& f = rows[size_t(row)];
        auto* group = new NumberItem(f.group, row / 1000.0); // keeps the table's own order
        auto* item = new NumberItem(f.item, row);
        auto* current = new NumberItem(QString::number(f.current), f.current);
        auto* largest = new NumberItem(QString::number(f.largest), f.largest);
        auto* average = new NumberItem(QString::number(f.average, 'f', 2), f.average);
        auto* appearances = new NumberItem(QString::number(f.appearances), f.appearances);
        auto* ratio = new NumberItem(QString::number(f.ratio, 'f', 2), f.ratio);
        m_heat->colour(current, row);
        m_heat->colour(ratio, row);
        const QList<QTableWidgetItem*> cells{group, item, current, largest, average, appearances, ratio};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, cells[column]);
    }
    m_table->setSortingEnabled(true);
}

void PositionOmissionWindow::exportCsv()
{
    ::exportCsv(m_dialogs, this, m_table->rowCount() == 0, QStringLiteral("请先统计，再导出！"),
                [this](const QString& path) { writeCsv(path, columnTitles(), tableTexts(*m_table)); });
}
