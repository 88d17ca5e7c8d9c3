#include "ui/analysis/IsPrize.h"

#include "core/DrawRecord.h"
#include "core/PrizeCheck.h"
#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/SchemeInk.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

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

const QStringList& resultTitles()
{
    static const QStringList titles{QStringLiteral("行"), QStringLiteral("号码"), QStringLiteral("玩法"),
                                    QStringLiteral("中奖"), QStringLiteral("奖金")};
    return titles;
}

const QString kSizeSection = QStringLiteral("中奖查询");
const QString kSizeKey = QStringLiteral("大小");

// The size the window had when it last closed, for the next opening.
QSize& keptSize()
{
    static QSize size(600, 440);
    return size;
}

} // namespace

const QString TFrm_IsPrize::kCaption = QStringLiteral("查询中奖情况");

TFrm_IsPrize::TFrm_IsPrize(DrawStore& store, Dialogs& dialogs, QWidget* parent) : AnalysisDialog(store, dialogs, parent)
{
    setObjectName("Frm_IsPrize");
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_resultModel = new TextGridModel(this);
    m_resultModel->setTitles(resultTitles());
    SeSkinPageControl1 = named(new QTabWidget(this), "SeSkinPageControl1");
    SeSkinPageControl1->addTab(buildSingleTab(), QStringLiteral("单注查询"));
    SeSkinPageControl1->addTab(buildBatchTab(), QStringLiteral("批量查询"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(SeSkinPageControl1);
    setMinimumSize(360, 300);
    resize(keptSize());
}

TFrm_IsPrize::~TFrm_IsPrize()
{
    const QSize last = normalGeometry().isValid() ? normalGeometry().size() : size();
    keptSize() = last;
    if (m_sizeFile.isEmpty())
        return;
    try {
        const QString text = QStringLiteral("%1,%2").arg(last.width()).arg(last.height());
        IniFile(m_sizeFile).writeString(kSizeSection, kSizeKey, text);
    } catch (const IniWriteError&) {
        // Only the size is lost: the next opening takes the session's.
    }
}

void TFrm_IsPrize::keepSizeIn(const QString& dataFolder)
{
    m_sizeFile = Options::windowPath(dataFolder);
    const QStringList parts = IniFile(m_sizeFile).readString(kSizeSection, kSizeKey, QString()).split(QLatin1Char(','));
    if (parts.size() != 2)
        return;
    bool ok[2] = {};
    const QSize kept(parts[0].trimmed().toInt(&ok[0]), parts[1].trimmed().toInt(&ok[1]));
    // A size edited by hand is taken only within reason; ScreenFit fits it
    // to the screen as the window shows.
    if (ok[0] && ok[1] && kept.width() <= 10000 && kept.height() <= 10000)
        resize(kept.expandedTo(minimumSize()));
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
    Label3 = named(new QLabel(QStringLiteral("期数："), page), "Label3");
    ComboBox2 = named(new QComboBox(page), "ComboBox2");
    prepareIssueBox(ComboBox2, false);
    SeSkinLabel1 = named(new QLabel(QStringLiteral("每行一注：123、1 2 3、1,2,3 或导出投注的 1=123=6，空行不计："), page),
                         "SeSkinLabel1");
    SeSkinLabel1->setWordWrap(true);
    inkText(SeSkinLabel1, &SchemeColours::infoText);
    Memo1 = named(new QPlainTextEdit(page), "Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setToolTip(QStringLiteral("一行一注号码；不是号码的行列在结果下面，其余照常查询"));
    SeSkinButton1 = named(new QPushButton(QStringLiteral("查询"), page), "SeSkinButton1");
    SeSkinButton2 = named(new QPushButton(QStringLiteral("退出"), page), "SeSkinButton2");
    connect(SeSkinButton1, &QPushButton::clicked, this, &TFrm_IsPrize::SeSkinButton1Click);
    connect(SeSkinButton2, &QPushButton::clicked, this, &TFrm_IsPrize::BitBtn24Click);
    m_batchKindLabel = named(new QLabel(QStringLiteral("玩法："), page), "BatchKindLabel");
    m_batchKind = kindBox(page, "BatchKind");

    m_resultGrid = textGridView(m_resultModel, "resultGrid", 64, 22, page);
    m_resultGrid->horizontalHeader()->setStretchLastSection(true);
    m_resultSummary = named(new QLabel(page), "resultSummary");
    m_resultSummary->setWordWrap(true);
    m_resultSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* choices = new QHBoxLayout;
    choices->addWidget(Label3);
    choices->addWidget(ComboBox2);
    choices->addWidget(m_batchKindLabel);
    choices->addWidget(m_batchKind);
    choices->addStretch();
    choices->addWidget(SeSkinButton1);
    choices->addWidget(SeSkinButton2);
    auto* input = new QVBoxLayout;
    input->addWidget(SeSkinLabel1);
    input->addWidget(Memo1, 1);
    auto* result = new QVBoxLayout;
    result->addWidget(m_resultGrid, 1);
    result->addWidget(m_resultSummary);
    auto* body = new QHBoxLayout;
    body->addLayout(input, 2);
    body->addLayout(result, 5);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(choices);
    layout->addLayout(body, 1);
    return page;
}

void TFrm_IsPrize::setBetList(const QString& lines, TicketKind kind)
{
    Memo1->setPlainText(lines);
    m_batchKind->setCurrentIndex(kind == TicketKind::Group ? 1 : 0);
    m_checkOnShow = true;
}

void TFrm_IsPrize::FormShow()
{
    fillIssueBoxes(m_store.packedIssueList(), {ComboBox1, ComboBox2});
    // A ticket is checked against the latest draw far more often than any other.
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ComboBox2->setCurrentIndex(ComboBox2->count() - 1);
    SeSkinPageControl1->setCurrentIndex(m_checkOnShow ? 1 : 0);
    if (std::exchange(m_checkOnShow, false) && ComboBox2->currentIndex() >= 0)
        SeSkinButton1Click();
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
    const QString text = Memo1->toPlainText();
    if (text.trimmed().isEmpty()) {
        m_dialogs.message(this, PrizeText::kNoBets);
        Memo1->setFocus();
        return;
    }
    // One read for the whole list: every line is checked against the same draw.
    const QString drawn = drawnNumber(m_store, ComboBox2->currentText());
    if (!isDrawNumber(drawn)) {
        m_dialogs.message(this, PrizeText::kIssueMissing);
        return;
    }
    PrizeReport report = checkTicketList(text, drawn.toInt(), kindOf(m_batchKind));
    const bool none = report.tickets.empty();
    showReport(std::move(report));
    if (none) {
        m_dialogs.message(this, PrizeText::kNoTickets);
        Memo1->setFocus();
    }
}

void TFrm_IsPrize::showReport(PrizeReport&& report)
{
    m_report = std::move(report);
    m_resultModel->setTable(int(m_report.tickets.size()), [this](int row, int column) {
        const CheckedTicket& t = m_report.tickets[size_t(row)];
        switch (column) {
        case 0:
            return QString::number(t.line);
        case 1:
            return QStringLiteral("%1").arg(int(t.ticket), 3, 10, QLatin1Char('0'));
        case 2:
            return PrizeText::playName(t.ticket, m_report.kind);
        case 3:
            return PrizeText::winName(t.win);
        default:
            return QString::number(winPrize(t.win));
        }
    });
    m_resultSummary->setText(PrizeText::summary(m_report).join(QLatin1Char('\n')));
}

void TFrm_IsPrize::BitBtn24Click()
{
    close();
}
