#pragma once

#include "core/IssueList.h"

#include <QAbstractListModel>
#include <QStringList>
#include <memory>
#include <vector>

// A range selector's items: a slice of the issue list shared by all selectors, plus issues added later
// (the end selector of the grid grows with every entry).
class IssueListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit IssueListModel(QObject* parent = nullptr);

    // Shows items first .. first + count - 1 of `list` and drops added ones.
    void setSlice(std::shared_ptr<const IssueList> list, int first, int count);
    void append(const QString& issue);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const IssueList> m_list;
    int m_first = 0;
    int m_count = 0;
    QStringList m_added;
};
