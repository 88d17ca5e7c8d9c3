// The main window's side of the data exchange: "数据导入..." and the batch of
// programmatic entries a result download makes.
#include "core/ConversionError.h"
#include "core/IssueArithmetic.h"
#include "core/IssueList.h"
#include "exchange/HistoryImport.h"
#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
#include "ui/main/Main.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QScopeGuard>
#include <utility>

namespace {

const QString kAskTitle = QStringLiteral("提示");

// Shown only when storing takes long; Cancel rolls the whole import back.
class ImportProgress
{
public:
    ImportProgress(QWidget* parent, int draws)
        : m_dialog(QStringLiteral("正在导入开奖数据..."), QStringLiteral("取消"), 0, draws, parent)
    {
        m_dialog.setObjectName("ImportProgress");
        m_dialog.setWindowTitle(ImportText::kCaption);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoReset(false);
    }
    bool operator()(int done)
    {
        m_dialog.setValue(done);
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

// Reading a long file takes a moment before there is anything to count.
ImportPlan readPlan(const QString& path, const DrawStore& store)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    return planImport(readImportFile(path, store.game()), store.issueWidth());
}

} // namespace

void TFrmMain::N17Click()
{
    const QString path = m_dialogs.openFileName(this, ImportText::kCaption, m_dataDir, ImportText::kFilter);
    if (path.isEmpty())
        return;
    runGuarded(m_dialogs, this, Unsaved::kImport, [&] {
        const ImportPlan plan = readPlan(path, m_store);
        if (plan.draws.empty()) {
            const QString bad = ImportText::badLines(plan.bad, 10);
            m_dialogs.message(this, bad.isEmpty() ? ImportText::kNoDraws : ImportText::kNoDraws + u'\n' + bad);
            return;
        }
        if (!plan.bad.empty() && !m_dialogs.askOkCancel(this, kAskTitle, ImportText::askSkipBad(plan)))
            return;
        ImportSummary summary;
        {
            ImportProgress progress(this, int(plan.draws.size())); // closed before the summary shows
            summary = runImport(m_store, plan, std::ref(progress));
        }
        if (summary.added > 0)
            showImportedHistory();
        m_dialogs.message(this, ImportText::summary(summary));
    });
}

// The selectors, the proposed next issue and the grid as a fresh start shows them.
void TFrmMain::showImportedHistory()
{
    const IssueList issues = m_store.packedIssueList();
    fillRangeSelectors(issues);
    fitIssueColumn(issues.last());
    if (isCountableIssue(issues.last()))
        Edit3->setText(nextIssue(issues.last()));
    preselectRanges(toIntStrict(DefaultShowCount.isEmpty() ? Options::kShowCountDefault : DefaultShowCount));
}

void TFrmMain::endEntryBatch()
{
    if (--m_entryBatchDepth > 0 || !std::exchange(m_gridReloadDeferred, false))
        return;
    // Runs from a destructor: an error is shown, never thrown.
    runGuarded(m_dialogs, this, [this] { SpeedButton18Click(); });
}
