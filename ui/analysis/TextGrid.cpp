#include "ui/analysis/TextGrid.h"

#include "ui/widgets/IssueListModel.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QListView>
#include <QPainter>
#include <QTableView>
#include <algorithm>

namespace {
quint64 cellKey(int row, int column)
{
    return (quint64(quint32(row)) << 32) | quint32(column);
}
} // namespace

TextGridModel::TextGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextGridModel::setTitles(const QStringList& titles)
{
    beginResetModel();
    m_titles = titles;
    endResetModel();
}

void TextGridModel::setTable(int rows, CellText cell)
{
    beginResetModel();
    m_rows = rows;
    m_cell = std::move(cell);
    m_edits.clear();
    m_order.clear();
    endResetModel();
}

QString TextGridModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_titles.size())
        return {};
    row = sourceRow(row);
    const auto edit = m_edits.constFind(cellKey(row, column));
    if (edit != m_edits.cend())
        return *edit;
    return m_cell ? m_cell(row, column) : QString();
}

int TextGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TextGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::ForegroundRole && m_rowInk && index.row() < m_rows) {
        const QColor ink = m_rowInk(sourceRow(index.row()));
        return ink.isValid() ? QVariant(ink) : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return text(index.row(), index.column());
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size())
        return {};
    const QString& title = m_titles[section];
    // Leading blanks of a title push it onto the last line of the wrapped
    // title row; it is shown that way, trimmed, so it never breaks mid-word.
    const bool pushedDown = title.startsWith(QLatin1Char(' '));
    switch (role) {
    case Qt::DisplayRole:
        return pushedDown ? title.trimmed() : title;
    case Qt::EditRole:
        return title;
    case Qt::TextAlignmentRole:
        return int(pushedDown ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignCenter | Qt::TextWordWrap);
    default:
        return {};
    }
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_editable || !index.isValid() || role != Qt::EditRole)
        return false;
    m_edits.insert(cellKey(sourceRow(index.row()), index.column()), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void TextGridModel::sort(int column, Qt::SortOrder direction)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_order.clear();
    if (column >= 0 && column < m_titles.size()) {
        struct Key
        {
            bool isNumber;
            double number;
            QString text;
        };
        std::vector<Key> keys;
        keys.reserve(size_t(m_rows));
        std::vector<int> order;
        order.reserve(size_t(m_rows));
        for (int row = 0; row < m_rows; ++row) {
            order.push_back(row);
            Key key{false, 0, text(row, column)};
            key.number = key.text.toDouble(&key.isNumber);
            keys.push_back(std::move(key));
        }
        // Numbers before texts; an empty cell is a text and goes last.
        const auto less = [&keys](int a, int b) {
            const Key &x = keys[size_t(a)], &y = keys[size_t(b)];
            if (x.isNumber != y.isNumber)
                return x.isNumber;
            return x.isNumber ? x.number < y.number : x.text < y.text;
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return direction == Qt::AscendingOrder ? less(a, b) : less(b, a); });
        m_order = std::move(order);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

DrawCellDelegate::DrawCellDelegate(DrawCell drawCell, QObject* parent)
    : QStyledItemDelegate(parent), m_drawCell(std::move(drawCell))
{
}

void DrawCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    m_drawCell(painter, cell);
}

void drawCentredCell(QPainter* painter, QStyleOptionViewItem& cell, QColor color)
{
    cell.displayAlignment = Qt::AlignHCenter | Qt::AlignVCenter;
    cell.features |= QStyleOptionViewItem::WrapText;
    if (color.isValid()) {
        cell.palette.setColor(QPalette::Text, color);
        cell.palette.setColor(QPalette::HighlightedText, color);
    }
    const QWidget* widget = cell.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
}

QTableView* textGridView(TextGridModel* model, const char* name, int columnWidth, int rowHeight, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->horizontalHeader()->setDefaultSectionSize(columnWidth);
    view->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setMinimumSectionSize(8);
    view->setWordWrap(true);
    view->setTextElideMode(Qt::ElideNone);
    return view;
}

void prepareIssueBox(QComboBox* box, bool editable)
{
    box->setEditable(editable);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(9);
    box->setMaxVisibleItems(20);
    if (auto* list = qobject_cast<QListView*>(box->view()))
        list->setUniformItemSizes(true);
}

void fillIssueBoxes(IssueList issues, std::initializer_list<QComboBox*> boxes)
{
    if (boxes.size() == 0)
        return;
    QComboBox* owner = *boxes.begin();
    auto* model = qobject_cast<IssueListModel*>(owner->model());
    if (!model) {
        model = new IssueListModel(owner->parent());
        for (QComboBox* box : boxes) {
            box->setModel(model);
            // Typed issues are range bounds, not new items.
            box->setInsertPolicy(QComboBox::NoInsert);
        }
    }
    // Emptied first, so every box starts without a selection as a cleared list does.
    for (QComboBox* box : boxes)
        box->setCurrentIndex(-1);
    model->setIssues(std::move(issues));
    for (QComboBox* box : boxes)
        box->setCurrentIndex(-1);
}

void selectIssueAt(QComboBox* box, qint64 position, bool keepAtMinusOne)
{
    if (position >= box->count())
        position = box->count() - 1;
    if (position < 0 && !(keepAtMinusOne && position == -1))
        position = box->count() > 0 ? 0 : -1;
    box->setCurrentIndex(int(position));
}
