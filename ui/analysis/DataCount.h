#pragma once

#include "core/Game.h"
#include "core/RangeStatistics.h"
#include "ui/analysis/AnalysisDialog.h"

#include <QStringList>
#include <functional>
#include <optional>

class FrequencyBars;
class QComboBox;
class QGroupBox;
class QLabel;
class QPainter;
class QStyleOptionViewItem;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTableView;
class TextGridModel;

// The history statistics window: six statistics over an issue range, shown
// in the grid or as a bar chart. Created once at start.
class TFrm_DataCount : public AnalysisDialog
{
    Q_OBJECT
public:
    TFrm_DataCount(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    void FormShow() override;
    void SeSkinButton1Click(); // runs the selected statistic
    void SeSkinButton2Click(); // close
    void Grid1DrawCell(QPainter* painter, QStyleOptionViewItem& cell) const;

    static const QString kPleaseWait;

private:
    void runStatistic(const QString& first, const QString& last);
    const RangeStatistics& statisticsOf(const QString& first, const QString& last);
    void showRepeatedNumbers(const std::vector<NumberRepeat>& repeats);
    // A list of numbers or sums, ten to a row under a caption that counts them.
    void showList(const QString& caption, const QStringList& items);
    // Fills the grid and shows it instead of the chart; widths by column.
    void showGrid(const QStringList& titles, int rows, std::function<QString(int, int)> cell,
                  std::initializer_list<std::pair<int, int>> widths = {});
    void showChart(const QString& title);

    QGroupBox *SeSkinGroupBox3, *SeSkinGroupBox2;
    QComboBox *SeSkinComboBox1, *SeSkinComboBox2;
    QLabel* SeSkinLabel1;
    QRadioButton *SeSkinRadioButton5, *SeSkinRadioButton6, *SeSkinRadioButton7, *SeSkinRadioButton8,
        *SeSkinRadioButton4, *SeSkinRadioButton9;
    QPushButton *SeSkinButton1, *SeSkinButton2;
    TextGridModel* m_grid;
    QTableView* Grid1;
    FrequencyBars* DBChart1;
    QLabel* m_listCaption;
    QScrollArea* m_chartScroll;
    bool m_opening = false; // computing on opening asks no patience
    struct Computed
    {
        QString first, last;
        Game game;
        quint64 revision;
        bool operator==(const Computed&) const = default;
    };
    std::optional<RangeStatistics> m_statistics; // of m_computed's range
    Computed m_computed;
};
