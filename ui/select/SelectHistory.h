#pragma once

#include "core/Bet.h"
#include "core/HistoryFilter.h"

#include <QDialog>
#include <optional>

class Dialogs;
class DrawStore;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The history filter: lists the generated bets already drawn within an issue
// range and drops them all, none, or one confirmed bet at a time. Created
// once at start; it is given the bets to thin before it shows, tells what it
// left through its signals, and refreshes its issue lists at every showing.
class TFrm_SelectHistory : public QDialog
{
    Q_OBJECT
public:
    TFrm_SelectHistory(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    // The bets the next 确定 thins; none: 确定 does nothing.
    void setBets(std::optional<BetList> bets) { m_bets = std::move(bets); }

    void FormShow();
    void SeSkinButton1Click(); // 确定
    void SeSkinButton2Click(); // 退出

signals:
    // The list as thinned so far, while the user decides on the next bet.
    void betsThinned(const BetList& bets);
    // The list left after the run, and how many bets it lost.
    void filtered(const BetList& bets, int removed);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The question about one drawn bet: 确定, 取消, 全部去掉其余.
    DrawnAnswer askAboutDrawn(const QString& bet, const QString& issue);

    DrawStore& m_store;
    Dialogs& m_dialogs;
    std::optional<BetList> m_bets;
    QGroupBox* SeSkinGroupBox1;
    QComboBox* ComboBox1;
    QLabel* SeSkinLabel1;
    QComboBox* ComboBox2;
    QPushButton *SeSkinButton1, *SeSkinButton2;
};
