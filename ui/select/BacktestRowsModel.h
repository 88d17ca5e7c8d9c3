#pragma once

#include "core/Backtest.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// 历史回测's table: one row per draw tried, its texts made as the view asks
// for them, so a million draws cost their result rows and no strings. A hit
// row is in the scheme's alert colour, read as it paints.
class BacktestRowsModel : public QAbstractTableModel
{
public:
    BacktestRowsModel(QStringList titles, QObject* parent);

    void setRows(std::vector<BacktestRow> rows);
    // One row's texts, as the table shows them.
    QStringList rowTexts(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString cellText(const BacktestRow& row, int column) const;

    QStringList m_titles;
    std::vector<BacktestRow> m_rows;
};
