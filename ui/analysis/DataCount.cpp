#include "ui/analysis/DataCount.h"

#include "core/RangeStatistics.h"
#include "store/DrawStore.h"
#include "ui/analysis/FrequencyBars.h"
#include "ui/analysis/TextGrid.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/QuickRange.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTableView>
#include <array>
#include <memory>

const QString TFrm_DataCount::kPleaseWait = QStringLiteral("该功能需要较多时间，请耐心等待！");

namespace {
constexpr int kColumnWidth = 80;
constexpr int kWideColumn = 100;
constexpr int kListColumns = 10; // never-drawn lists: ten to a row
constexpr int kListColumnWidth = 48;
} // namespace

TFrm_DataCount::TFrm_DataCount(DrawStore& store, Dialogs& dialogs, QWidget* parent)
    : AnalysisDialog(store, dialogs, parent), m_grid(new TextGridModel(this))
{
    setObjectName("Frm_DataCount");
    setWindowTitle(QStringLiteral("历史数据统计"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    SeSkinGroupBox3 = named(new QGroupBox(QStringLiteral("请选择统计期数"), this), "SeSkinGroupBox3");
    SeSkinComboBox1 = named(new QComboBox(SeSkinGroupBox3), "SeSkinComboBox1");
    SeSkinLabel1 = named(new QLabel(QStringLiteral("至"), SeSkinGroupBox3), "SeSkinLabel1");
    SeSkinComboBox2 = named(new QComboBox(SeSkinGroupBox3), "SeSkinComboBox2");
    auto* range = new QHBoxLayout(SeSkinGroupBox3);
    range->setContentsMargins(8, 4, 8, 4);
    for (QComboBox* box : {SeSkinComboBox1, SeSkinComboBox2})
        prepareIssueBox(box, true);
    range->addWidget(SeSkinComboBox1, 1);
    range->addWidget(SeSkinLabel1);
    range->addWidget(SeSkinComboBox2, 1);
    auto* quick = new QuickRange(SeSkinComboBox1, SeSkinComboBox2, SeSkinGroupBox3);
    connect(quick, &QuickRange::chosen, this, &TFrm_DataCount::SeSkinButton1Click);
    range->addWidget(quick);

    SeSkinGroupBox2 = named(new QGroupBox(QStringLiteral("请选择要统计的类别"), this), "SeSkinGroupBox2");
    SeSkinRadioButton5 =
        named(new QRadioButton(QStringLiteral("出现过两次以上的开奖号码"), SeSkinGroupBox2), "SeSkinRadioButton5");
    SeSkinRadioButton6 =
        named(new QRadioButton(QStringLiteral("未出现过的和值"), SeSkinGroupBox2), "SeSkinRadioButton6");
    SeSkinRadioButton7 = named(new QRadioButton(QStringLiteral("和值频率统计"), SeSkinGroupBox2), "SeSkinRadioButton7");
    SeSkinRadioButton8 =
        named(new QRadioButton(QStringLiteral("单个数出现期数统计"), SeSkinGroupBox2), "SeSkinRadioButton8");
    SeSkinRadioButton4 =
        named(new QRadioButton(QStringLiteral("历期未出现的号码"), SeSkinGroupBox2), "SeSkinRadioButton4");
    SeSkinRadioButton9 = named(new QRadioButton(QStringLiteral("跨度频率统计"), SeSkinGroupBox2), "SeSkinRadioButton9");
    SeSkinRadioButton5->setChecked(true);
    SeSkinRadioButton5->setToolTip(QStringLiteral("列出范围内开出两次以上的号码，每个号码一行，次数多的在前"));
    SeSkinRadioButton6->setToolTip(QStringLiteral("列出范围内从未开出的和值（0-27）"));
    SeSkinRadioButton7->setToolTip(QStringLiteral("每个和值（0-27）在范围内开出的期数及所占比例"));
    SeSkinRadioButton8->setToolTip(QStringLiteral("每个数字（0-9）在范围内出现过的期数"));
    SeSkinRadioButton4->setToolTip(QStringLiteral("列出范围内从未开出的号码（000-999）"));
    SeSkinRadioButton9->setToolTip(QStringLiteral("每个跨度（0-9）在范围内开出的期数及所占比例"));
    auto* kinds = new QGridLayout(SeSkinGroupBox2);
    kinds->setContentsMargins(8, 2, 8, 2);
    kinds->setVerticalSpacing(2);
    kinds->addWidget(SeSkinRadioButton5, 0, 0);
    kinds->addWidget(SeSkinRadioButton6, 0, 1);
    kinds->addWidget(SeSkinRadioButton7, 0, 2);
    kinds->addWidget(SeSkinRadioButton8, 1, 0);
    kinds->addWidget(SeSkinRadioButton4, 1, 1);
    kinds->addWidget(SeSkinRadioButton9, 1, 2);

    SeSkinButton1 = named(new QPushButton(QStringLiteral("开始统计"), this), "SeSkinButton1");
    SeSkinButton2 = named(new QPushButton(QStringLiteral("退出"), this), "SeSkinButton2");
    connect(SeSkinButton1, &QPushButton::clicked, this, &TFrm_DataCount::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TFrm_DataCount::SeSkinButton2Click);

    Grid1 = textGridView(m_grid, "Grid1", kColumnWidth, 22, this);
    Grid1->setItemDelegate(new DrawCellDelegate(
        [this](QPainter* painter, QStyleOptionViewItem& cell) { Grid1DrawCell(painter, cell); }, Grid1));
    inkText(Grid1, &SchemeColours::infoText);
    // A click on a title orders the rows by that column, a second click the other way.
    Grid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    Grid1->setSortingEnabled(true);
    m_listCaption = named(new QLabel(this), "listCaption");
    m_listCaption->hide();
    DBChart1 = named(new FrequencyBars(this), "DBChart1");
    DBChart1->setTitle(QStringLiteral("和值频率统计"));
    // 28 rows of readable text may be taller than the window: it scrolls.
    m_chartScroll = named(new QScrollArea(this), "chartScroll");
    m_chartScroll->setWidget(DBChart1);
    m_chartScroll->setWidgetResizable(true);
    m_chartScroll->setFrameShape(QFrame::NoFrame);
    m_chartScroll->hide();

    // Range and buttons on top, the six choices below, results filling the rest.
    auto* top = new QHBoxLayout;
    top->addWidget(SeSkinGroupBox3, 1);
    top->addSpacing(12);
    top->addWidget(SeSkinButton1, 0, Qt::AlignBottom);
    top->addWidget(SeSkinButton2, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(SeSkinGroupBox2);
    layout->addWidget(m_listCaption);
    layout->addWidget(Grid1, 1);
    layout->addWidget(m_chartScroll, 1);
    resize(627, 434);
}

void TFrm_DataCount::FormShow()
{
    fillIssueBoxes(m_store.packedIssueList(), {SeSkinComboBox1, SeSkinComboBox2});
    // The whole history by default.
    SeSkinComboBox1->setCurrentIndex(SeSkinComboBox1->count() > 0 ? 0 : -1);
    SeSkinComboBox2->setCurrentIndex(SeSkinComboBox2->count() - 1);
    // Opens with the chosen statistic computed; an empty history shows nothing.
    if (SeSkinComboBox2->count() > 0) {
        m_opening = true;
        const auto opened = qScopeGuard([this] { m_opening = false; });
        runStatistic(SeSkinComboBox1->currentText(), SeSkinComboBox2->currentText());
    }
}

void TFrm_DataCount::SeSkinButton1Click()
{
    const QString first = SeSkinComboBox1->currentText();
    const QString last = SeSkinComboBox2->currentText();
    runGuarded(m_dialogs, this, [&] { runStatistic(first, last); });
}

const RangeStatistics& TFrm_DataCount::statisticsOf(const QString& first, const QString& last)
{
    // One read and one pass for all six; kept while the range, the game and
    // the stored history stay as they were.
    const Computed key{first, last, m_store.game(), m_store.revision()};
    if (!m_statistics || !(m_computed == key)) {
        m_statistics = rangeStatistics(m_store.issueNumbers(first, last));
        m_computed = key;
    }
    return *m_statistics;
}

void TFrm_DataCount::runStatistic(const QString& first, const QString& last)
{
    const RangeStatistics& s = statisticsOf(first, last);
    if (SeSkinRadioButton5->isChecked()) {
        showRepeatedNumbers(s.repeats);
    } else if (SeSkinRadioButton6->isChecked()) {
        QStringList texts;
        for (int sum : s.sumsNeverDrawn)
            texts << QString::number(sum);
        showList(QStringLiteral("未出现过的和值"), texts);
    } else if (SeSkinRadioButton7->isChecked()) {
        DBChart1->setBars(s.sums);
        showChart(QStringLiteral("和值频率统计"));
    } else if (SeSkinRadioButton8->isChecked()) {
        const std::array<int, 10> counts = s.digitCounts;
        showGrid({QStringLiteral("号码"), QStringLiteral("出现过期数")}, 10,
                 [counts](int row, int column) { return QString::number(column == 0 ? row : counts[size_t(row)]); });
    } else if (SeSkinRadioButton9->isChecked()) {
        DBChart1->setBars(s.spans);
        showChart(QStringLiteral("跨度频率统计"));
    } else if (SeSkinRadioButton4->isChecked()) {
        if (!m_opening)
            m_dialogs.message(this, kPleaseWait);
        showList(QStringLiteral("未出现过开奖号码"), s.numbersNeverDrawn);
    }
}

void TFrm_DataCount::showRepeatedNumbers(const std::vector<NumberRepeat>& repeats)
{
    auto rows = std::make_shared<std::vector<NumberRepeat>>(repeats);
    const QStringList titles{QStringLiteral("开奖号码"), QStringLiteral("出现次数"), QStringLiteral("最近出现期数")};
    // With nothing repeated the grid still shows one empty row.
    showGrid(titles, std::max<int>(1, int(rows->size())),
             [rows](int row, int column) {
                 if (row >= int(rows->size()))
                     return QString();
                 const NumberRepeat& r = (*rows)[size_t(row)];
                 return column == 0 ? r.number : column == 1 ? QString::number(r.count) : r.latestIssue;
             },
             {{2, kWideColumn}});
}

void TFrm_DataCount::showList(const QString& caption, const QStringList& items)
{
    showGrid(QStringList(kListColumns, QString()), int((items.size() + kListColumns - 1) / kListColumns),
             [items](int row, int column) { return items.value(qsizetype(row) * kListColumns + column); });
    for (int column = 0; column < kListColumns; ++column)
        Grid1->setColumnWidth(column, kListColumnWidth);
    m_listCaption->setText(QStringLiteral("%1：共 %2 个").arg(caption).arg(items.size()));
    m_listCaption->show();
    Grid1->horizontalHeader()->hide();
    Grid1->setSortingEnabled(false);
}

void TFrm_DataCount::showGrid(const QStringList& titles, int rows, std::function<QString(int, int)> cell,
                              std::initializer_list<std::pair<int, int>> widths)
{
    // Titles and rows come unordered; the header's indicator says so.
    Grid1->setSortingEnabled(false);
    Grid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_grid->setTitles(titles);
    m_grid->setTable(rows, std::move(cell));
    Grid1->setSortingEnabled(true);
    Grid1->horizontalHeader()->show();
    m_listCaption->hide();
    for (int column = 0; column < titles.size(); ++column)
        Grid1->setColumnWidth(column, kColumnWidth);
    for (auto [column, width] : widths)
        Grid1->setColumnWidth(column, width);
    m_chartScroll->hide();
    Grid1->show();
}

void TFrm_DataCount::showChart(const QString& title)
{
    DBChart1->setTitle(title);
    Grid1->hide();
    m_listCaption->hide();
    m_chartScroll->show();
}

void TFrm_DataCount::SeSkinButton2Click()
{
    close();
}

// Each cell: its background, then its text centred and wrapped, in the grid's blue.
void TFrm_DataCount::Grid1DrawCell(QPainter* painter, QStyleOptionViewItem& cell) const
{
    drawCentredCell(painter, cell, schemeColours().infoText);
}
