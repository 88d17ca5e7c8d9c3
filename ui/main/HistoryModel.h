#pragma once

#include "core/DrawRecord.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <list>
#include <utility>
#include <vector>

class DrawStore;

// The rows of the history grid: the draws of one issue range exactly as
// stored, one column per column of the draw table. Only the number of rows
// is known up front; rows are read from the store a page at a time as the
// grid shows them, and only a few pages are kept, so a range of any length
// costs the same memory.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit HistoryModel(DrawStore& store, QObject* parent = nullptr);

    // Opens the range start..end (compared as text, both inclusive). Throws
    // when the store fails; the model is then empty.
    void open(const QString& start, const QString& end, bool descending);
    // Opens the same range again, after the table changed.
    void reopen();
    // No rows, as a closed query.
    void close();
    bool descending() const { return m_descending; }
    // The oldest and the newest issue on show; empty without rows or when
    // the store cannot be read.
    std::pair<QString, QString> shownIssues() const;
    DrawStore& store() const { return m_store; }

    // The record on a row; throws when the store fails.
    DrawRecord recordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The stored value of one column as text (empty for a null marker).
    static QString cellText(const DrawRecord& record, int column);
    static QFont cellFont(int column);

    static constexpr int kPageRows = 256;
    static constexpr int kKeptPages = 8;

private:
    struct Page
    {
        int index;
        std::vector<DrawRecord> rows;
    };
    // The page holding `row`, read on first use; null when it cannot be read.
    const DrawRecord* cached(int row) const;

    DrawStore& m_store;
    QString m_start, m_end;
    bool m_descending = false;
    bool m_open = false;
    int m_rows = 0;
    mutable std::list<Page> m_pages; // most recently used first
};
