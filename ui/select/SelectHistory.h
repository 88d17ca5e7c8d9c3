#pragma once

#include <QDialog>

class Dialogs;
class DrawStore;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TFrm_Select;

// The history filter: drops, one confirmed bet at a time, the generated bets
// already drawn within an issue range. Created once at start; works on the
// selection window that opens it and refreshes its issue lists at every showing.
class TFrm_SelectHistory : public QDialog
{
    Q_OBJECT
public:
    TFrm_SelectHistory(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    void setSelectWindow(TFrm_Select* window) { m_select = window; }

    void FormShow();
    void SeSkinButton1Click(); // 确定
    void SeSkinButton2Click(); // 退出

protected:
    void showEvent(QShowEvent* event) override;

private:
    DrawStore& m_store;
    Dialogs& m_dialogs;
    TFrm_Select* m_select = nullptr;
    QGroupBox* SeSkinGroupBox1;
    QComboBox* ComboBox1;
    QLabel* SeSkinLabel1;
    QComboBox* ComboBox2;
    QPushButton *SeSkinButton1, *SeSkinButton2;
};
