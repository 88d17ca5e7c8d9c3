#pragma once

#include "core/Bet.h"
#include "ui/select/SelectControls.h"

#include <QDialog>
#include <array>
#include <functional>

class BetListModel;
class Dialogs;
class DrawStore;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class TFrm_Print;
class TFrm_SelectHistory;

// The selection window: candidate digits and conditions on "手动选号" for bet
// generation, conditions on "随机选号" for random bets; both lists go to the
// print window, the manual one also through the history filter. Created
// afresh at every opening, so it always starts from its defaults.
class TFrm_Select : public QDialog
{
    Q_OBJECT
public:
    TFrm_Select(DrawStore& store, Dialogs& dialogs, TFrm_Print* print, TFrm_SelectHistory* history,
                QWidget* parent = nullptr);
    ~TFrm_Select() override;

    // Each random run draws from a generator seeded anew by this source
    // (the clock by default; tests fix it).
    void setSeedSource(std::function<quint32()> source) { m_seedSource = std::move(source); }

    // The manual result list, for the history filter.
    const BetList& manualBets() const;
    // Shows a thinned manual list (one empty row below it).
    void showManualBets(const BetList& bets);
    // Lowers the "过滤后" count by the bets the history filter removed.
    void lowerFilteredCount(int removed);

    // Handlers, named after their controls.
    void FormShow();
    void SpeedButton2Click();  // 开始投注
    void SpeedButton3Click();  // 随机选号
    void SpeedButton12Click(); // 导出投注 (manual)
    void SpeedButton13Click(); // 导出投注 (random)
    void SeSkinButton1Click(); // 历史期数过滤
    void CheckBox1Click();
    void CheckBox12Click();
    void CheckBox11Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct DigitRow
    {
        QLineEdit* box = nullptr;
        std::array<DigitPanel*, 10> panels{};
    };

    void buildManualTab(QWidget* page);
    void buildDigitRows(QWidget* parent);
    void buildConditionPages(QWidget* parent);
    void buildRandomTab(QWidget* page);
    void connectCommands();

    void panelClick(DigitRow& row, int digit);
    void clearRow(DigitRow& row);
    void fillRow(DigitRow& row);
    void exportBets(const BetList& bets);
    void setDirectCombinations(int combinations);

    DrawStore& m_store;
    Dialogs& m_dialogs;
    TFrm_Print* m_print;
    TFrm_SelectHistory* m_history;
    std::function<quint32()> m_seedSource;
    BetListModel* m_manualBets;
    BetListModel* m_randomBets;
    std::array<DigitRow, 3> m_rows;

    QTabWidget* PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    // 手动选号
    QGroupBox* GroupBox1;
    QLabel *Label8, *Label2, *Label3;
    QLineEdit *Edit1, *Edit2, *Edit3;
    QPushButton *SpeedButton4, *SpeedButton5, *SpeedButton6;
    QPushButton *SpeedButton15, *SpeedButton21, *SpeedButton17;
    QTabWidget* SeSkinPageControl1;
    QLabel* SeSkinLabel1;
    RangeControls m_big, m_odd, m_sum, m_same;               // 常规过滤
    RangeControls m_ac, m_prime, m_route0, m_route1, m_span; // 高级过滤
    QCheckBox *CheckBox12, *CheckBox11;
    QLineEdit *Edit11, *Edit9;
    QTableView* StringGrid1;
    QGroupBox* GroupBox4;
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3;
    QLabel *Label21, *Label23, *Label24, *Label25;
    QPushButton *SpeedButton2, *SpeedButton12, *SeSkinButton1, *SpeedButton1;
    // 随机选号
    QLabel* Label1;
    QLineEdit* Edit8;
    QGroupBox* GroupBox3;
    RangeControls m_randomSum, m_randomOdd, m_randomBig, m_randomAc, m_randomSame;
    QTableView* StringGrid2;
    QPushButton *SpeedButton3, *SpeedButton13, *SpeedButton11;
};
