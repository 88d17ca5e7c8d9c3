#pragma once

#include "core/BacktestChance.h"
#include "exchange/SchemeFile.h"

#include <QDialog>
#include <optional>

class BacktestChart;
class Dialogs;
class DrawStore;
class QCheckBox;
class QLabel;
class QSpinBox;
class QTableView;
class TextGridModel;

// The latest `asked` draws, oldest first, each with the draw before it (one
// more is read for the first one's; empty when none is stored).
std::vector<BacktestDraw> latestDrawsWithPrevious(const DrawStore& store, int asked);

// "历史回测": the selection window's current bets tried on the latest N
// draws (or, for a saved scheme, on the draws since it was saved), one row
// per draw, a summary (the realised return beside the theoretical one), the
// result beside pure chance (its range, p值 and verdict, for hits and net)
// and the cumulative net as a line, the expected one dashed inside chance's band.
class BacktestWindow : public QDialog
{
    Q_OBJECT
public:
    BacktestWindow(DrawStore& store, Dialogs& dialogs, QString digits1, QString digits2, QString digits3, BetKind kind,
                   GenerationConditions conditions, QWidget* parent = nullptr);

    static const QString kCaption;
    static const QString kNoDraws;
    static const QString kNoDrawsSinceSaved;
    static const QStringList& columnTitles();
    // The table's columns, then chance's after each draw.
    static const QStringList& csvTitles();

    // Every run counts its selection in `tries` (kept by the selection window).
    void setTries(BacktestTries* tries) { m_tries = tries; }
    // Offers "保存后": only the draws after the scheme was saved.
    void offerSinceSaved(const SchemeMark& mark);

    void run();
    void exportCsv();

private:
    void showResult(BacktestResult result, int asked);

    DrawStore& m_store;
    Dialogs& m_dialogs;
    QString m_digits[3];
    BetKind m_kind;
    GenerationConditions m_conditions;
    BacktestTries* m_tries = nullptr;
    std::optional<SchemeMark> m_mark;
    std::vector<ChancePoint> m_band; // of the rows shown
    QSpinBox* m_count;
    QCheckBox* m_sinceSaved;
    QLabel* m_summary;
    QLabel* m_chance;
    QLabel* m_triesNote;
    std::vector<BacktestRow> m_shown; // the table's rows
    TextGridModel* m_rows;
    QTableView* m_table;
    BacktestChart* m_chart;
};
