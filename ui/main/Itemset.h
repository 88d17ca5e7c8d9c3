#pragma once

#include <QDialog>

class Dialogs;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class RadioGroup;

// The options window: default issue count, digit column width and game.
// Every showing reloads the file; saving writes it and takes effect at the
// next start.
class TFrm_itemset : public QDialog
{
    Q_OBJECT
public:
    TFrm_itemset(QString optionsPath, Dialogs& dialogs, QWidget* parent = nullptr);

    void FormShow();
    void SeSkinButton1Click();
    void SeSkinButton2Click();

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

    static const QString kSavedText;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString widthText() const;
    void setWidthText(const QString& text);

    QString m_optionsPath;
    Dialogs& m_dialogs;
};
