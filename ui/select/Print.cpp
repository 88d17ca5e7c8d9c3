#include "ui/select/Print.h"

#include "core/SelectionText.h"
#include "exchange/BetTextFile.h"
#include "ui/select/SelectControls.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShowEvent>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <memory>

namespace {

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFixedSize(96, 28);
    return button;
}
} // namespace

TFrm_Print::TFrm_Print(Dialogs& dialogs, QWidget* parent) : QDialog(parent), m_dialogs(dialogs)
{
    prepareFixedDialog(this, "Frm_Print", QStringLiteral("打印投注"), QString(), 12);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setAcceptRichText(false);
    // A point size: pixel sizes would shrink to printer dots on paper.
    QFont printFont = this->font();
    printFont.setPointSize(9);
    RichEdit1->document()->setDefaultFont(printFont);
    RichEdit1->hide();

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(41);
    SpeedButton2 = makeButton("SpeedButton2", QStringLiteral("打    印"), Panel1);
    BitBtn1 = makeButton("BitBtn1", QStringLiteral("保存至文本"), Panel1);
    SpeedButton1 = makeButton("SpeedButton1", QStringLiteral("退    出"), Panel1);
    m_prizeCheck = makeButton("prizeCheckButton", QStringLiteral("中奖查询"), Panel1);
    m_prizeCheck->setToolTip(QStringLiteral("查询这些号码在某一期是否中奖"));
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->addStretch();
    buttons->addWidget(m_prizeCheck);
    buttons->addWidget(SpeedButton2);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(SpeedButton1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Panel1);
    setFixedSize(530, 367);

    connect(SpeedButton2, &QPushButton::clicked, this, &TFrm_Print::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrm_Print::BitBtn1Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &QDialog::close);
    connect(m_prizeCheck, &QPushButton::clicked, this, &TFrm_Print::askPrizeCheck);
}

void TFrm_Print::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        centreOnScreen(this);
}

void TFrm_Print::setBetLines(const QStringList& lines)
{
    const QString text = lines.join(QLatin1Char('\n'));
    Memo1->setPlainText(text);
    RichEdit1->setPlainText(text);
}

void TFrm_Print::SpeedButton2Click()
{
    // The memo as the user left it, edits included.
    RichEdit1->setPlainText(Memo1->toPlainText());
    if (!printOnDefaultPrinter(*RichEdit1->document(), SelectText::kPrintTitle))
        m_dialogs.message(this, SelectText::kNoPrinter);
}

void TFrm_Print::BitBtn1Click()
{
    const QString chosen = SaveDialog1.execute(m_dialogs, this);
    if (chosen.isEmpty())
        return;
    runGuarded(m_dialogs, this, [&] {
        const QString name = betTextFileName(chosen);
        writeBetTextFile(name, memoLines(Memo1->toPlainText()));
        m_dialogs.message(this, SelectText::saved(QDir::toNativeSeparators(name)));
    });
}

void TFrm_Print::askPrizeCheck()
{
    emit prizeCheckAsked(Memo1->toPlainText());
}

bool printOnDefaultPrinter(const QTextDocument& document, const QString& title)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return false;
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    if (!printer.isValid())
        return false;
    // Laid out on the printer's own page: the text alone, with no page
    // numbers added, paginated by the document.
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    copy->print(&printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}
