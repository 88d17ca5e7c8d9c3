// The main window's menu commands: data management, backup and restore,
// tools and help.
#include "store/Database.h"
#include "store/DrawStore.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/IsPrize.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/RandomnessWindow.h"
#include "ui/analysis/Trend.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/exchange/MyOut.h"
#include "ui/main/About.h"
#include "ui/main/ExternalPrograms.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/HistoryCheckWindow.h"
#include "ui/main/HistoryModel.h"
#include "ui/main/Itemset.h"
#include "ui/main/Main.h"
#include "ui/analysis/PositionOmissionWindow.h"
#include "ui/select/select.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTableView>
#include <QUrl>

namespace {
const QString kAskTitle = QStringLiteral("提示");
} // namespace

void TFrmMain::N13Click()
{
    if (m_optionsWindow)
        m_dialogs.exec(m_optionsWindow);
}

void TFrmMain::N35Click()
{
    if (!m_dialogs.askOkCancel(this, kAskTitle, QStringLiteral("准备删除全部历史期数记录，是否继续！")))
        return;
    runGuarded(m_dialogs, this, [this] {
        m_store.deleteAll();
        reloadGrid();
        m_dialogs.confirm(this, QStringLiteral("删除成功，历史数据已经全部清空！"));
    });
}

void TFrmMain::N36Click()
{
    // The question names the draw: a row selected long ago is easily forgotten.
    const QModelIndex current = DBGridEh1->currentIndex();
    if (!current.isValid()) {
        m_dialogs.message(this, QStringLiteral("请先在表格中选中要删除的一期！"));
        return;
    }
    const DrawRecord draw = m_history->recordAt(current.row());
    if (!m_dialogs.askOkCancel(
            this, kAskTitle,
            QStringLiteral("准备删除所选记录数据（第%1期，开奖号码%2），是否继续！").arg(draw.qs, draw.allNumber)))
        return;
    runGuarded(m_dialogs, this, [this, &draw] {
        m_store.deleteIssue(draw.qs);
        // The selectors, the issue lists and the proposed next issue must
        // no longer name or follow the deleted draw.
        showChangedHistory();
        updateFirstStartHint();
        m_dialogs.confirm(this, QStringLiteral("删除成功，所选记录已被删除！"));
    });
}

void TFrmMain::N1Click()
{
    if (!m_dialogs.askOkCancel(this, kAskTitle, QStringLiteral("准备备份所有记录数据，是否继续！")))
        return;
    runGuarded(m_dialogs, this, Unsaved::kBackup, [this] {
        const QString target = QDir(m_dataDir).filePath(DrawStore::kBackupName);
        m_store.backupTo(target);
        m_dialogs.confirm(this,
                          QStringLiteral("数据备份成功，已经将所有数据备份至") + QDir::toNativeSeparators(target));
    });
}

void TFrmMain::N12Click()
{
    runGuarded(m_dialogs, this, [this] {
        const QString backup = QDir(m_dataDir).filePath(DrawStore::kBackupName);
        // The live file is kept whenever the restore cannot be completed.
        const auto refused = [this](const DatabaseError& error) {
            m_dialogs.message(this, error.diskFull()
                                        ? diskFullText(Unsaved::kRestore, error.text())
                                        : QStringLiteral("数据恢复失败！") + QLatin1Char('\n') + error.text());
        };
        // The user sees what the backup lacks before anything is replaced;
        // while an import writes, the restore is refused rather than waited for.
        DrawStore::RestoreLoss loss;
        try {
            loss = m_store.restoreLoss(backup);
        } catch (const DatabaseError& error) {
            refused(error);
            return;
        }
        if (!m_dialogs.askOkCancel(this, kAskTitle, loss.question()))
            return;
        try {
            m_store.restoreFrom(backup, loss.liveRevision);
        } catch (const DatabaseError& error) {
            refused(error);
            return;
        }
        // The rows on show belong to the replaced file; the grid stays empty
        // until the next display command.
        m_history->close();
        m_dialogs.confirm(this, QStringLiteral("数据恢复成功，已经将所有数据重新恢复！"));
    });
}

void TFrmMain::N8Click()
{
    // A fresh window every time: it always opens at its defaults.
    TFrm_Select window(m_store, m_dialogs, m_printWindow, m_selectHistoryWindow, m_dataDir, this);
    m_dialogs.exec(&window);
}

void TFrmMain::N23Click()
{
    startTool(ExternalPrograms::calculators(),
              QStringLiteral("没有找到计算器程序，请先安装一个计算器（例如 gnome-calculator）。"));
}

void TFrmMain::N24Click()
{
    startTool(ExternalPrograms::editors(),
              QStringLiteral("没有找到文本编辑程序，请先安装一个文本编辑器（例如 gedit）。"));
}

void TFrmMain::startTool(const QStringList& candidates, const QString& missingText)
{
    if (!ExternalPrograms::startFirstFound(candidates))
        m_dialogs.message(this, missingText);
}

void TFrmMain::N5Click()
{
    TFrm_about about(m_dataDir, this);
    m_dialogs.exec(&about);
}

void TFrmMain::N6Click()
{
    openManual();
}

void TFrmMain::openManual(const QString& section)
{
    const QString manual = findManual(QCoreApplication::applicationDirPath());
    if (manual.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("找不到用户手册（help/index.html），请重新安装 Quorvane。"));
        return;
    }
    HelpWindow window(manual, QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this, section);
    m_dialogs.exec(&window);
}

void TFrmMain::checkHistory()
{
    HistoryCheckWindow window(m_store, m_dialogs, this);
    connect(&window, &HistoryCheckWindow::historyChanged, this, [this] {
        reloadGrid();
        DBGridEh1->setFrozenCols(2);
    });
    m_dialogs.exec(&window);
}

void TFrmMain::showPositionOmission()
{
    PositionOmissionWindow window(m_store, m_dialogs, this);
    window.run();
    m_dialogs.exec(&window);
}

void TFrmMain::showRandomness()
{
    // Tests the whole history as it opens.
    RandomnessWindow window(m_store, m_dialogs, this);
    m_dialogs.exec(&window);
}

void TFrmMain::N25Click()
{
    m_dialogs.message(this, upgradeText());
}

void TFrmMain::N28Click()
{
    TFrm_Out window(m_store, m_dialogs, this);
    const auto [first, last] = m_history->shownIssues();
    window.setRange(first, last);
    m_dialogs.exec(&window);
}

void TFrmMain::N41Click()
{
    if (!m_downloadWindow)
        return;
    m_downloadWindow->setWindowTitle(QStringLiteral("最新开奖号码下载"));
    m_dialogs.exec(m_downloadWindow);
}

// Prize check: a new window at every opening, so it starts empty.
void TFrmMain::N27Click()
{
    TFrm_IsPrize window(m_store, m_dialogs, this);
    window.keepSizeIn(m_dataDir);
    m_dialogs.exec(&window);
}

void TFrmMain::N7Click()
{
    if (m_dataCountWindow)
        m_dialogs.exec(m_dataCountWindow);
}

void TFrmMain::N2Click()
{
    if (m_dataAnalyseWindow)
        m_dialogs.exec(m_dataAnalyseWindow);
}

void TFrmMain::N10Click()
{
    if (m_trendWindow)
        m_dialogs.exec(m_trendWindow);
}

void TFrmMain::N11Click()
{
    if (m_omissionWindow)
        m_dialogs.exec(m_omissionWindow);
}
