#pragma once

#include "core/RandomnessCheck.h"
#include "ui/analysis/AnalysisDialog.h"

class ObservedExpectedChart;
class QComboBox;
class QLabel;
class QTableWidget;
class QTabWidget;

// "随机性检验": the draws of an issue range (the whole history at first) held
// against a fair draw, one table row per test with its verdict, and the
// counts of each position and of the sums charted beside their expectation.
class RandomnessWindow : public AnalysisDialog
{
    Q_OBJECT
public:
    RandomnessWindow(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    static const QString kCaption;

    // Fills the range with the whole history and tests it.
    void FormShow() override;
    void run();
    void exportCsv();

private:
    void showReport(const RandomnessReport& report);
    void showCharts(const RandomnessReport& report);

    QComboBox* m_startIssueBox;
    QComboBox* m_endIssueBox;
    QLabel* m_drawsLabel;
    QTabWidget* m_resultTabs;
    QTableWidget* m_resultTable;
    ObservedExpectedChart* m_positionCharts[3];
    ObservedExpectedChart* m_sumChart;
    std::vector<RandomnessRow> m_rows;
};
