#pragma once

#include "ui/analysis/AnalysisDialog.h"
#include "ui/analysis/TextGrid.h"

class QComboBox;
class QLabel;
class QTableView;
class QToolButton;

// The history analysis window: one row per draw of an issue range with its
// relation to the draw before and the classes of its digits. Created once at
// start; the last table stays between openings.
class TFrm_DataAnalyse : public AnalysisDialog
{
    Q_OBJECT
public:
    TFrm_DataAnalyse(DrawStore& store, Dialogs& dialogs, ShowCountSource showCount, QWidget* parent = nullptr);

    void FormShow() override;
    void AddTitle();
    void SpeedButton1Click(); // runs the analysis
    void SpeedButton2Click(); // close
    void StringGrid1DrawCell(QPainter* painter, QStyleOptionViewItem& cell) const;

    static const QStringList& titles();

private:
    ShowCountSource m_showCount;

    QLabel *Label1, *Label2;
    QComboBox *ComboBox1, *ComboBox2;
    QToolButton *SpeedButton1, *SpeedButton2;
    TextGridModel* m_grid;
    QTableView* StringGrid1;
};
