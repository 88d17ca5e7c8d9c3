#include "ui/exchange/ImportCommand.h"
#include "exchange/HistoryFile.h"

#include "exchange/HistoryImport.h"
#include "store/DrawStore.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"

#include <QGuiApplication>
#include <QProgressDialog>
#include <QScopeGuard>

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

void importHistoryFile(QWidget* parent, DrawStore& store, Dialogs& dialogs, const QString& folder,
                       const std::function<void()>& showHistory)
{
    const QString path = dialogs.openFileName(parent, ImportText::kCaption, folder, ImportText::kFilter);
    if (path.isEmpty())
        return;
    runGuarded(dialogs, parent, Unsaved::kImport, [&] {
        const ImportPlan plan = readPlan(path, store);
        if (plan.draws.empty()) {
            const QString bad = ImportText::badLines(plan.bad, 10, badCount(plan));
            dialogs.message(parent, bad.isEmpty() ? ImportText::kNoDraws : ImportText::kNoDraws + u'\n' + bad);
            return;
        }
        if (!plan.bad.empty() && !dialogs.askOkCancel(parent, kAskTitle, ImportText::askSkipBad(plan)))
            return;
        ImportSummary summary;
        {
            ImportProgress progress(parent, int(plan.draws.size())); // closed before the summary shows
            summary = runImport(store, plan, std::ref(progress));
        }
        if (summary.added > 0 && showHistory)
            showHistory();
        dialogs.message(parent, ImportText::summary(summary));
    });
}
