#pragma once

#include "ui/analysis/AnalysisDialog.h"
#include "ui/analysis/TextGrid.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The prize-check window: one bet or a list of bets against the number drawn
// in a stored issue. Created anew at every opening.
class TFrm_IsPrize : public AnalysisDialog
{
    Q_OBJECT
public:
    TFrm_IsPrize(DrawStore& store, Dialogs& dialogs, ShowCountSource showCount, QWidget* parent = nullptr);

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

    ShowCountSource m_showCount;

    QTabWidget* SeSkinPageControl1;
    QGroupBox* SeSkinGroupBox1;
    QLabel *Label1, *Label2, *Label3, *SeSkinLabel1;
    QComboBox *ComboBox1, *ComboBox2;
    QLineEdit* Edit4;
    QPushButton *BitBtn10, *BitBtn24, *SeSkinButton1, *SeSkinButton2;
    QPlainTextEdit* Memo1;
};
