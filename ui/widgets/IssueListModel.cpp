#include "ui/widgets/IssueListModel.h"

IssueListModel::IssueListModel(QObject* parent) : QAbstractListModel(parent) {}

void IssueListModel::setSlice(std::shared_ptr<const IssueList> list, int first, int count)
{
    beginResetModel();
    m_list = std::move(list);
    m_first = first;
    m_count = m_list ? std::max(0, std::min(count, m_list->size() - first)) : 0;
    m_added.clear();
    endResetModel();
}

void IssueListModel::setIssues(IssueList list)
{
    list.squeeze();
    const int count = list.size();
    setSlice(std::make_shared<const IssueList>(std::move(list)), 0, count);
}

void IssueListModel::append(const QString& issue)
{
    const int row = m_count + int(m_added.size());
    beginInsertRows({}, row, row);
    m_added << issue;
    endInsertRows();
}

int IssueListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count + int(m_added.size());
}

QVariant IssueListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int row = index.row();
    if (row < m_count)
        return m_list->at(m_first + row);
    if (row - m_count < m_added.size())
        return m_added[row - m_count];
    return {};
}
