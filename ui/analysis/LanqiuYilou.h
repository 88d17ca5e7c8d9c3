#pragma once

#include "ui/analysis/AnalysisDialog.h"
#include "ui/analysis/TextGrid.h"

#include <QColor>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// The omission window: per draw of an issue range and per digit, the hit
// mark or the digit's omission (carried in from the draws before the range),
// then each digit's average and largest omission and its occurrences.
// Created once at start; the table stays between openings.
class TFrm_LanqiuYilou : public AnalysisDialog
{
    Q_OBJECT
public:
    TFrm_LanqiuYilou(DrawStore& store, Dialogs& dialogs, ShowCountSource showCount, QWidget* parent = nullptr);

    void FormShow() override;
    void SeSkinButton1Click(); // builds the table
    void SeSkinButton2Click(); // close

    static const QString kHitMark; // "中"
    // The rows under the draws and the empty row: 平均遗漏, 最大遗漏, 出现次数.
    static constexpr int kSummaryRows = 3;
    static const QString kSummaryTitles[kSummaryRows];

    // How a cell is drawn: grid row `row` counts the title row as 0, and the
    // grid has `rows` rows in all.
    struct CellLook
    {
        QString text;
        QColor background; // invalid: the grid's own
        QColor color;
        bool bold = false;
    };
    static CellLook SeSkinStringGrid1DrawCell(const QString& text, const QString& columnTitle, int column, int row,
                                              int rows);

private:
    ShowCountSource m_showCount;

    QLabel *SeSkinLabel1, *SeSkinLabel2, *Label1, *Label2, *Label3;
    QComboBox *cmb1, *cmb2;
    QPushButton *SeSkinButton1, *SeSkinButton2;
    TextGridModel* m_grid;
    QTableView* SeSkinStringGrid1;
};
