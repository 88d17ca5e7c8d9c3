#pragma once

#include "core/IssueList.h"

#include <QAbstractListModel>
#include <QStringList>
#include <memory>
#include <vector>

// A range selector's items: a slice of an issue list that several selectors
// share, plus issues added later (the main grid's end selector grows with
// every entry). Only the list's packed text is held, however long it is.
class IssueListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit IssueListModel(QObject* parent = nullptr);

    // Shows items first .. first + count - 1 of `list` and drops added ones.
    void setSlice(std::shared_ptr<const IssueList> list, int first, int count);
    // Shows the whole list.
    void setIssues(IssueList list);
    void append(const QString& issue);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const IssueList> m_list;
    int m_first = 0;
    int m_count = 0;
    QStringList m_added;
};
