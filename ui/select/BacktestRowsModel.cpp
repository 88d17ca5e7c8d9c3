#include "ui/select/BacktestRowsModel.h"

#include "ui/widgets/ColourScheme.h"

BacktestRowsModel::BacktestRowsModel(QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), m_titles(std::move(titles))
{
}

void BacktestRowsModel::setRows(std::vector<BacktestRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QString BacktestRowsModel::cellText(const BacktestRow& row, int column) const
{
    switch (column) {
    case 0:
        return row.issue;
    case 1:
        return row.number;
    case 2:
        return QString::number(row.bets);
    case 3:
        return row.hit ? QStringLiteral("中") : QString();
    case 4:
        return QString::number(row.cost);
    case 5:
        return QString::number(row.prize);
    default:
        return QString::number(row.cumulativeNet);
    }
}

QStringList BacktestRowsModel::rowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column)
        texts << cellText(m_rows[size_t(row)], column);
    return texts;
}

int BacktestRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BacktestRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant BacktestRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_rows.size())
        return {};
    const BacktestRow& row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        return row.hit ? QVariant(schemeColours().alertText) : QVariant();
    default:
        return {};
    }
}

QVariant BacktestRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_titles.size())
        return m_titles[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}
