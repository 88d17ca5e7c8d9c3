#pragma once

#include "core/Backtest.h"
#include "ui/widgets/SchemeInk.h"

#include <QDialog>
#include <optional>

class Dialogs;
class DrawStore;
class QChartView;
class QLabel;
class QLineSeries;
class QSpinBox;
class QTableWidget;

// The latest `asked` draws, oldest first, each with the draw before it (one
// more is read for the first one's; empty when none is stored).
std::vector<BacktestDraw> latestDrawsWithPrevious(const DrawStore& store, int asked);

// "历史回测": the selection window's current bets tried on the latest N
// draws, one row per draw, a summary (the realised return beside the theoretical one) and the
// cumulative net as a line, the expected one dashed beside it.
class BacktestWindow : public QDialog
{
    Q_OBJECT
public:
    BacktestWindow(DrawStore& store, Dialogs& dialogs, QString digits1, QString digits2, QString digits3, BetKind kind,
                   GenerationConditions conditions, QWidget* parent = nullptr);

    static const QString kCaption;
    static const QString kNoDraws;
    static const QStringList& columnTitles();

    void run();
    void exportCsv();

private:
    void showResult(const BacktestResult& result, int asked);

    DrawStore& m_store;
    Dialogs& m_dialogs;
    QString m_digits[3];
    BetKind m_kind;
    GenerationConditions m_conditions;
    QSpinBox* m_count;
    QLabel* m_summary;
    QTableWidget* m_table;
    std::optional<SchemeCells> m_hits;
    QChartView* m_chart;
    QLineSeries* m_net;
    QLineSeries* m_expectedNet;
};
