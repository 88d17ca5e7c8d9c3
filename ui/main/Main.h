#pragma once

#include <QMainWindow>
#include <QString>

class Dialogs;
class DrawStore;
class HistoryModel;
class QAction;
class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QTabWidget;
class QTableView;
class QTimer;
class QToolButton;
class TFrm_DataAnalyse;
class TFrm_DataCount;
class TFrm_LanqiuYilou;
class TFrm_Splash;
class TFrm_Trend;
class TFrm_itemset;

// The main window: menu, the three tabs with the history grid and the entry
// panel, the status bar with its clock. It owns the process-wide values the
// other windows read (active game, default issue count, entry announcement).
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    TFrmMain(DrawStore& store, Dialogs& dialogs, QString appDir, QWidget* parent = nullptr);
    ~TFrmMain() override;

    void setSplash(TFrm_Splash* splash) { m_splash = splash; }
    void setOptionsWindow(TFrm_itemset* window) { m_optionsWindow = window; }
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

    // Handlers, named after their controls.
    void FormShow();
    void SpeedButton13Click(); // entry
    void SpeedButton18Click(); // show the chosen range
    void SpeedButton20Click();
    void SpeedButton15Click();
    void SpeedButton24Click();
    void SpeedButton27Click();
    void Timer2Timer();
    void N13Click();
    void N1Click();
    void N12Click();
    void N48Click();
    void N35Click();
    void N36Click();
    void N28Click();
    void N17Click();
    void N23Click();
    void N24Click();
    void N8Click();
    void N27Click();
    void N7Click();
    void N2Click();
    void N10Click();
    void N11Click();
    void N41Click();
    void N5Click();
    void N6Click();
    void N25Click();

    // Menu items.
    QAction *N13, *N1, *N12, *N48, *N35, *N36, *N28, *N17, *N23, *N24, *N8, *N27, *N7, *N2, *N10, *N11, *N41, *N5, *N6,
        *N25;
    QTabWidget* PageControl3;
    // First tab: toolbar, grid, entry panel.
    QComboBox *ComboBox14, *ComboBox15;
    QToolButton *SpeedButton18, *SpeedButton19, *SpeedButton20, *SpeedButton21, *SpeedButton22, *SpeedButton15,
        *SpeedButton30;
    QTableView* DBGridEh1;
    QLineEdit *Edit3, *Edit4;
    QToolButton* SpeedButton13;
    // Second tab: per-position chart.
    QComboBox *ComboBox16, *ComboBox17, *ComboBox18;
    QToolButton* SpeedButton24;
    QCheckBox *CheckBox7, *CheckBox8;
    QScrollBar* ScrollBar5;
    QChartView* Chart5;
    // Third tab: sum chart.
    QComboBox *ComboBox25, *ComboBox26;
    QToolButton* SpeedButton27;
    QCheckBox *CheckBox11, *CheckBox12;
    QScrollBar* ScrollBar8;
    QChartView* Chart8;
    QStatusBar* StatusBar1;
    QTimer* Timer2;

    static const QString kAskExit;
    static const QString kStoreMissing;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QWidget* buildEntryTab();
    QWidget* buildPositionChartTab();
    QWidget* buildSumChartTab();
    void buildStatusBar();

    void fillRangeSelectors(const QStringList& issues);
    void preselectRanges(int showCount);
    void reloadGrid();
    void applyDigitColumnWidth();
    void setStatusPanel(int panel, const QString& text);
    void closeSplash();
    void startTool(const QStringList& candidates, const QString& missingText);

    DrawStore& m_store;
    Dialogs& m_dialogs;
    QString m_appDir;
    HistoryModel* m_history;
    QLabel* m_panels[4];
    TFrm_Splash* m_splash = nullptr;
    TFrm_itemset* m_optionsWindow = nullptr;
    TFrm_DataAnalyse* m_dataAnalyseWindow = nullptr;
    TFrm_DataCount* m_dataCountWindow = nullptr;
    TFrm_Trend* m_trendWindow = nullptr;
    TFrm_LanqiuYilou* m_omissionWindow = nullptr;
    int m_digitColumnWidth = 13;
    // The range the grid shows; reloads repeat it unchanged.
    struct GridQuery
    {
        QString start, end;
    } m_gridQuery;
};
