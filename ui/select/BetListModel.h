#pragma once

#include "core/Bet.h"

#include <QAbstractTableModel>

class QTableView;

// A result grid's rows: serial number, bet, sum for each bet, followed by
// empty rows. The header row is the view's horizontal header.
class BetListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit BetListModel(QObject* parent = nullptr);

    void setBets(BetList bets, int emptyRows);
    const BetList& bets() const { return m_bets; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    BetList m_bets;
    int m_emptyRows = 0;
};

// The result grid look: header "注号", "投注号码", "和值", widths 40, 65, 40,
// rows 18 high, the serial-number column drawn like the header.
QTableView* makeResultGrid(const char* name, BetListModel* model, QWidget* parent);
