#pragma once

// What the analysis windows' grids share: a text model whose cells are
// produced on demand from rows computed below (a million rows cost no
// strings until they are shown), the centred word-wrapped cell drawing, and
// the issue boxes with their preselection.

#include "core/IssueList.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>
#include <vector>

class QComboBox;
class QTableView;

class TextGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using CellText = std::function<QString(int row, int column)>;

    explicit TextGridModel(QObject* parent = nullptr);

    // Titles of the header row; their number is the column count. The
    // header shows a title with leading blanks trimmed on its last line;
    // the edit role gives every title exactly as set.
    void setTitles(const QStringList& titles);
    const QStringList& titles() const { return m_titles; }
    // A new table of `rows` rows; edits of the previous one are dropped.
    void setTable(int rows, CellText cell);
    // Lets the user overwrite cells; an edit lasts until the next table.
    void setEditable(bool editable) { m_editable = editable; }
    // The text colour of a table row (invalid: the view's own), asked for
    // as the row paints, so a scheme switch needs no new table.
    using RowInk = std::function<QColor(int row)>;
    void setRowInk(RowInk ink) { m_rowInk = std::move(ink); }

    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Orders the rows by a column, numbers by value, texts as texts, equal
    // cells in the table's own order; column -1 gives the table's order back.
    // A new table starts in its own order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    int sourceRow(int row) const { return m_order.empty() ? row : m_order[size_t(row)]; }

    QStringList m_titles;
    int m_rows = 0;
    CellText m_cell;
    RowInk m_rowInk;
    bool m_editable = false;
    QHash<quint64, QString> m_edits;
    std::vector<int> m_order; // shown row -> table row, empty in table order
};

// Hands the drawing of each cell, its option filled from the model, to the
// window's cell-drawing handler.
class DrawCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using DrawCell = std::function<void(QPainter*, QStyleOptionViewItem&)>;
    DrawCellDelegate(DrawCell drawCell, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    DrawCell m_drawCell;
};

// Draws a cell with its background and its text centred, broken at word
// boundaries when wider than the cell, in `color` when one is given.
void drawCentredCell(QPainter* painter, QStyleOptionViewItem& cell, QColor color = {});

// A grid view over a TextGridModel: titles wrapped in the header, fixed row
// height, text centred.
QTableView* textGridView(TextGridModel* model, const char* name, int columnWidth, int rowHeight, QWidget* parent);

// Sets up an issue box: sized for an issue text, not for its longest item,
// and quick to open on a long list.
void prepareIssueBox(QComboBox* box, bool editable);

// Refills the boxes with the issues in order; they share one model.
void fillIssueBoxes(IssueList issues, std::initializer_list<QComboBox*> boxes);

// Selects the issue at `position`. A position before the first issue selects
// the first one, except that with `keepAtMinusOne` a position of exactly -1
// leaves the box without a selection.
void selectIssueAt(QComboBox* box, qint64 position, bool keepAtMinusOne = false);

// Source of the main window's default issue count ("默认显示期数").
using ShowCountSource = std::function<QString()>;
