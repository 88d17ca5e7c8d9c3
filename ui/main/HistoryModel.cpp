#include "ui/main/HistoryModel.h"

#include "store/DrawStore.h"
#include "ui/main/HistoryColumns.h"
#include "ui/widgets/ColourScheme.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <exception>

HistoryModel::HistoryModel(DrawStore& store, QObject* parent) : QAbstractTableModel(parent), m_store(store) {}

void HistoryModel::open(const QString& start, const QString& end, bool descending)
{
    beginResetModel();
    m_pages.clear();
    m_start = start;
    m_end = end;
    m_descending = descending;
    m_open = false;
    m_rows = 0;
    try {
        m_rows = m_store.rangeCount(start, end);
        m_open = true;
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

void HistoryModel::reopen()
{
    open(m_start, m_end, m_descending);
}

void HistoryModel::close()
{
    beginResetModel();
    m_pages.clear();
    m_open = false;
    m_rows = 0;
    endResetModel();
}

const DrawRecord* HistoryModel::cached(int row) const
{
    const int index = row / kPageRows;
    for (auto page = m_pages.begin(); page != m_pages.end(); ++page) {
        if (page->index == index) {
            m_pages.splice(m_pages.begin(), m_pages, page);
            break;
        }
    }
    if (m_pages.empty() || m_pages.front().index != index) {
        std::vector<DrawRecord> rows;
        try {
            rows = m_store.rangePage(m_start, m_end, m_descending, index * kPageRows, kPageRows);
        } catch (const std::exception&) {
            // Painting cannot report an error; the cells stay blank and the
            // next command meets the error itself.
            return nullptr;
        }
        m_pages.push_front({index, std::move(rows)});
        if (int(m_pages.size()) > kKeptPages)
            m_pages.pop_back();
    }
    const auto& rows = m_pages.front().rows;
    const size_t offset = size_t(row % kPageRows);
    return offset < rows.size() ? &rows[offset] : nullptr;
}

DrawRecord HistoryModel::recordAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    // The row on screen is almost always in a kept page; the store is asked
    // only when it is not (and then reports its own error).
    if (const DrawRecord* kept = cached(row))
        return *kept;
    const std::vector<DrawRecord> rows = m_store.rangePage(m_start, m_end, m_descending, row, 1);
    return rows.empty() ? DrawRecord{} : rows.front();
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kHistoryColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= kHistoryColumnCount)
        return {};
    const HistoryColumn& column = historyColumn(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const DrawRecord* record = cached(index.row());
        return record ? cellText(*record, index.column()) : QString();
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (index.column() == 0)
            return QGuiApplication::palette().button();
        return column.background.isValid() ? QVariant(QBrush(column.background)) : QVariant();
    case Qt::ForegroundRole:
        return QBrush(column.foreground);
    case Qt::FontRole:
        return cellFont(index.column());
    }
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kHistoryColumnCount)
        return role == Qt::DisplayRole && orientation == Qt::Vertical ? QVariant(QString()) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return historyTitle(section);
    case Qt::BackgroundRole:
        if (section >= 1 && section <= kHitColumnCount)
            return QBrush(schemeColours().paleCell);
        return {};
    case Qt::ForegroundRole:
        if (section >= 1 && section <= kHitColumnCount)
            return QBrush(schemeColours().headerText);
        return {};
    }
    return {};
}

QFont HistoryModel::cellFont(int column)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(kHistoryFontPixels);
    font.setBold(historyColumn(column).bold);
    return font;
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

std::pair<QString, QString> HistoryModel::shownIssues() const
{
    if (m_rows == 0)
        return {};
    const DrawRecord* top = cached(0);
    const DrawRecord* bottom = cached(m_rows - 1);
    if (!top || !bottom)
        return {};
    return m_descending ? std::pair{bottom->qs, top->qs} : std::pair{top->qs, bottom->qs};
}
