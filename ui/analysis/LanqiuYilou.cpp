#include "ui/analysis/LanqiuYilou.h"

#include "core/ConversionError.h"
#include "store/DrawStore.h"
#include "store/RangeOmission.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/QuickRange.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <memory>

const QString TFrm_LanqiuYilou::kHitMark = QStringLiteral("中");
const QString TFrm_LanqiuYilou::kSummaryTitles[kSummaryRows] = {QStringLiteral("平均遗漏"), QStringLiteral("最大遗漏"),
                                                                QStringLiteral("出现次数")};

namespace {

constexpr int kColumnWidth = 40;

QStringList gridTitles()
{
    QStringList titles{QStringLiteral("期数")};
    for (int digit = 0; digit < 10; ++digit)
        titles << QString::number(digit);
    return titles;
}

// Draws every cell by the window's rule: text centred, 5 pixels below the top.
class OmissionDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QAbstractItemModel* model = index.model();
        const auto look = TFrm_LanqiuYilou::SeSkinStringGrid1DrawCell(
            index.data().toString(), model->headerData(index.column(), Qt::Horizontal).toString(), index.column(),
            index.row() + 1, model->rowCount() + 1);
        painter->save();
        painter->setClipRect(option.rect);
        const bool selected = option.state & QStyle::State_Selected;
        if (look.background.isValid())
            painter->fillRect(option.rect, look.background);
        else if (selected)
            painter->fillRect(option.rect, option.palette.highlight());
        QFont font = option.font;
        font.setBold(look.bold);
        painter->setFont(font);
        painter->setPen(look.color);
        const QRect text = option.rect.adjusted(0, 5, 0, 0);
        painter->drawText(text, Qt::AlignHCenter | Qt::AlignTop, look.text);
        painter->restore();
    }
};

} // namespace

TFrm_LanqiuYilou::TFrm_LanqiuYilou(DrawStore& store, Dialogs& dialogs, ShowCountSource showCount, QWidget* parent)
    : AnalysisDialog(store, dialogs, parent), m_showCount(std::move(showCount)), m_grid(new TextGridModel(this))
{
    setObjectName("Frm_LanqiuYilou");
    setWindowTitle(QStringLiteral("常规遗漏统计"));

    SeSkinLabel1 = named(new QLabel(QStringLiteral("选择显示期数："), this), "SeSkinLabel1");
    cmb1 = named(new QComboBox(this), "cmb1");
    SeSkinLabel2 = named(new QLabel(QStringLiteral("至"), this), "SeSkinLabel2");
    cmb2 = named(new QComboBox(this), "cmb2");
    for (QComboBox* box : {cmb1, cmb2})
        prepareIssueBox(box, true);
    SeSkinButton1 = named(new QPushButton(QStringLiteral("确    定"), this), "SeSkinButton1");
    SeSkinButton2 = named(new QPushButton(QStringLiteral("退    出"), this), "SeSkinButton2");
    connect(SeSkinButton1, &QPushButton::clicked, this, &TFrm_LanqiuYilou::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TFrm_LanqiuYilou::SeSkinButton2Click);
    Label1 = named(new QLabel(QStringLiteral("您选择的开奖号码有："), this), "Label1");
    Label3 = named(new QLabel(QStringLiteral("0"), this), "Label3");
    inkText(Label3, &SchemeColours::alertText);
    Label2 = named(new QLabel(QStringLiteral("期"), this), "Label2");

    m_grid->setTitles(gridTitles());
    m_grid->setEditable(true);
    SeSkinStringGrid1 = textGridView(m_grid, "SeSkinStringGrid1", kColumnWidth, 24, this);
    SeSkinStringGrid1->setItemDelegate(new OmissionDelegate(SeSkinStringGrid1));
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(13);
    SeSkinStringGrid1->setFont(font);
    SeSkinStringGrid1->setColumnWidth(0, 60);

    auto* bar = new QHBoxLayout;
    bar->addWidget(SeSkinLabel1);
    bar->addWidget(cmb1);
    bar->addWidget(SeSkinLabel2);
    bar->addWidget(cmb2);
    auto* quick = new QuickRange(cmb1, cmb2, this);
    connect(quick, &QuickRange::chosen, this, &TFrm_LanqiuYilou::SeSkinButton1Click);
    bar->addWidget(quick);
    bar->addSpacing(8);
    bar->addWidget(SeSkinButton1);
    bar->addWidget(SeSkinButton2);
    bar->addSpacing(16);
    bar->addWidget(Label1);
    bar->addWidget(Label3);
    bar->addWidget(Label2);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(SeSkinStringGrid1, 1);
    resize(785, 514);
}

void TFrm_LanqiuYilou::FormShow()
{
    fillIssueBoxes(m_store.packedIssueList(), {cmb1, cmb2});
    // The newest N + 1 draws; a shorter history starts at the first.
    selectIssueAt(cmb1, qint64(cmb1->count()) - toIntStrict(m_showCount()) - 1);
    cmb2->setCurrentIndex(cmb2->count() - 1);
    SeSkinStringGrid1->setColumnWidth(0, 60);
    // Opens computed over the default range; an empty history shows nothing.
    if (cmb2->count() > 0)
        SeSkinButton1Click();
}

void TFrm_LanqiuYilou::SeSkinButton1Click()
{
    const QString first = cmb1->currentText();
    const QString last = cmb2->currentText();
    runGuarded(m_dialogs, this, [&] {
        auto table = std::make_shared<OmissionTable>(readOmissionTable(m_store, first, last));
        const int n = int(table->draws.size());
        Label3->setText(QString::number(n));
        // Draw rows, one empty row, then the summary rows.
        // The header takes its default width from the style once shown.
        SeSkinStringGrid1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
        m_grid->setTable(n + 1 + kSummaryRows, [table, n](int row, int column) -> QString {
            if (row < n) {
                if (column == 0)
                    return table->draws[row].qs;
                const int omission = table->omissions[row][column - 1];
                return omission == 0 ? kHitMark : QString::number(omission);
            }
            if (row == n)
                return {};
            const int summary = row - n - 1;
            if (column == 0)
                return kSummaryTitles[summary];
            const DigitCounts* figures[kSummaryRows] = {&table->average, &table->largest, &table->occurrences};
            return QString::number((*figures[summary])[column - 1]);
        });
        SeSkinStringGrid1->setColumnWidth(0, 60);
    });
}

TFrm_LanqiuYilou::CellLook TFrm_LanqiuYilou::SeSkinStringGrid1DrawCell(const QString& text, const QString& columnTitle,
                                                                       int column, int row, int rows)
{
    CellLook look;
    look.text = text;
    look.color = schemeColours().plainText;
    if (text == kHitMark) {
        // The digit itself on the hit fill.
        look.text = columnTitle;
        look.background = schemeColours().hitFill;
        look.color = schemeColours().hitText;
    } else if (column > 0 && row > 0 && row < rows - kSummaryRows) {
        look.color = schemeColours().missText;
    } else if (row == rows - 1) {
        look.color = schemeColours().alertText;
        look.bold = true;
    }
    return look;
}

void TFrm_LanqiuYilou::SeSkinButton2Click()
{
    close();
}
