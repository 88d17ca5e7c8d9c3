#pragma once

#include "core/HistoryFilter.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// The bets of the list already drawn in the filter's range (bet, the issues
// it came in, how often) and what to do with them, answered once. Closing
// the window is 取消.
class DrawnBetsWindow : public QDialog
{
    Q_OBJECT
public:
    // The window's result code.
    enum Choice
    {
        Cancel = QDialog::Rejected,
        RemoveAll = 10,
        KeepAll,
        OneByOne
    };
    static const QString kCaption;

    // `distinctNumbers`: how many different numbers the range holds, which
    // warns when it is nearly all of them.
    DrawnBetsWindow(const std::vector<DrawnBet>& drawn, int distinctNumbers, QWidget* parent = nullptr);

private:
    QLabel* m_summary;
    QLabel* m_warning;
    QTableWidget* m_table;
    QPushButton *m_removeAll, *m_keepAll, *m_oneByOne, *m_cancel;
};
