#include "ui/main/Main.h"

#include "core/ConversionError.h"
#include "core/DrawEntry.h"
#include "core/IssueArithmetic.h"
#include "core/TrendFigures.h"
#include "exchange/OptionsFile.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "ui/main/ChartTab.h"
#include "ui/main/Clock.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/HistoryColumns.h"
#include "ui/main/HistoryModel.h"
#include "ui/main/Itemset.h"
#include "ui/main/WindowPlace.h"
#include "ui/main/splash.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/IssueListModel.h"
#include "ui/widgets/SchemeInk.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

const QString TFrmMain::kAskExit = QStringLiteral("是否退出系统？");
const QString TFrmMain::kStoreMissing =
    QStringLiteral("找不到数据文件或数据文件无法打开，请确认解压是否正确或者文件被删除！");
const QString TFrmMain::kFolderReadOnly =
    QStringLiteral("程序所在的文件夹 %1 不能写入，数据文件无法打开。请把程序文件夹放到可以写入的位置后再启动。");

TFrmMain::TFrmMain(DrawStore& store, Dialogs& dialogs, QString dataDir, QWidget* parent)
    : QMainWindow(parent), m_store(store), m_dialogs(dialogs), m_dataDir(std::move(dataDir)),
      m_history(new HistoryModel(store, this)), m_startIssues(new IssueListModel(this)),
      m_endIssues(new IssueListModel(this)), m_gridEndIssues(new IssueListModel(this))
{
    setObjectName("FrmMain");
    setWindowTitle(QStringLiteral("Quorvane"));
    buildMenu();
    // F1 in any window opens the manual at that window's section.
    QCoreApplication::instance()->installEventFilter(
        new HelpKey([this](const QString& section) { openManual(section); }, this));

    // The tabs sit right under the menu: the program shows no advertising.
    auto* central = new QWidget(this);
    PageControl3 = new QTabWidget(central);
    PageControl3->setObjectName("PageControl3");
    PageControl3->setIconSize(QSize(24, 24));
    setTabSize(PageControl3, QSize(150, 40));
    const QStyle* look = style();
    PageControl3->addTab(buildEntryTab(), look->standardIcon(QStyle::SP_FileDialogDetailedView),
                         QStringLiteral("原始数据录入"));
    buildChartTabs();
    PageControl3->addTab(m_positionChart, look->standardIcon(QStyle::SP_ArrowUp), QStringLiteral("按位走势分析图"));
    PageControl3->setTabToolTip(1, QStringLiteral("根据每位走势进行分析"));
    PageControl3->addTab(m_sumChart, look->standardIcon(QStyle::SP_FileDialogInfoView), QStringLiteral("全家和统计图"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PageControl3, 1);
    setCentralWidget(central);
    buildStatusBar();

    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &TFrmMain::Timer2Timer);
    Timer2->start();

    resize(1024, 776);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // Where the user left it, when that still fits today's screens.
    restoreWindowPlace(readWindowPlace(Options::windowPath(m_dataDir)), *this);
}

TFrmMain::~TFrmMain()
{
    m_dialogs.setStatusLine({});
}

void TFrmMain::setOptionsWindow(TFrm_itemset* window)
{
    m_optionsWindow = window;
    if (window)
        connect(window, &TFrm_itemset::noticesChanged, this, &TFrmMain::sendConfirmationsToStatusLine);
}

// "完成提示": confirmations as boxes, or on the status bar's first panel.
void TFrmMain::sendConfirmationsToStatusLine(bool statusLine)
{
    if (statusLine)
        m_dialogs.setStatusLine([this](const QString& text) { setStatusPanel(0, text); });
    else
        m_dialogs.setStatusLine({});
}

QString TFrmMain::ActiveTable() const
{
    return m_store.table();
}

QString TFrmMain::captionFor(bool fucai)
{
    return fucai ? QStringLiteral("Quorvane V1.9 中国福利彩票3D") : QStringLiteral("Quorvane V1.9 中国体育彩票排列3");
}

QString TFrmMain::statusPanelText(int panel) const
{
    return m_panels[panel]->text();
}

void TFrmMain::setStatusPanel(int panel, const QString& text)
{
    m_panels[panel]->setText(text);
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        runGuarded(m_dialogs, this, [this] { FormShow(); });
        closeSplash(); // also when the showing failed, so the splash never lingers
    }
}

void TFrmMain::FormShow()
{
    const StartupOptions options = readStartupOptions(Options::optionsPath(m_dataDir));
    DefaultShowCount = numberOption(options.defaultShowCount, Options::kShowCountDefault);
    m_digitColumnWidth = toIntStrict(numberOption(options.columnWidth, Options::kWidthDefault));
    applyDigitColumnWidth();
    m_store.setGame(options.isFucai() ? Game::Fucai : Game::Ticai);
    // The charts name the game they show.
    m_positionChart->setGame(m_store.game());
    m_sumChart->setGame(m_store.game());

    AnnounceEntry = true;
    sendConfirmationsToStatusLine(options.noticesOnStatusLine());
    setStatusPanel(3, clockText());
    setWindowTitle(captionFor(options.isFucai()));

    // The grid starts plain: no highlight, line mode off.
    m_highlightOn = false;
    SpeedButton30->setChecked(false);
    SpeedButton30Click();

    const IssueList issues = m_store.packedIssueList();
    fillRangeSelectors(issues);
    Edit3->setText(isCountableIssue(issues.last()) ? nextIssue(issues.last()) : QString());

    PageControl3->setCurrentIndex(0);
    Edit4->setFocus();
    preselectRanges(toIntStrict(DefaultShowCount));
    DBGridEh1->setFrozenCols(2);
    updateFirstStartHint();
}

// An option that is not a number is reported with its conversion error and
// its default used instead, so the window still shows the history.
QString TFrmMain::numberOption(const QString& stored, const QString& fallback)
{
    try {
        toIntStrict(stored);
        return stored;
    } catch (const ConversionError& error) {
        m_dialogs.critical(this, error.text());
        return fallback;
    }
}

// A start list holds issues 1 to N-1 and an end list issues 2 to N, so no
// range can start at the newest draw or end at the oldest.
void TFrmMain::fillRangeSelectors(const IssueList& issues)
{
    auto shared = std::make_shared<const IssueList>(issues);
    const int lists = std::max(0, shared->size() - 1);
    m_startIssues->setSlice(shared, 0, lists);
    m_endIssues->setSlice(shared, 1, lists);
    m_gridEndIssues->setSlice(shared, 1, lists);
    for (QComboBox* box : {ComboBox14, m_positionChart->startSelector(), m_sumChart->startSelector()}) {
        box->setModel(m_startIssues);
        box->setCurrentIndex(lists == 0 ? -1 : 0);
    }
    ComboBox15->setModel(m_gridEndIssues);
    m_positionChart->endSelector()->setModel(m_endIssues);
    m_sumChart->endSelector()->setModel(m_endIssues);
    for (QComboBox* box : {ComboBox15, m_positionChart->endSelector(), m_sumChart->endSelector()})
        box->setCurrentIndex(lists - 1);
}

// Each range starts P items before its end. The start list begins one issue
// earlier than the end list, so a range covers P + 2 draws; with fewer stored
// the start is left unselected and the range runs from the first draw.
void TFrmMain::preselectRanges(int showCount)
{
    const std::pair<QComboBox*, QComboBox*> ranges[] = {
        {ComboBox14, ComboBox15},
        {m_positionChart->startSelector(), m_positionChart->endSelector()},
        {m_sumChart->startSelector(), m_sumChart->endSelector()}};
    // Counted wide: a stored count may be any integer. An index past the
    // list (a negative count) leaves no selection, as a negative one does.
    for (auto [start, end] : ranges)
        start->setCurrentIndex(int(std::clamp<qint64>(qint64(end->currentIndex()) - showCount, -1, start->count())));
    SpeedButton18Click();
    // A new user's short history leaves the charts empty without a message.
    m_positionChart->draw(true);
    m_sumChart->draw(true);
}

void TFrmMain::SpeedButton13Click()
{
    const QString issue = Edit3->text();
    runGuarded(m_dialogs, this, Unsaved::kEntry, [&] {
        const EntryOutcome outcome = enterDraw(m_store, issue, Edit4->text());
        if (!outcome.stored()) {
            m_dialogs.message(this, outcome.refusal);
            return;
        }
        showEntered(issue);
    });
}

// What the window shows after a draw is stored: the next issue proposed, the
// status line, the range through the new draw.
void TFrmMain::showEntered(const QString& issue)
{
    m_gridEndIssues->append(issue);
    Edit4->clear();
    if (AnnounceEntry) {
        Edit4->setFocus();
        m_dialogs.confirm(this, EntryText::entered(issue));
    }
    Edit3->setText(nextIssue(issue));
    setStatusPanel(0, EntryText::status(issue));
    ComboBox15->setCurrentIndex(ComboBox15->count() - 1);
    if (m_entryBatchDepth > 0)
        m_gridReloadDeferred = true;
    else
        SpeedButton18Click();
}

// The issue column is 35 pixels wide, enough for five-digit issues; longer
// issues (year and sequence, seven digits) widen it so they are never cut.
// Called whenever the grid shows another range or another history.
void TFrmMain::fitIssueColumn()
{
    const auto [oldest, newest] = m_history->shownIssues();
    const QFontMetrics metrics(HistoryModel::cellFont(0));
    const int widest = std::max(metrics.horizontalAdvance(oldest), metrics.horizontalAdvance(newest));
    DBGridEh1->setColumnWidth(0, std::max(historyColumn(0).width, widest + 8));
}

void TFrmMain::applyDigitColumnWidth()
{
    for (int column = 1; column <= 30; ++column)
        DBGridEh1->setColumnWidth(column, std::max(m_digitColumnWidth, m_figureColumnWidth));
}

void TFrmMain::SpeedButton20Click()
{
    N8Click();
}

void TFrmMain::SpeedButton15Click()
{
    N36Click();
}

void TFrmMain::Timer2Timer()
{
    setStatusPanel(3, clockText());
}

void TFrmMain::closeSplash()
{
    if (m_splash) {
        m_splash->close();
        m_splash->deleteLater();
        m_splash = nullptr;
    }
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    if (FormClose()) {
        saveWindowPlace(Options::windowPath(m_dataDir), *this);
        event->accept();
    } else {
        event->ignore();
    }
}

bool TFrmMain::FormClose()
{
    return m_dialogs.askYesNo(this, kAskExit);
}

void TFrmMain::N48Click()
{
    close();
}

void TFrmMain::focusEntry()
{
    PageControl3->setCurrentIndex(0);
    Edit4->setFocus(Qt::ShortcutFocusReason);
    Edit4->selectAll();
}
