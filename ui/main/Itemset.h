#pragma once

#include "exchange/OptionsFile.h"

#include <QDialog>
#include <QStringList>

class Dialogs;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class RadioGroup;

// The options window: default issue count, digit column width, game, colour
// scheme and where confirmations go. Every showing reloads the file; saving
// writes it. The scheme and the confirmations change at once; the issue count,
// the width and the game are read once at start (the main window and the
// windows that take its issue count keep them), so a change waits for the next
// start and the confirmation names it.
class TFrm_itemset : public QDialog
{
    Q_OBJECT
public:
    TFrm_itemset(QString optionsPath, Dialogs& dialogs, QWidget* parent = nullptr);

    void FormShow();
    void SeSkinButton1Click(); // "设置": saves the options
    void SeSkinButton2Click(); // "退出"

    static const QString kSavedText;   // everything saved is in force
    static const QString kRestartText; // %1: the changed options that wait for a restart
    // The confirmation for options that wait for the next start (none: kSavedText).
    static QString savedText(const QStringList& waiting);

signals:
    // Saved: the confirmations go to the status line (true) or to boxes.
    void noticesChanged(bool statusLine);

protected:
    void showEvent(QShowEvent* event) override;

private:
    RadioGroup* RadioGroup1;
    QGroupBox* SeSkinGroupBox2;
    QLabel* SeSkinLabel2;
    QSpinBox* SeSkinSpinEdit1;
    QLabel* SeSkinLabel1;
    QGroupBox* SeSkinGroupBox1;
    QRadioButton* SeSkinRadioButton1;
    QRadioButton* SeSkinRadioButton2;
    QPushButton* SeSkinButton1;
    QPushButton* SeSkinButton2;
    QGroupBox* m_schemeGroup;         // 配色
    QRadioButton* m_schemeButtons[3]; // 跟随系统, 浅色, 深色
    QGroupBox* m_noticeGroup;         // 完成提示
    QRadioButton* m_noticeBox;
    QRadioButton* m_noticeStatusLine;


    QString widthText() const;
    void setWidthText(const QString& text);

    // Changed options the running program will not take before it restarts.
    QStringList waitingForRestart() const;

    QString m_optionsPath;
    Dialogs& m_dialogs;
    StartupOptions m_inForce; // as the program read them at its start
};
