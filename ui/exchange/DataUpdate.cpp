#include "ui/exchange/DataUpdate.h"

#include "core/HistoryCheck.h"
#include "core/ShownText.h"
#include "exchange/DownloadList.h"
#include "exchange/DrawText.h"
#include "exchange/HistoryImport.h"
#include "exchange/PageLoader.h"
#include "store/DrawStore.h"
#include "ui/exchange/EntryCommand.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/SchemeInk.h"
#include "ui/widgets/Named.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QUrl>

const QString TFrm_DataUpdate::kAskHistory = QStringLiteral("2003-2008年历史数据较多，更新耗时将会较长，继续更新吗？");
const QString TFrm_DataUpdate::kDownloading = QStringLiteral("正在下载最新数据，请稍等...");
const QString TFrm_DataUpdate::kAnalysing = QStringLiteral("最新数据下载完毕，正在分析，请稍等...");
const QString TFrm_DataUpdate::kUpdated = QStringLiteral("最新数据更新完毕！");
const QString TFrm_DataUpdate::kCancelled = QStringLiteral("已取消下载。");
const QString TFrm_DataUpdate::kNothingNew = QStringLiteral("未发现更新开奖号码，请稍后再试！");
const QString TFrm_DataUpdate::kNoAddress =
    QStringLiteral("下载地址为空，请在 user/DownUpdate.txt 中填写开奖结果网页的地址！");

QString TFrm_DataUpdate::badAddress(const QString& address)
{
    return QStringLiteral("下载地址“") + shownText(address) +
           QStringLiteral("”无效，请在 user/DownUpdate.txt 中填写开奖结果网页的地址！");
}

QString TFrm_DataUpdate::notWebAddress(const QString& address)
{
    return QStringLiteral("下载地址“") + shownText(address) +
           QStringLiteral("”不是 http:// 或 https:// 网址，没有打开：只能从网页下载开奖号码。");
}

namespace {


QString issueLabel(Game game)
{
    return game == Game::Fucai ? QStringLiteral("3D期数:") : QStringLiteral("排列3期数:");
}

} // namespace

TFrm_DataUpdate::TFrm_DataUpdate(EntryCommand& entry, DrawStore& store, Dialogs& dialogs, QString listPath,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_loader(new PageLoader(this)), m_entry(entry), m_store(store), m_dialogs(dialogs),
      m_listPath(std::move(listPath))
{
    setObjectName("Frm_DataUpdate");
    setWindowTitle(QStringLiteral("最新开奖号码下载"));

    SeSkinGroupBox1 = named(new QGroupBox(QStringLiteral("更新种类"), this), "SeSkinGroupBox1");
    SeSkinRadioButton2 =
        named(new QRadioButton(QStringLiteral("最新开奖数据更新"), SeSkinGroupBox1), "SeSkinRadioButton2");
    SeSkinRadioButton2->setChecked(true);
    SeSkinLabel1 = named(new QLabel(QStringLiteral("仅更新最新15天内开奖数据"), SeSkinGroupBox1), "SeSkinLabel1");
    SeSkinRadioButton1 = named(new QRadioButton(QStringLiteral("历史数据更新"), SeSkinGroupBox1), "SeSkinRadioButton1");
    SeSkinLabel2 =
        named(new QLabel(QStringLiteral("将更新所有历史期数，耗时将会很长"), SeSkinGroupBox1), "SeSkinLabel2");
    for (QLabel* label : {SeSkinLabel1, SeSkinLabel2}) {
        label->setWordWrap(true);
        label->setIndent(20);
        inkText(label, &SchemeColours::mutedText);
    }
    auto* kinds = new QVBoxLayout(SeSkinGroupBox1);
    kinds->addWidget(SeSkinRadioButton2);
    kinds->addWidget(SeSkinLabel1);
    kinds->addSpacing(12);
    kinds->addWidget(SeSkinRadioButton1);
    kinds->addWidget(SeSkinLabel2);
    kinds->addStretch();

    ListBox1 = named(new QListWidget(this), "ListBox1");
    // A history page logs thousands of lines: one height for all keeps each addition cheap.
    ListBox1->setUniformItemSizes(true);
    SeSkinButton1 = named(new QPushButton(QStringLiteral("下载地址设置"), this), "SeSkinButton1");
    SpeedButton1 = named(new QPushButton(QStringLiteral("开始下载"), this), "SpeedButton1");
    SpeedButton2 = named(new QPushButton(QStringLiteral("退出"), this), "SpeedButton2");
    // The address list is edited outside the program; this button does nothing.
    SeSkinButton1->setAutoDefault(false);
    SpeedButton1->setAutoDefault(false);
    SpeedButton2->setAutoDefault(false);
    connect(SpeedButton1, &QPushButton::clicked, this, &TFrm_DataUpdate::SpeedButton1Click);
    // While a page loads: a busy bar and a way out. What was entered stays.
    m_progress = named(new QProgressBar(this), "downloadProgress");
    m_progress->setRange(0, 0);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_cancel = named(new QPushButton(QStringLiteral("取消"), this), "cancelButton");
    m_cancel->setAutoDefault(false);
    m_cancel->setToolTip(QStringLiteral("停止下载；已经录入的开奖号码保留"));
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, m_loader, &PageLoader::cancel);
    connect(SpeedButton2, &QPushButton::clicked, this, &TFrm_DataUpdate::SpeedButton2Click);

    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SeSkinButton1);
    buttons->addWidget(m_progress, 1);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    auto* layout = new QGridLayout(this);
    layout->addWidget(SeSkinGroupBox1, 0, 0);
    layout->addWidget(ListBox1, 0, 1);
    layout->setColumnStretch(0, 4);
    layout->setColumnStretch(1, 5);
    layout->addLayout(buttons, 1, 0, 1, 2);
    setFixedSize(482, 301);

    connect(m_loader, &PageLoader::pageLoaded, this, &TFrm_DataUpdate::WebBrowser1NavigateComplete2);
    connect(m_loader, &PageLoader::pageRead, this, &TFrm_DataUpdate::WebBrowser1DownloadComplete);
    connect(m_loader, &PageLoader::failed, this, &TFrm_DataUpdate::downloadEnded);
    connect(m_loader, &PageLoader::logged, this, &TFrm_DataUpdate::log);
    connect(m_loader, &PageLoader::cancelled, this, [this] {
        showLoading(false);
        log(kCancelled);
        ListBox1->scrollToBottom();
        SpeedButton1->setEnabled(true);
        emit downloadFailed();
    });
}

TFrm_DataUpdate::~TFrm_DataUpdate() = default;

void TFrm_DataUpdate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrm_DataUpdate::FormShow()
{
    m_found = false;
}

bool TFrm_DataUpdate::isLoading() const
{
    return m_loader->isLoading();
}

void TFrm_DataUpdate::startHistoryDownload()
{
    SeSkinRadioButton1->setChecked(true);
    SpeedButton1Click();
}

void TFrm_DataUpdate::SpeedButton1Click()
{
    QStringList lines;
    try {
        lines = readDownloadList(m_listPath);
    } catch (const DownloadListError& error) {
        m_dialogs.critical(this, error.text());
        return;
    }
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    const bool history = SeSkinRadioButton1->isChecked();
    if (history && !m_dialogs.askOkCancel(this, QStringLiteral("提示"), kAskHistory))
        return;
    const QStringList addresses = splitAddresses(downloadAddress(lines, m_store.game(), history));
    if (addresses.isEmpty()) {
        m_dialogs.message(this, kNoAddress);
        return;
    }
    // An address that names no page is refused before anything loads.
    QList<QUrl> pages;
    for (const QString& address : addresses) {
        switch (addressProblem(address)) {
        case AddressProblem::None:
            break;
        case AddressProblem::NotWeb:
            m_dialogs.message(this, notWebAddress(address));
            return;
        case AddressProblem::NotAnAddress:
            m_dialogs.message(this, badAddress(address));
            return;
        }
        pages << downloadUrl(address);
    }
    log(kDownloading);
    SpeedButton1->setEnabled(false);
    showLoading(true);
    m_loader->load(pages, m_store.game());
}

void TFrm_DataUpdate::SpeedButton2Click()
{
    close();
}

// A page of the run is open; its text is read once the last one is.
void TFrm_DataUpdate::WebBrowser1NavigateComplete2(const QUrl& page)
{
    m_progress->setToolTip(QStringLiteral("已打开：") + page.toDisplayString());
}

// The page's text is read, once per run: its draws are entered.
void TFrm_DataUpdate::WebBrowser1DownloadComplete(const QString& text)
{
    showLoading(false);
    log(kAnalysing);
    processPageText(text);
}

void TFrm_DataUpdate::showLoading(bool loading)
{
    m_progress->setVisible(loading);
    m_cancel->setVisible(loading);
}

void TFrm_DataUpdate::downloadEnded(const QString& message)
{
    showLoading(false);
    log(message);
    m_dialogs.message(this, message);
    ListBox1->scrollToBottom();
    SpeedButton1->setEnabled(true);
    emit downloadFailed();
}

QString TFrm_DataUpdate::newDraws(int count)
{
    return QStringLiteral("本次新增%1期开奖数据。").arg(count);
}

QString TFrm_DataUpdate::missing(const QStringList& issues)
{
    constexpr int kShown = 20;
    QString line =
        QStringLiteral("期号不连续，缺少%1期：").arg(issues.size()) + issues.mid(0, kShown).join(QStringLiteral("、"));
    if (issues.size() > kShown)
        line += QStringLiteral(" 等");
    return line;
}

void TFrm_DataUpdate::processPageText(const QString& text)
{
    const Game game = m_store.game();
    // A store error (a full disk, a read-only file) ends the page with one
    // message; the draws entered before it stay stored.
    runGuarded(m_dialogs, this, Unsaved::kImport, [&] {
        // The page's other lines are no concern of the download: only its draws count.
        const ImportFile file = readPageDraws(text, game);
        // Issue order at the history's width: a page listing the newest first
        // would otherwise enter each draw before the one it is derived against.
        const ImportPlan plan = planImport(file, m_store.issueWidth());
        int added = 0;
        {
            // The grid is reloaded and the file synced once, when the last draw of the page is in.
            EntryCommand::Batch batch(m_entry);
            DrawStore::DeferredSync sync(m_store);
            for (const DrawStore::NewDraw& draw : plan.draws) {
                if (m_store.issueExists(draw.issue))
                    continue;
                if (const QString refusal = m_entry.enterQuietly(draw.issue, draw.number); !refusal.isEmpty()) {
                    log(issueLabel(game) + draw.issue + QStringLiteral("：") + refusal);
                    continue;
                }
                log(issueLabel(game) + draw.issue);
                log(QStringLiteral("开奖号码:") + draw.number);
                ++added;
                m_found = true;
            }
        }
        if (added > 0) {
            log(newDraws(added));
            // Issues missing from the history between the first and the last
            // that came in: a gap in the source shows at once.
            QStringList stored;
            for (const DrawPoint& point : m_store.rangePoints(plan.draws.front().issue, plan.draws.back().issue))
                stored << point.qs;
            const QStringList gaps = missingIssues(stored);
            if (!gaps.isEmpty())
                log(missing(gaps));
        }
        if (m_found) {
            log(kUpdated);
            m_dialogs.confirm(this, kUpdated);
        } else {
            m_dialogs.message(this, kNothingNew);
        }
    });
    ListBox1->scrollToBottom();
    SpeedButton1->setEnabled(true);
    emit pageProcessed();
}

void TFrm_DataUpdate::log(const QString& line)
{
    ListBox1->addItem(line);
}
