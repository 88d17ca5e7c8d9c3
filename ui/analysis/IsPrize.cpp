#include "ui/analysis/IsPrize.h"

#include "core/DrawRecord.h"
#include "core/PrizeCheck.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/SchemeInk.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// The number drawn in `issue`, empty when the issue cannot be read: the
// queries then answer that the issue is missing.
QString drawnNumber(const DrawStore& store, const QString& issue)
{
    try {
        return store.numberOfIssue(issue);
    } catch (const DatabaseError&) {
        return {};
    }
}

TicketKind kindOf(const QComboBox* box)
{
    return box->currentIndex() == 1 ? TicketKind::Group : TicketKind::Direct;
}

} // namespace

TFrm_IsPrize::TFrm_IsPrize(DrawStore& store, Dialogs& dialogs, QWidget* parent) : AnalysisDialog(store, dialogs, parent)
{
    setObjectName("Frm_IsPrize");
    setWindowTitle(QStringLiteral("查询中奖情况"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SeSkinPageControl1 = named(new QTabWidget(this), "SeSkinPageControl1");
    SeSkinPageControl1->addTab(buildSingleTab(), QStringLiteral("单注查询"));
    SeSkinPageControl1->addTab(buildBatchTab(), QStringLiteral("批量查询"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(SeSkinPageControl1);
    setFixedSize(314, 244);
}

QComboBox* TFrm_IsPrize::kindBox(QWidget* parent, const char* name)
{
    auto* box = named(new QComboBox(parent), name);
    box->addItems({QStringLiteral("直选"), QStringLiteral("组选")});
    box->setToolTip(QStringLiteral("直选：号码与位置都相同；组选：号码相同、顺序不限（组选3 346元，组选6 173元）"));
    return box;
}

QWidget* TFrm_IsPrize::buildSingleTab()
{
    auto* page = named(new QWidget, "SeCustomTabSheet1");
    SeSkinGroupBox1 = named(new QGroupBox(QStringLiteral("请输入您的号码"), page), "SeSkinGroupBox1");
    Label1 = named(new QLabel(QStringLiteral("期数："), SeSkinGroupBox1), "Label1");
    ComboBox1 = named(new QComboBox(SeSkinGroupBox1), "ComboBox1");
    Label2 = named(new QLabel(QStringLiteral("号码："), SeSkinGroupBox1), "Label2");
    Edit4 = named(new QLineEdit(SeSkinGroupBox1), "Edit4");
    prepareIssueBox(ComboBox1, false);
    Edit4->setMaxLength(3);
    Edit4->installEventFilter(this);
    m_singleKindLabel = named(new QLabel(QStringLiteral("玩法："), SeSkinGroupBox1), "SingleKindLabel");
    m_singleKind = kindBox(SeSkinGroupBox1, "SingleKind");
    auto* inputs = new QGridLayout(SeSkinGroupBox1);
    inputs->addWidget(Label1, 0, 0);
    inputs->addWidget(ComboBox1, 0, 1);
    inputs->addWidget(m_singleKindLabel, 1, 0);
    inputs->addWidget(m_singleKind, 1, 1);
    inputs->addWidget(Label2, 2, 0);
    inputs->addWidget(Edit4, 2, 1);
    inputs->setColumnStretch(1, 1);

    BitBtn10 = named(new QPushButton(QStringLiteral("查询"), page), "BitBtn10");
    BitBtn24 = named(new QPushButton(QStringLiteral("退出"), page), "BitBtn24");
    connect(BitBtn10, &QPushButton::clicked, this, &TFrm_IsPrize::BitBtn10Click);
    connect(BitBtn24, &QPushButton::clicked, this, &TFrm_IsPrize::BitBtn24Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn10);
    buttons->addWidget(BitBtn24);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(SeSkinGroupBox1);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

QWidget* TFrm_IsPrize::buildBatchTab()
{
    auto* page = named(new QWidget, "SeCustomTabSheet2");
    page->setToolTip(QStringLiteral("一行输入一注号码"));
    Label3 = named(new QLabel(QStringLiteral("期数："), page), "Label3");
    ComboBox2 = named(new QComboBox(page), "ComboBox2");
    prepareIssueBox(ComboBox2, false);
    SeSkinLabel1 = named(new QLabel(QStringLiteral("请一行输入一注号码："), page), "SeSkinLabel1");
    inkText(SeSkinLabel1, &SchemeColours::infoText);
    Memo1 = named(new QPlainTextEdit(page), "Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SeSkinButton1 = named(new QPushButton(QStringLiteral("查询"), page), "SeSkinButton1");
    SeSkinButton2 = named(new QPushButton(QStringLiteral("退出"), page), "SeSkinButton2");
    connect(SeSkinButton1, &QPushButton::clicked, this, &TFrm_IsPrize::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TFrm_IsPrize::BitBtn24Click);

    m_batchKindLabel = named(new QLabel(QStringLiteral("玩法："), page), "BatchKindLabel");
    m_batchKind = kindBox(page, "BatchKind");
    // Issue and kind on a line each: side by side the issue would be cut.
    auto* choices = new QGridLayout;
    choices->addWidget(Label3, 0, 0);
    choices->addWidget(ComboBox2, 0, 1);
    choices->addWidget(m_batchKindLabel, 1, 0);
    choices->addWidget(m_batchKind, 1, 1);
    choices->setColumnStretch(1, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(choices);
    left->addWidget(SeSkinLabel1);
    left->addWidget(Memo1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SeSkinButton1);
    buttons->addWidget(SeSkinButton2);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    return page;
}

void TFrm_IsPrize::FormShow()
{
    fillIssueBoxes(m_store.packedIssueList(), {ComboBox1, ComboBox2});
    // A ticket is checked against the latest draw far more often than any other.
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ComboBox2->setCurrentIndex(ComboBox2->count() - 1);
    SeSkinPageControl1->setCurrentIndex(0);
}

bool TFrm_IsPrize::Edit4KeyPress(const QString& key)
{
    if (key.size() != 1)
        return false;
    const QChar c = key[0];
    return c == QLatin1Char('.') || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool TFrm_IsPrize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit4 && event->type() == QEvent::KeyPress)
        return Edit4KeyPress(static_cast<QKeyEvent*>(event)->text());
    return QDialog::eventFilter(watched, event);
}

void TFrm_IsPrize::BitBtn10Click()
{
    if (ComboBox1->currentIndex() < 0) {
        m_dialogs.message(this, PrizeText::kAskIssue);
        ComboBox1->setFocus();
        return;
    }
    const QString bet = Edit4->text();
    // The key filter lets other punctuation through and never sees a paste:
    // anything but three digits is no bet and gets the wrong-number message.
    if (!isDrawNumber(bet)) {
        m_dialogs.message(this, bet.isEmpty() ? PrizeText::kNoNumber : PrizeText::kBadNumber);
        Edit4->setFocus();
        return;
    }
    m_dialogs.message(this,
                      SinglePrizeMessage(bet, drawnNumber(m_store, ComboBox1->currentText()), kindOf(m_singleKind)));
}

void TFrm_IsPrize::SeSkinButton1Click()
{
    if (ComboBox2->currentIndex() < 0) {
        m_dialogs.message(this, PrizeText::kAskIssue);
        ComboBox2->setFocus();
        return;
    }
    if (Memo1->toPlainText().isEmpty()) {
        m_dialogs.message(this, PrizeText::kNoBets);
        Memo1->setFocus();
        return;
    }
    // One read for the whole list: every line is checked against the same draw.
    const QString drawn = drawnNumber(m_store, ComboBox2->currentText());
    for (const QString& text : BatchPrizeMessages(Memo1->toPlainText(), drawn, kindOf(m_batchKind)))
        m_dialogs.message(this, text);
}

void TFrm_IsPrize::BitBtn24Click()
{
    close();
}
