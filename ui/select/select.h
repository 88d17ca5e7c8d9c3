#pragma once

#include "core/Bet.h"
#include "core/BacktestChance.h"
#include "core/BetGeneration.h"
#include "exchange/SchemeFile.h"
#include "ui/select/SelectControls.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class BetListModel;
class Dialogs;
class ExtendedFilterPage;
class QKeyEvent;
struct SelectionScheme;
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
// afresh at every opening, so it always starts from its defaults; a saved
// scheme (under `userFolder`/user/方案) brings back every setting.
class TFrm_Select : public QDialog
{
    Q_OBJECT
public:
    TFrm_Select(DrawStore& store, Dialogs& dialogs, TFrm_Print* print, TFrm_SelectHistory* history, QString userFolder,
                QWidget* parent = nullptr);

    static const QString kCaption;
    // Said after loading a scheme whose `ranges` lay outside their lists.
    static QString clampedText(const QString& scheme, const QStringList& ranges);
    static constexpr int kWidth = 624, kHeight = 624;
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
    void prizeCheckManual();   // 中奖查询 (manual)
    void prizeCheckRandom();   // 中奖查询 (random)
    void SeSkinButton1Click(); // 历史期数过滤
    void SpeedButton1Click();  // 退出 (manual)
    void SpeedButton11Click(); // 退出 (random)
    void CheckBox1Click();
    void CheckBox12Click();
    void CheckBox11Click();
    // The digit panels of the three rows.
    void Panel3Click(), Panel4Click(), Panel5Click(), Panel6Click(), Panel7Click(), Panel8Click(), Panel9Click(),
        Panel10Click(), Panel11Click(), Panel12Click();
    void Panel16Click(), Panel17Click(), Panel18Click(), Panel19Click(), Panel20Click(), Panel21Click(), Panel22Click(),
        Panel13Click(), Panel14Click(), Panel15Click();
    void Panel26Click(), Panel27Click(), Panel28Click(), Panel29Click(), Panel30Click(), Panel31Click(), Panel32Click(),
        Panel23Click(), Panel24Click(), Panel25Click();
    void SpeedButton4Click(), SpeedButton5Click(), SpeedButton6Click();    // 清
    void SpeedButton15Click(), SpeedButton21Click(), SpeedButton17Click(); // 全
    // Range tick boxes.
    void CheckBox3Click(), CheckBox4Click(), CheckBox7Click(), CheckBox8Click();
    void SeSkinCheckBox1Click(), SeSkinCheckBox3Click(), SeSkinCheckBox4Click(), SeSkinCheckBox6Click();
    void CheckBox2Click(), CheckBox5Click(), CheckBox6Click(), CheckBox9Click(), CheckBox10Click();
    // A bet kind newly chosen.
    void RadioButton1Click(), RadioButton2Click(), RadioButton3Click();
    // Key filters: true when the key may go into the box.
    bool Edit8KeyPress(const QKeyEvent& key) const;
    bool Edit9KeyPress(const QKeyEvent& key) const;
    bool Edit11KeyPress(const QKeyEvent& key) const;
    // Ours: the selection tried on past draws ("历史回测"), each condition
    // tried on past draws ("条件验证"), schemes ("保存方案...", "载入方案...").
    void backtest();
    void checkConditionsOnHistory();
    void saveScheme();
    void loadScheme();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // What a generation run reads from the manual tab, checked.
    struct Selection
    {
        QString digits1, digits2, digits3;
        BetKind kind = BetKind::Direct;
        GenerationConditions conditions;
    };
    // Shows the first problem and gives nothing when the input is refused.
    // Without `needDigits` the digit rows may be empty (they are then read
    // as every digit).
    std::optional<Selection> readSelection(bool needDigits = true);

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
    void rowTyped(DigitRow& row);
    void setRowDigits(DigitRow& row, const QString& digits);
    SelectionScheme currentScheme() const;
    // Shows the scheme; returns the ranges whose bounds lay outside their lists.
    QStringList applyScheme(const SelectionScheme& scheme);
    void clearRow(DigitRow& row);
    void fillRow(DigitRow& row);
    void exportBets(const BetList& bets, BetKind kind);
    // The prize check opened over `parent` on these bet text lines.
    void checkPrizes(QWidget* parent, const QString& lines, BetKind kind);
    void setDirectCombinations(int combinations);
    // Beside the count: cost, chance and theoretical return of `bets` bets of the listed kind.
    void showExpectedReturn(int bets);

    DrawStore& m_store;
    Dialogs& m_dialogs;
    QString m_userFolder;
    QString m_schemeName; // the last scheme saved or loaded, shown in the caption
    std::optional<SelectionScheme> m_scheme; // that scheme as saved or loaded, for "保存后" in 历史回测
    BacktestTries m_tries;                   // the selections backtested since the window opened
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
    QLabel* m_expectedReturn; // what the listed bets return in theory
    BetKind m_listedKind = BetKind::Direct;
    QPushButton *SpeedButton2, *SpeedButton12, *SeSkinButton1, *SpeedButton1;
    QPushButton *m_backtestButton, *m_conditionCheckButton, *m_saveSchemeButton, *m_loadSchemeButton;
    ExtendedFilterPage* m_extended;
    // 随机选号
    QLabel* Label1;
    QLineEdit* Edit8;
    QGroupBox* GroupBox3;
    RangeControls m_randomSum, m_randomOdd, m_randomBig, m_randomAc, m_randomSame;
    QCheckBox* m_useExtended;
    QTableView* StringGrid2;
    QPushButton *SpeedButton3, *SpeedButton13, *SpeedButton11;
    QLabel* m_randomReturn; // what the random bets return in theory
    QPushButton *m_prizeCheckButton, *m_randomPrizeCheckButton;
};
