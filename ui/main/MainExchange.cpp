// The main window's side of the data exchange: "数据导入...", the entry
// command as a result download drives it, the first-start hint's commands.
#include "core/ConversionError.h"
#include "core/IssueArithmetic.h"
#include "core/IssueList.h"
#include "exchange/OptionsFile.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/exchange/ImportCommand.h"
#include "ui/main/FirstStartHint.h"
#include "ui/main/Main.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/Dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTimer>
#include <utility>

void TFrmMain::N17Click()
{
    importHistoryFile(this, m_store, m_dialogs, documentsFolder(), [this] { showChangedHistory(); });
}

// After an import or a deletion: the selectors, the proposed next issue and
// the grid as a fresh start shows them.
void TFrmMain::showChangedHistory()
{
    const IssueList issues = m_store.packedIssueList();
    fillRangeSelectors(issues);
    Edit3->setText(isCountableIssue(issues.last()) ? nextIssue(issues.last()) : QString());
    preselectRanges(toIntStrict(DefaultShowCount.isEmpty() ? Options::kShowCountDefault : DefaultShowCount));
}

QString TFrmMain::enterQuietly(const QString& issue, const QString& number)
{
    AnnounceEntry = false;
    const auto announce = qScopeGuard([this] { AnnounceEntry = true; });
    // Storage errors go up to the download, which ends its batch with one
    // message; a refusal is its caller's to list.
    const EntryOutcome outcome = enterDraw(m_store, issue, number);
    if (!outcome.stored())
        return outcome.refusal;
    showEntered(issue);
    return {};
}

void TFrmMain::startHistoryDownload()
{
    if (!m_downloadWindow)
        return;
    m_downloadWindow->setWindowTitle(QStringLiteral("最新开奖号码下载"));
    // Started once the window shows: its showing is modal.
    QTimer::singleShot(0, m_downloadWindow, &TFrm_DataUpdate::startHistoryDownload);
    m_dialogs.exec(m_downloadWindow);
}

void TFrmMain::endEntries()
{
    if (--m_entryBatchDepth > 0 || !std::exchange(m_gridReloadDeferred, false))
        return;
    // Runs from a destructor: an error is shown, never thrown.
    runGuarded(m_dialogs, this, [this] { SpeedButton18Click(); });
}

void TFrmMain::updateFirstStartHint()
{
    // The newest draw only: constant time at any history size. A store that
    // cannot be read keeps the grid: its command reports the error.
    bool empty = false;
    try {
        empty = m_store.latestPoints(1).empty();
    } catch (const std::exception&) {
    }
    m_gridArea->setCurrentWidget(empty ? static_cast<QWidget*>(m_firstStartHint) : static_cast<QWidget*>(DBGridEh1));
}
