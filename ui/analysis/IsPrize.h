#pragma once

#include "core/PrizeCheck.h"
#include "ui/analysis/AnalysisDialog.h"
#include "ui/analysis/TextGrid.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;

// The prize-check window: one ticket or a list of tickets, 直选 or 组选,
// against the number drawn in a stored issue, the latest by default. A list
// is checked line by line into a table with its totals under it. Created
// anew at every opening; it opens at the size it last had.
class TFrm_IsPrize : public AnalysisDialog
{
    Q_OBJECT
public:
    TFrm_IsPrize(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TFrm_IsPrize() override;

    static const QString kCaption;
    // Opens on the list tab with `lines` in the memo, checked against the
    // latest draw as the window shows.
    void setBetList(const QString& lines, TicketKind kind);
    // Opens at the size kept in the data folder's user/Window.ini and keeps
    // its size there as it closes; without it the size lasts the session.
    void keepSizeIn(const QString& dataFolder);

    void FormShow() override;
    void BitBtn10Click();      // single query
    void SeSkinButton1Click(); // batch query
    void BitBtn24Click();      // close
    // The number box takes no letters and no '.'; true discards the key.
    static bool Edit4KeyPress(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSingleTab();
    QWidget* buildBatchTab();
    QComboBox* kindBox(QWidget* parent, const char* name);
    void showReport(PrizeReport&& report);

    bool m_checkOnShow = false;
    QString m_sizeFile;
    TextGridModel* m_resultModel;
    PrizeReport m_report; // the rows the result grid shows

    QTabWidget* SeSkinPageControl1;
    QGroupBox* SeSkinGroupBox1;
    QLabel *Label1, *Label2, *Label3, *SeSkinLabel1;
    QComboBox *ComboBox1, *ComboBox2;
    QLineEdit* Edit4;
    QPushButton *BitBtn10, *BitBtn24, *SeSkinButton1, *SeSkinButton2;
    QPlainTextEdit* Memo1;
    QLabel *m_singleKindLabel, *m_batchKindLabel;
    QComboBox *m_singleKind, *m_batchKind; // 直选 / 组选
    QTableView* m_resultGrid;
    QLabel* m_resultSummary;
};
