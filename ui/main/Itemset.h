#pragma once

#include <QDialog>

class Dialogs;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class RadioGroup;

// The options window: default issue count, digit column width, game, colour
// scheme and where confirmations go. Every showing reloads the file; saving
// writes it. The scheme and the confirmations change at once, the rest at
// the next start.
class TFrm_itemset : public QDialog
{
    Q_OBJECT
public:
    TFrm_itemset(QString optionsPath, Dialogs& dialogs, QWidget* parent = nullptr);

    void FormShow();
    void SeSkinButton1Click(); // "设置": saves the options
    void SeSkinButton2Click(); // "退出"

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

    static const QString kSavedText;

signals:
    // Saved: the confirmations go to the status line (true) or to boxes.
    void noticesChanged(bool statusLine);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString widthText() const;
    void setWidthText(const QString& text);

    QString m_optionsPath;
    Dialogs& m_dialogs;
};
