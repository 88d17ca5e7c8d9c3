#include "ui/analysis/DataAnalyse.h"

#include "core/ConversionError.h"
#include "core/HistoryAnalysis.h"
#include "store/DrawStore.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/QuickRange.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <memory>

namespace {
constexpr int kColumnWidth = 30;
} // namespace

const QStringList& TFrm_DataAnalyse::titles()
{
    // The leading blanks push the short titles onto the second line of the
    // wrapped title row.
    static const QStringList list{QStringLiteral("               期数"),
                                  QStringLiteral("开奖结果"),
                                  QStringLiteral("           新码"),
                                  QStringLiteral("           孤码"),
                                  QStringLiteral("           左斜"),
                                  QStringLiteral("           右斜"),
                                  QStringLiteral("           斜码"),
                                  QStringLiteral("           奇码"),
                                  QStringLiteral("           偶码"),
                                  QStringLiteral("奇偶形态"),
                                  QStringLiteral("大奇数个数"),
                                  QStringLiteral("小奇数个数"),
                                  QStringLiteral("大偶数个数"),
                                  QStringLiteral("小偶数个数"),
                                  QStringLiteral("          大码"),
                                  QStringLiteral("          小码"),
                                  QStringLiteral("大码和"),
                                  QStringLiteral("小码和"),
                                  QStringLiteral("奇码和"),
                                  QStringLiteral("偶码和"),
                                  QStringLiteral("质号个数"),
                                  QStringLiteral("         和值"),
                                  QStringLiteral("         均值")};
    return list;
}

TFrm_DataAnalyse::TFrm_DataAnalyse(DrawStore& store, Dialogs& dialogs, ShowCountSource showCount, QWidget* parent)
    : AnalysisDialog(store, dialogs, parent), m_showCount(std::move(showCount)), m_grid(new TextGridModel(this))
{
    setObjectName("Frm_DataAnalyse");
    setWindowTitle(QStringLiteral("3D历史期数数据分析"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    Label1 = named(new QLabel(QStringLiteral("请选择统计期数："), this), "Label1");
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    Label2 = named(new QLabel(QStringLiteral("至"), this), "Label2");
    ComboBox2 = named(new QComboBox(this), "ComboBox2");
    for (QComboBox* box : {ComboBox1, ComboBox2})
        prepareIssueBox(box, false);
    SpeedButton1 = named(new QToolButton(this), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("开始统计"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    SpeedButton2 = named(new QToolButton(this), "SpeedButton2");
    SpeedButton2->setText(QStringLiteral("退    出"));
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    for (QToolButton* button : {SpeedButton1, SpeedButton2}) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
    }
    connect(SpeedButton1, &QToolButton::clicked, this, &TFrm_DataAnalyse::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFrm_DataAnalyse::SpeedButton2Click);

    StringGrid1 = textGridView(m_grid, "StringGrid1", kColumnWidth, 15, this);
    StringGrid1->setItemDelegate(new DrawCellDelegate(
        [this](QPainter* painter, QStyleOptionViewItem& cell) { StringGrid1DrawCell(painter, cell); }, StringGrid1));
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false); // the numbers fit; titles wrap in the header
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    StringGrid1->setFont(font);
    // Titles in the interface's own type; the title row grows to the tallest.
    StringGrid1->horizontalHeader()->setFont(QApplication::font());
    QHeaderView* header = StringGrid1->horizontalHeader();
    followScheme(header, [header] {
        const QPalette palette = QGuiApplication::palette();
        header->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px; border: none; border-right: 1px "
                                             "solid %1; border-bottom: 1px solid %1; background: %2; color: %3; }")
                                  .arg(palette.color(QPalette::Mid).name(), palette.color(QPalette::Button).name(),
                                       palette.color(QPalette::ButtonText).name()));
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(Label1);
    bar->addWidget(ComboBox1);
    bar->addWidget(Label2);
    bar->addWidget(ComboBox2);
    auto* quick = new QuickRange(ComboBox1, ComboBox2, this);
    connect(quick, &QuickRange::chosen, this, &TFrm_DataAnalyse::SpeedButton1Click);
    bar->addWidget(quick);
    bar->addSpacing(12);
    bar->addWidget(SpeedButton1);
    bar->addWidget(SpeedButton2);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(StringGrid1, 1);
    resize(696, 480);
}

void TFrm_DataAnalyse::AddTitle()
{
    // Set again here: the header takes its default from the style when the
    // window is first shown.
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    m_grid->setTitles(titles());
    StringGrid1->setColumnWidth(0, 50);
    // As high as the tallest title wrapped in its column, so none is cut.
    QHeaderView* header = StringGrid1->horizontalHeader();
    const QFontMetrics metrics(header->font());
    int tallest = metrics.height();
    for (int column = 0; column < m_grid->titles().size(); ++column) {
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, std::max(1, header->sectionSize(column) - 2), 1000),
                                 Qt::AlignCenter | Qt::TextWordWrap, m_grid->titles()[column].trimmed());
        tallest = std::max(tallest, wrapped.height());
    }
    header->setFixedHeight(tallest + 4);
}

void TFrm_DataAnalyse::FormShow()
{
    AddTitle();
    fillIssueBoxes(m_store.packedIssueList(), {ComboBox1, ComboBox2});
    ComboBox2->setCurrentIndex(ComboBox2->count() - 1);
    // N + 1 issues before the newest; a shorter history starts at the first.
    selectIssueAt(ComboBox1, qint64(ComboBox2->currentIndex()) - toIntStrict(m_showCount()) - 1);
    // Opens computed over the default range; an empty history shows nothing.
    if (ComboBox2->count() > 0)
        SpeedButton1Click();
}

void TFrm_DataAnalyse::SpeedButton1Click()
{
    const QString first = ComboBox1->currentText();
    const QString last = ComboBox2->currentText();
    runGuarded(m_dialogs, this, [&] {
        auto draws = std::make_shared<std::vector<IssueNumber>>(m_store.issueNumbers(first, last));
        auto rows = std::make_shared<std::vector<AnalysisRow>>(AnalyseHistory(*draws));
        m_grid->setTable(int(draws->size()), [draws, rows](int row, int column) {
            if (column == 0)
                return (*draws)[row].qs;
            if (column == 1)
                return (*draws)[row].number;
            return AnalysisColumnText((*rows)[row], column);
        });
        StringGrid1->setColumnWidth(0, 50);
    });
}

void TFrm_DataAnalyse::SpeedButton2Click()
{
    close();
}

// Each cell: its background, then its text centred and wrapped, in the grid's own colours.
void TFrm_DataAnalyse::StringGrid1DrawCell(QPainter* painter, QStyleOptionViewItem& cell) const
{
    drawCentredCell(painter, cell);
}
