#pragma once

#include "core/DrawRecord.h"

#include <QAbstractTableModel>
#include <vector>

// The rows of the history grid: stored draws shown exactly as stored, one
// column per column of the draw table.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<DrawRecord> rows);
    const std::vector<DrawRecord>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Column titles; a "|" separates the upper and the lower title level.
    static const QStringList& titles();
    // The stored value of one column as text (empty for a null marker).
    static QString cellText(const DrawRecord& record, int column);

private:
    std::vector<DrawRecord> m_rows;
};
