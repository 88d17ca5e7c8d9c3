#include "ui/analysis/RandomnessWindow.h"

#include "exchange/CsvFile.h"
#include "store/DrawStore.h"
#include "ui/analysis/ObservedExpectedChart.h"
#include "ui/analysis/TextGrid.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
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

    startIssueBox = named(new QComboBox(this), "startIssueBox");
    endIssueBox = named(new QComboBox(this), "endIssueBox");
    for (QComboBox* box : {startIssueBox, endIssueBox})
        prepareIssueBox(box, true);
    const auto [run, exportButton, close] = resultButtons(QStringLiteral("开始检验"), this);
    connect(run, &QPushButton::clicked, this, &RandomnessWindow::run);
    connect(exportButton, &QPushButton::clicked, this, &RandomnessWindow::exportCsv);
    drawsLabel = named(new QLabel(this), "drawsLabel");
    drawsLabel->setWordWrap(true);

    const QStringList& titles = RandomnessText::columnTitles();
    resultTable = ::resultTable(titles, "resultTable", 20, this);
    QHeaderView* header = resultTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Observed, QHeaderView::Stretch);
    header->setSectionResizeMode(Expected, QHeaderView::Stretch);
    auto* note = named(new QLabel(RandomnessText::kManyTests, this), "noteLabel");
    note->setWordWrap(true);
    auto* tablePage = new QWidget(this);
    auto* tableLayout = new QVBoxLayout(tablePage);
    tableLayout->setContentsMargins(4, 4, 4, 4);
    tableLayout->addWidget(resultTable, 1);
    tableLayout->addWidget(note);

    auto* chartPage = new QWidget(this);
    auto* charts = new QGridLayout(chartPage);
    charts->setContentsMargins(4, 4, 4, 4);
    const char* chartNames[3] = {"hundredsChart", "tensChart", "unitsChart"};
    const QString positions[3] = {QStringLiteral("百位号码"), QStringLiteral("十位号码"), QStringLiteral("个位号码")};
    for (int p = 0; p < 3; ++p) {
        positionCharts[p] = named(new ObservedExpectedChart(positions[p], chartPage), chartNames[p]);
        charts->addWidget(positionCharts[p], 0, p);
    }
    sumChart = named(new ObservedExpectedChart(QStringLiteral("和值"), chartPage), "sumChart");
    charts->addWidget(sumChart, 1, 0, 1, 3);

    resultTabs = named(new QTabWidget(this), "resultTabs");
    resultTabs->addTab(tablePage, QStringLiteral("检验结果"));
    resultTabs->addTab(chartPage, QStringLiteral("分布图"));

    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("检验期数："), this));
    range->addWidget(startIssueBox);
    range->addWidget(new QLabel(QStringLiteral("至"), this));
    range->addWidget(endIssueBox);
    auto* quick = new QuickRange(startIssueBox, endIssueBox, this);
    connect(quick, &QuickRange::chosen, this, &RandomnessWindow::run);
    range->addWidget(quick);
    range->addWidget(run);
    range->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(drawsLabel, 1);
    buttons->addWidget(exportButton);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(resultTabs, 1);
    layout->addLayout(buttons);
    resize(980, 700);
}

void RandomnessWindow::FormShow()
{
    fillIssueBoxes(m_store.packedIssueList(), {startIssueBox, endIssueBox});
    startIssueBox->setCurrentIndex(startIssueBox->count() > 0 ? 0 : -1);
    endIssueBox->setCurrentIndex(endIssueBox->count() - 1);
    run();
}

void RandomnessWindow::run()
{
    runGuarded(m_dialogs, this, [this] {
        showReport(
            checkRandomness(m_store.rangeNumberValues(startIssueBox->currentText(), endIssueBox->currentText())));
    });
}

void RandomnessWindow::showReport(const RandomnessReport& report)
{
    m_rows = report.rows;
    drawsLabel->setText(report.enough() ? RandomnessText::drawsTested(report.draws)
                                        : RandomnessText::tooShort(report.draws));
    resultTable->setRowCount(int(m_rows.size()));
    for (int row = 0; row < int(m_rows.size()); ++row) {
        const QStringList texts = RandomnessText::rowTexts(m_rows[size_t(row)]);
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setToolTip(texts[column]);
            if (column != Observed && column != Expected)
                item->setTextAlignment(Qt::AlignCenter);
            resultTable->setItem(row, column, item);
        }
        if (texts[Verdict] == RandomnessText::kDeparts) {
            QTableWidgetItem* verdict = resultTable->item(row, Verdict);
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
        positionCharts[p]->setCounts(digits, std::vector<double>(counts.begin(), counts.end()), tenth);
    }
    QStringList sums;
    std::vector<double> expected;
    for (int s = 0; s < 28; ++s) {
        sums << QString::number(s);
        expected.push_back(report.draws * waysOfSum(s) / 1000.0);
    }
    sumChart->setCounts(sums, std::vector<double>(report.sumCounts.begin(), report.sumCounts.end()), expected);
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
