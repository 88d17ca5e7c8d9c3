#pragma once

#include "core/PositionOmission.h"
#include "ui/widgets/SchemeInk.h"

#include <QDialog>
#include <optional>
#include <vector>

class Dialogs;
class DrawStore;
class QComboBox;
class QTableWidget;

// "分位遗漏": for an issue range (the whole history at first), how long each
// digit has been missing at each position, and each shape and sum, with the
// largest and average omission; cells shaded by how overdue the item is.
class PositionOmissionWindow : public QDialog
{
    Q_OBJECT
public:
    PositionOmissionWindow(DrawStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    static const QString kCaption;
    static const QStringList& columnTitles();
    // Background for a current/average ratio (the legend's colours).
    static QColor heatColour(const OmissionFigures& figures);

    void run();
    void exportCsv();

private:
    void showFigures(const std::vector<OmissionFigures>& rows);

    DrawStore& m_store;
    Dialogs& m_dialogs;
    QComboBox* m_start;
    QComboBox* m_end;
    QTableWidget* m_table;
    std::vector<OmissionFigures> m_figures; // as shown, so the heat fills follow the scheme
    std::optional<SchemeCells> m_heat;
};
