#include "ui/analysis/RandomnessWindow.h"

#include "exchange/CsvFile.h"
#include "store/DrawStore.h"
#include "ui/analysis/ObservedExpectedChart.h"
#include "ui/analysis/TextGrid.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ResultTable.h"
#include "ui/widgets/TableExport.h"
#include "ui/widgets/QuickRange.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

const QString RandomnessWindow::kCaption = QStringLiteral("随机性检验");

namespace {
const QColor kDepartsColour(250, 150, 140);
enum Column
{
    Test,
    Observed,
    Expected,
    Statistic,
    Degrees,
    PValue,
    Verdict
};
} // namespace

RandomnessWindow::RandomnessWindow(DrawStore& store, Dialogs& dialogs, QWidget* parent)
    : AnalysisDialog(store, dialogs, parent)
{
    setObjectName("RandomnessWindow");
    setWindowTitle(kCaption);

    m_startIssueBox = named(new QComboBox(this), "startIssueBox");
    m_endIssueBox = named(new QComboBox(this), "endIssueBox");
    for (QComboBox* box : {m_startIssueBox, m_endIssueBox})
        prepareIssueBox(box, true);
    const auto [run, exportButton, close] = resultButtons(QStringLiteral("开始检验"), this);
    connect(run, &QPushButton::clicked, this, &RandomnessWindow::run);
    connect(exportButton, &QPushButton::clicked, this, &RandomnessWindow::exportCsv);
    m_drawsLabel = named(new QLabel(this), "drawsLabel");
    m_drawsLabel->setWordWrap(true);

    const QStringList& titles = RandomnessText::columnTitles();
    m_resultTable = ::resultTable(titles, "resultTable", 20, this);
    QHeaderView* header = m_resultTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Observed, QHeaderView::Stretch);
    header->setSectionResizeMode(Expected, QHeaderView::Stretch);
    auto* note = named(new QLabel(RandomnessText::kManyTests, this), "noteLabel");
    note->setWordWrap(true);
    auto* tablePage = new QWidget(this);
    auto* tableLayout = new QVBoxLayout(tablePage);
    tableLayout->setContentsMargins(4, 4, 4, 4);
    tableLayout->addWidget(m_resultTable, 1);
    tableLayout->addWidget(note);

    auto* chartPage = new QWidget(this);
    auto* charts = new QGridLayout(chartPage);
    charts->setContentsMargins(4, 4, 4, 4);
    const char* chartNames[3] = {"hundredsChart", "tensChart", "unitsChart"};
    const QString positions[3] = {QStringLiteral("百位号码"), QStringLiteral("十位号码"), QStringLiteral("个位号码")};
    for (int p = 0; p < 3; ++p) {
        m_positionCharts[p] = named(new ObservedExpectedChart(positions[p], chartPage), chartNames[p]);
        charts->addWidget(m_positionCharts[p], 0, p);
    }
    m_sumChart = named(new ObservedExpectedChart(QStringLiteral("和值"), chartPage), "sumChart");
    charts->addWidget(m_sumChart, 1, 0, 1, 3);

    m_resultTabs = named(new QTabWidget(this), "resultTabs");
    m_resultTabs->addTab(tablePage, QStringLiteral("检验结果"));
    m_resultTabs->addTab(chartPage, QStringLiteral("分布图"));

    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("检验期数："), this));
    range->addWidget(m_startIssueBox);
    range->addWidget(new QLabel(QStringLiteral("至"), this));
    range->addWidget(m_endIssueBox);
    auto* quick = new QuickRange(m_startIssueBox, m_endIssueBox, this);
    connect(quick, &QuickRange::chosen, this, &RandomnessWindow::run);
    range->addWidget(quick);
    range->addWidget(run);
    range->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_drawsLabel, 1);
    buttons->addWidget(exportButton);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(m_resultTabs, 1);
    layout->addLayout(buttons);
    resize(980, 700);
}

void RandomnessWindow::FormShow()
{
    fillIssueBoxes(m_store.packedIssueList(), {m_startIssueBox, m_endIssueBox});
    m_startIssueBox->setCurrentIndex(m_startIssueBox->count() > 0 ? 0 : -1);
    m_endIssueBox->setCurrentIndex(m_endIssueBox->count() - 1);
    run();
}

void RandomnessWindow::run()
{
    runGuarded(m_dialogs, this, [this] {
        showReport(
            checkRandomness(m_store.rangeNumberValues(m_startIssueBox->currentText(), m_endIssueBox->currentText())));
    });
}

void RandomnessWindow::showReport(const RandomnessReport& report)
{
    m_rows = report.rows;
    m_drawsLabel->setText(report.enough() ? RandomnessText::drawsTested(report.draws)
                                        : RandomnessText::tooShort(report.draws));
    m_resultTable->setRowCount(int(m_rows.size()));
    for (int row = 0; row < int(m_rows.size()); ++row) {
        const QStringList texts = RandomnessText::rowTexts(m_rows[size_t(row)]);
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setToolTip(texts[column]);
            if (column != Observed && column != Expected)
                item->setTextAlignment(Qt::AlignCenter);
            m_resultTable->setItem(row, column, item);
        }
        if (texts[Verdict] == RandomnessText::kDeparts) {
            QTableWidgetItem* verdict = m_resultTable->item(row, Verdict);
            verdict->setBackground(kDepartsColour);
            QFont bold = verdict->font();
            bold.setBold(true);
            verdict->setFont(bold);
        }
    }
    showCharts(report);
}

void RandomnessWindow::showCharts(const RandomnessReport& report)
{
    QStringList digits;
    for (int d = 0; d < 10; ++d)
        digits << QString::number(d);
    const std::vector<double> tenth(10, report.draws / 10.0);
    for (int p = 0; p < 3; ++p) {
        const auto& counts = report.digitCounts[size_t(p)];
        m_positionCharts[p]->setCounts(digits, std::vector<double>(counts.begin(), counts.end()), tenth);
    }
    QStringList sums;
    std::vector<double> expected;
    for (int s = 0; s < 28; ++s) {
        sums << QString::number(s);
        expected.push_back(report.draws * waysOfSum(s) / 1000.0);
    }
    m_sumChart->setCounts(sums, std::vector<double>(report.sumCounts.begin(), report.sumCounts.end()), expected);
}

void RandomnessWindow::exportCsv()
{
    ::exportCsv(m_dialogs, this, m_rows.empty(), QStringLiteral("请先检验，再导出！"), [this](const QString& path) {
        QList<QStringList> rows;
        for (const RandomnessRow& row : m_rows)
            rows << RandomnessText::rowTexts(row);
        writeCsv(path, RandomnessText::columnTitles(), rows);
    });
}
