#include "ui/main/HistoryModel.h"

void HistoryModel::setRows(std::vector<DrawRecord> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles().size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(m_rows[index.row()], index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= titles().size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return titles()[section].section(QLatin1Char('|'), -1);
}

const QStringList& HistoryModel::titles()
{
    static const QStringList list = [] {
        QStringList t{QStringLiteral("期数")};
        for (const QString& upper : {QStringLiteral("第一位"), QStringLiteral("第二位"), QStringLiteral("第三位")})
            for (int digit = 0; digit <= 9; ++digit)
                t << upper + QLatin1Char('|') + QString::number(digit);
        t << QStringLiteral("总和") << QStringLiteral("单双比") << QStringLiteral("大小比") << QStringLiteral("AC值")
          << QStringLiteral("同号数") << QStringLiteral("跨度") << QStringLiteral("质数个数")
          << QStringLiteral("开奖号码") << QStringLiteral("单双") << QStringLiteral("大小");
        return t;
    }();
    return list;
}

QString HistoryModel::cellText(const DrawRecord& r, int column)
{
    if (column == 0)
        return r.qs;
    if (column <= kHitColumnCount)
        return r.hits[column - 1];
    switch (column - kHitColumnCount) {
    case 1:
        return QString::number(r.asum);
    case 2:
        return r.ascale;
    case 3:
        return r.alarge;
    case 4:
        return QString::number(r.acValue);
    case 5:
        return QString::number(r.sameToLast);
    case 6:
        return QString::number(r.kuadu);
    case 7:
        return QString::number(r.zhishu);
    case 8:
        return r.allNumber;
    case 9:
        return r.singleString;
    case 10:
        return r.largeString;
    }
    return {};
}
