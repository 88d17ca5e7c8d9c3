#pragma once

#include "ui/widgets/Dialogs.h"

#include <QDialog>
#include <QStringList>

class QFrame;
class QPlainTextEdit;
class QPushButton;
class QTextDocument;
class QTextEdit;

// The bet output window: the bet text in an editable memo, printed to the
// default printer or saved as a bet text file. Created once at start; the
// memo keeps its text until the next export replaces it.
class TFrm_Print : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_Print(Dialogs& dialogs, QWidget* parent = nullptr);

    // Replaces the memo's text with these bet text lines.
    void setBetLines(const QStringList& lines);
    void SpeedButton2Click(); // 打印
    void BitBtn1Click();      // 保存至文本
    void askPrizeCheck();     // 中奖查询

signals:
    // 中奖查询 with the memo's text as it stands.
    void prizeCheckAsked(const QString& lines);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Dialogs& m_dialogs;
    SaveFileDialog SaveDialog1{QStringLiteral("保存至文本"), QStringLiteral("文本文件 (*.txt)")};
    QPlainTextEdit* Memo1;
    QFrame* Panel1;
    QPushButton *SpeedButton2, *BitBtn1, *SpeedButton1;
    QPushButton* m_prizeCheck;
    QTextEdit* RichEdit1; // hidden: carries the text to the printer
};

// Prints a document to the default printer as one job titled `title`;
// false when there is no default printer or the job fails.
bool printOnDefaultPrinter(const QTextDocument& document, const QString& title);
