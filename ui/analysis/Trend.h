#pragma once

#include "ui/analysis/AnalysisDialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TrendChart;

// The trend window: line charts of each position's prime/composite class or
// 0/1/2 route, or of the span, over an issue range. Created once at start;
// the charts keep their points between openings.
class TFrm_Trend : public AnalysisDialog
{
    Q_OBJECT
public:
    TFrm_Trend(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    void FormShow() override;
    void SeSkinRadioButton1Click(); // "质合走势分析"
    void SeSkinRadioButton2Click(); // "012走势分析"
    void SeSkinRadioButton6Click(); // "跨度走势分析"
    void SeSkinButton1Click();      // draws the selected analysis
    void SeSkinButton2Click();      // close

    static const QString kPrimeLegend;
    static const QString kRouteLegend;

private:
    QWidget* buildParameters();
    void showPositionCharts(bool positions);
    void drawPositions(bool primes, const QString& first, const QString& last);
    void drawSpans(const QString& first, const QString& last);

    QGroupBox *SeSkinPanel1, *SeSkinGroupBox1, *SeSkinGroupBox3;
    QRadioButton *SeSkinRadioButton1, *SeSkinRadioButton2, *SeSkinRadioButton6;
    QLabel *SeSkinLabel3, *SeSkinLabel1, *SeSkinLabel2;
    QComboBox *SeSkinComboBox1, *SeSkinComboBox2;
    QPushButton *SeSkinButton1, *SeSkinButton2;
    TrendChart *Chart4, *Chart1, *Chart2, *Chart3;
};
