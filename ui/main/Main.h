#pragma once

#include "ui/exchange/EntryCommand.h"

#include <QColor>
#include <QMainWindow>
#include <QModelIndex>
#include <QString>
#include <memory>

class ChartTab;
class DataGrid;
class OmissionCells;
struct RangeTrend;
class FirstStartHint;
class Dialogs;
class DrawStore;
class HistoryModel;
class IssueListModel;
class IssueList;
class QAction;
class QComboBox;
class QPainter;
class QStyleOptionViewItem;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QTimer;
class QToolButton;
class TFrm_Print;
class TFrm_SelectHistory;
class TFrm_DataUpdate;
class TFrm_DataAnalyse;
class TFrm_DataCount;
class TFrm_LanqiuYilou;
class TFrm_Splash;
class TFrm_Trend;
class TFrm_itemset;

// The main window: menu, the three tabs with the history grid and the entry
// panel, the status bar with its clock. It owns the process-wide values the
// other windows read (active game, default issue count, entry announcement).
class TFrmMain : public QMainWindow, public EntryCommand
{
    Q_OBJECT
public:
    // `dataDir` holds the backup and the user's files.
    TFrmMain(DrawStore& store, Dialogs& dialogs, QString dataDir, QWidget* parent = nullptr);
    ~TFrmMain() override;

    void setSplash(TFrm_Splash* splash) { m_splash = splash; }
    void setOptionsWindow(TFrm_itemset* window);
    void setPrintWindow(TFrm_Print* window) { m_printWindow = window; }
    void setSelectHistoryWindow(TFrm_SelectHistory* window) { m_selectHistoryWindow = window; }
    void setDownloadWindow(TFrm_DataUpdate* window) { m_downloadWindow = window; }

    // The entry command as the download drives it (EntryCommand).
    QString enterQuietly(const QString& issue, const QString& number) override;
    // Analysis windows created at start, shown by their menu items.
    void setDataAnalyseWindow(TFrm_DataAnalyse* window) { m_dataAnalyseWindow = window; }
    void setDataCountWindow(TFrm_DataCount* window) { m_dataCountWindow = window; }
    void setTrendWindow(TFrm_Trend* window) { m_trendWindow = window; }
    void setOmissionWindow(TFrm_LanqiuYilou* window) { m_omissionWindow = window; }

    // Process-wide values, set when the window is shown.
    QString ActiveTable() const;
    QString DefaultShowCount;
    bool AnnounceEntry = true;

    QString statusPanelText(int panel) const;
    static QString captionFor(bool fucai);

    // Reads the options and fills the window; every showing runs it, and a
    // test or benchmark may run it again to start over.
    void FormShow();
    // The manual at `section` (an anchor), or at its title; F1 in a window opens its own section.
    void openManual(const QString& section = QString());
    // The first-start hint's "下载历史数据": the download window, the history of the active game started.
    void startHistoryDownload();
    // The figure an empty digit cell of the grid shows while 显示遗漏值 is on, else empty.
    QString omissionFigure(const QModelIndex& index) const;

    static const QString kAskExit;
    static const QString kStoreMissing;
    // Added to the start-up failure when the folder cannot be written (%1: the folder).
    static const QString kFolderReadOnly;
    // The titles of the footer rows: 频率, then the trend figures.
    static const QString kFrequencyTitle;
    static const QStringList kTrendTitles;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void beginEntries() override { ++m_entryBatchDepth; }
    void endEntries() override;
    // The close box and "退出系统": true when the user confirms leaving.
    bool FormClose();

private:
    // Handlers, named after their controls.
    void SpeedButton13Click(); // entry
    void focusEntry();         // the entry tab, number box ready for typing
    // The history grid.
    void SpeedButton18Click();            // show the chosen range
    void SpeedButton19Click();            // frequency counts and the trend figures in the footer
    void showOmissionValues();            // 显示遗漏值: omission figures in the empty digit cells
    void SpeedButton20Click();            // "辅助选号" on the grid toolbar: the selection window
    void SpeedButton21Click();            // descending order
    void SpeedButton22Click();            // grid lines
    void SpeedButton15Click();            // "删除选中行": deletes the current row's draw
    void SpeedButton30Click();            // line mode
    void DBGridEh1TitleClick(int column); // a click on a grid title: highlights its group
    void DBGridEh1DrawColumnCell(QPainter& painter, const QRect& rect, const QModelIndex& index,
                                 const QStyleOptionViewItem& state);
    void DBGridEh1DrawDataCell(QPainter& painter, const QRect& rect, const QModelIndex& index);
    void DBGridEh1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // The chart tabs.
    void SpeedButton24Click(); // "开始统计" on the position chart tab
    void SpeedButton27Click(); // "开始统计" on the sum chart tab
    void CheckBox7Click();     // "3D显示" on the position chart tab
    void CheckBox8Click();     // "直线图" on the position chart tab
    void CheckBox11Click();    // "3D显示" on the sum chart tab
    void CheckBox12Click();    // "直线图" on the sum chart tab
    void ScrollBar5Change();   // the position chart's 3D depth
    void ScrollBar8Change();   // the sum chart's 3D depth
    void Chart5MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Chart8MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void SpeedButton33Click(); // "删除所有画线" on the position chart
    void SpeedButton32Click(); // "删除所有画线" on the sum chart
    void Timer2Timer();        // the status bar clock, every 100 ms
    void N13Click();           // 系统设置 → 默认设置...
    void N1Click();            // 系统设置 → 数据备份
    void N12Click();           // 系统设置 → 数据恢复
    void N48Click();           // 系统设置 → 退出系统
    void N35Click();           // 数据管理 → 全部数据清空
    void N36Click();           // 数据管理 → 删除选中行
    void N28Click();           // 数据管理 → 数据导出...
    void N17Click();           // 数据管理 → 数据导入...
    void N23Click();           // 辅助工具 → 计算器...
    void N24Click();           // 辅助工具 → 文本编辑...
    void N8Click();            // 辅助工具 → 辅助选号...
    void N27Click();           // 辅助工具 → 中奖查询...
    void N7Click();            // 辅助工具 → 数据统计...
    void N2Click();            // 辅助工具 → 数据分析...
    void N10Click();           // 辅助工具 → 走势分析...
    void N11Click();           // 辅助工具 → 遗漏分析...
    void N41Click();           // 自动更新 → 开奖号码下载
    void N5Click();            // 系统帮助 → 关于系统...
    void N6Click();            // 系统帮助 → 用户帮助...
    void N25Click();           // 系统帮助 → 升级帮助
    // Commands of our own beyond the original menu.
    void checkHistory();
    void showPositionOmission();
    void showRandomness();

    // Menu items.
    QAction *N13, *N1, *N12, *N48, *N35, *N36, *N28, *N17, *N23, *N24, *N8, *N27, *N7, *N2, *N10, *N11, *N41, *N5, *N6,
        *N25;
    QTabWidget* PageControl3;
    // First tab: toolbar, grid, entry panel.
    QComboBox *ComboBox14, *ComboBox15;
    QToolButton *SpeedButton18, *SpeedButton19, *SpeedButton20, *SpeedButton21, *SpeedButton22, *SpeedButton15,
        *SpeedButton30;
    DataGrid* DBGridEh1;
    QStackedWidget* m_gridArea;
    FirstStartHint* m_firstStartHint;
    QLineEdit *Edit3, *Edit4;
    QToolButton* SpeedButton13;
    // Second tab: the chart per position; third tab: the sum chart.
    ChartTab* m_positionChart;
    ChartTab* m_sumChart;
    QStatusBar* StatusBar1;
    QTimer* Timer2;

    void buildMenu();
    QWidget* buildEntryTab();
    // The chart tabs, their signals answered by the handlers of their controls' names.
    void buildChartTabs();
    void buildGrid();
    void buildStatusBar();

    void fillRangeSelectors(const IssueList& issues);
    void preselectRanges(int showCount);
    QString numberOption(const QString& stored, const QString& fallback);
    void openGrid(bool descending);
    void reloadGrid();
    // After the range changed: the footers and omission cells on show follow it.
    void refreshGridFigures();
    void fillTrendFooters(const RangeTrend& trend);
    void drawOmissionCell(QPainter& painter, const QRect& rect, const QModelIndex& index, const QColor& ink);
    void applyDigitColumnWidth();
    void fitIssueColumn();
    void fitDigitColumns();
    void setStatusPanel(int panel, const QString& text);
    void sendConfirmationsToStatusLine(bool statusLine);
    void closeSplash();
    void startTool(const QStringList& candidates, const QString& missingText);
    void showChangedHistory();
    void showNewestDraw();
    void showEntered(const QString& issue);
    // With an empty history the grid area shows the way in instead of an empty grid.
    void updateFirstStartHint();

    DrawStore& m_store;
    Dialogs& m_dialogs;
    QString m_dataDir;
    HistoryModel* m_history;
    IssueListModel* m_startIssues;   // shared by the three start selectors
    IssueListModel* m_endIssues;     // the chart tabs' end selectors
    IssueListModel* m_gridEndIssues; // the grid's end selector, which grows with entries
    QLabel* m_panels[4];
    TFrm_Splash* m_splash = nullptr;
    TFrm_itemset* m_optionsWindow = nullptr;
    TFrm_Print* m_printWindow = nullptr;
    TFrm_SelectHistory* m_selectHistoryWindow = nullptr;
    TFrm_DataUpdate* m_downloadWindow = nullptr;
    int m_entryBatchDepth = 0;
    bool m_gridReloadDeferred = false;
    TFrm_DataAnalyse* m_dataAnalyseWindow = nullptr;
    TFrm_DataCount* m_dataCountWindow = nullptr;
    TFrm_Trend* m_trendWindow = nullptr;
    TFrm_LanqiuYilou* m_omissionWindow = nullptr;
    int m_digitColumnWidth = 13;
    int m_figureColumnWidth = 0; // what the widest footer or omission figure needs
    // The grid's view state.
    bool m_highlightOn = false;
    int m_highlightColumn = -1;
    bool m_lineMode = false;
    bool m_lineStartPending = false;
    QPoint m_lineLast;
    bool m_footersShown = false;                    // 频率统计 pressed: the footers follow the range
    QToolButton* m_showOmission = nullptr;          // 显示遗漏值
    std::unique_ptr<OmissionCells> m_omissionCells; // of the range on show, while the toggle is on
};
