#include "ui/select/BetListModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>

namespace {
const QString kHeaders[] = {QStringLiteral("注号"), QStringLiteral("投注号码"), QStringLiteral("和值")};
constexpr int kWidths[] = {40, 65, 40};
constexpr int kRowHeight = 18;
} // namespace

BetListModel::BetListModel(QObject* parent) : QAbstractTableModel(parent) {}

void BetListModel::setBets(BetList bets, int emptyRows)
{
    beginResetModel();
    m_bets = std::move(bets);
    m_emptyRows = emptyRows;
    endResetModel();
}

int BetListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_bets.size()) + m_emptyRows;
}

int BetListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant BetListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::BackgroundRole && index.column() == 0)
        return QApplication::palette().button();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole || index.row() >= int(m_bets.size()))
        return {};
    const Bet& bet = m_bets[std::size_t(index.row())];
    switch (index.column()) {
    case 0:
        return QString::number(index.row() + 1);
    case 1:
        return bet.text();
    default:
        return QString::number(bet.sum());
    }
}

QVariant BetListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 3)
        return kHeaders[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

QTableView* makeResultGrid(const char* name, BetListModel* model, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->horizontalHeader()->setFixedHeight(kRowHeight + 2);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < 3; ++column)
        grid->setColumnWidth(column, kWidths[column]);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}
