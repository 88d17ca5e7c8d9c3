#pragma once

#include "core/ConditionCheck.h"
#include "ui/widgets/SchemeInk.h"

#include <QDialog>
#include <optional>

class Dialogs;
class DrawStore;
class QLabel;
class QSpinBox;
class QTableWidget;

// "条件验证": the selection window's current conditions tried on the drawn
// numbers of the latest N draws, one row per ticked condition and one for
// all of them together; sortable, shaded, exported as CSV.
class ConditionCheckWindow : public QDialog
{
    Q_OBJECT
public:
    ConditionCheckWindow(DrawStore& store, Dialogs& dialogs, GenerationConditions conditions, BetKind kind,
                         QWidget* parent = nullptr);

    static const QString kCaption;
    static const QString kNoDraws;
    static const QString kAllConditions; // the name of the row of all together
    static const QStringList& columnTitles();
    // Rows that kept fewer than this share of the draws are shown red.
    static constexpr double kWarnBelow = 0.8;
    // The count box offers at least this many draws, more when stored.
    static constexpr int kMostOffered = 100000;

    void run();
    void exportCsv();

private:
    void showRows(const std::vector<ConditionCheckRow>& rows, int judged, int asked);

    DrawStore& m_store;
    Dialogs& m_dialogs;
    GenerationConditions m_conditions;
    BetKind m_kind;
    QSpinBox* m_count;
    QLabel* m_summary;
    QTableWidget* m_table;
    std::optional<SchemeCells> m_warnings;
};
