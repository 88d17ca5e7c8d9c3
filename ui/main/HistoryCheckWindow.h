#pragma once

#include <QDialog>

class Dialogs;
class DrawStore;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "数据检查": lists what is wrong with the stored history (issues missing
// from a year's sequence, issues of an unusual width, rows whose derived
// columns are stale) and repairs it: "重新计算" derives every row again,
// "修改号码" corrects one draw's number, "统一期号" brings the issues of the
// other width to the history's.
class HistoryCheckWindow : public QDialog
{
    Q_OBJECT
public:
    HistoryCheckWindow(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    static const QString kCaption;

signals:
    // Stored rows changed: the grid should show them again.
    void historyChanged();

private:
    void refresh();
    void rederiveAll();
    void changeNumber();
    void unifyWidth();
    void pickRow();

    DrawStore& m_store;
    Dialogs& m_dialogs;
    QLabel* m_summary;
    QTableWidget* m_problems;
    QLineEdit* m_issue;
    QLineEdit* m_number;
    QPushButton* m_change;
    QPushButton* m_rederive;
    QPushButton* m_unify;
};
