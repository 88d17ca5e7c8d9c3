#pragma once

// The parts a DataGrid is made of: titles on two levels, the row indicator,
// the cell painter, the frozen issue column, the footer row and the canvas
// for lines. Only DataGrid.cpp includes this file.

#include "ui/widgets/DataGrid.h"
#include "ui/widgets/FigureFit.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace DataGridDrawing {

inline QColor roleColor(const QVariant& value, const QColor& fallback)
{
    if (value.canConvert<QBrush>() && value.value<QBrush>().style() != Qt::NoBrush)
        return value.value<QBrush>().color();
    if (value.canConvert<QColor>() && value.value<QColor>().isValid())
        return value.value<QColor>();
    return fallback;
}

// A raised cell: light edges top and left, dark edges bottom and right.
inline void drawRaisedCell(QPainter& painter, const QRect& rect, const QColor& fill)
{
    painter.fillRect(rect, fill);
    painter.setPen(fill.lighter(130));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(fill.darker(150));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace DataGridDrawing

// Column titles on two levels: "upper|lower". The upper part is drawn across
// every neighbouring column that shares it.
class DataGrid::Header : public QHeaderView
{
public:
    explicit Header(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
    {
        setSectionsClickable(true);
        setHighlightSections(false);
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(1);
    }

    QSize sizeHint() const override
    {
        QSize size = QHeaderView::sizeHint();
        size.setHeight(2 * fontMetrics().height() + 6);
        return size;
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logical) const override
    {
        if (!model())
            return;
        const QString title = model()->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString();
        const QColor fill = DataGridDrawing::roleColor(model()->headerData(logical, Qt::Horizontal, Qt::BackgroundRole),
                                                       palette().color(QPalette::Button));
        const QColor ink = DataGridDrawing::roleColor(model()->headerData(logical, Qt::Horizontal, Qt::ForegroundRole),
                                                      palette().color(QPalette::ButtonText));
        painter->setFont(font());
        const int split = title.indexOf(QLatin1Char('|'));
        if (split < 0) {
            DataGridDrawing::drawRaisedCell(*painter, rect, fill);
            painter->setPen(ink);
            painter->drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, title);
            return;
        }
        const QString upper = title.left(split);
        const int half = rect.height() / 2;
        const QRect lower(rect.left(), rect.top() + half, rect.width(), rect.height() - half);
        DataGridDrawing::drawRaisedCell(*painter, lower, fill);
        painter->setPen(ink);
        painter->drawText(lower, Qt::AlignCenter, title.mid(split + 1));

        // The upper title spans the run of columns sharing it.
        int first = visualIndex(logical), last = first;
        auto upperOf = [this](int visual) {
            const QString t = model()->headerData(logicalIndex(visual), Qt::Horizontal).toString();
            const int bar = t.indexOf(QLatin1Char('|'));
            return bar < 0 ? QString() : t.left(bar);
        };
        while (first > 0 && !isSectionHidden(logicalIndex(first - 1)) && upperOf(first - 1) == upper)
            --first;
        while (last + 1 < count() && !isSectionHidden(logicalIndex(last + 1)) && upperOf(last + 1) == upper)
            ++last;
        const int left = sectionViewportPosition(logicalIndex(first));
        const int right = sectionViewportPosition(logicalIndex(last)) + sectionSize(logicalIndex(last));
        const QRect top(left, rect.top(), right - left, half);
        DataGridDrawing::drawRaisedCell(*painter, top, fill);
        painter->setPen(ink);
        painter->drawText(top, Qt::AlignCenter, upper);
    }
};

// The row indicator: a narrow fixed column marking the current row.
class DataGrid::Indicator : public QHeaderView
{
public:
    explicit Indicator(QWidget* parent) : QHeaderView(Qt::Vertical, parent)
    {
        setSectionResizeMode(QHeaderView::Fixed);
        setSectionsClickable(true);
        setHighlightSections(false);
    }
    QSize sizeHint() const override { return {12, QHeaderView::sizeHint().height()}; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logical) const override
    {
        DataGridDrawing::drawRaisedCell(*painter, rect, palette().color(QPalette::Button));
        if (!selectionModel() || selectionModel()->currentIndex().row() != logical)
            return;
        const QPoint c = rect.center();
        const QPolygon arrow{QPoint(c.x() - 2, c.y() - 4), QPoint(c.x() + 2, c.y()), QPoint(c.x() - 2, c.y() + 4)};
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::ButtonText));
        painter->drawPolygon(arrow);
    }
};

// Paints a data cell the grid's own way (unless switched off), then hands
// it to the owner's hook.
class DataGrid::Delegate : public QStyledItemDelegate
{
public:
    explicit Delegate(DataGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (m_grid->m_defaultDrawing)
            QStyledItemDelegate::paint(painter, option, index);
        if (m_grid->m_cellHook) {
            painter->save();
            m_grid->m_cellHook(*painter, option.rect, index, option);
            painter->restore();
        }
    }

private:
    DataGrid* m_grid;
};

// The frozen copy of column 0. Its vertical scrolling is the grid's, never
// its own: whenever it lays itself out (after a model reset it does so later
// than the grid, with the old row count), it takes the grid's range and
// offset again, so an issue is never drawn beside another row's draw.
class DataGrid::FrozenView : public QTableView
{
public:
    explicit FrozenView(DataGrid* grid) : QTableView(grid), m_grid(grid) {}

    void followGrid()
    {
        const QScrollBar* own = m_grid->verticalScrollBar();
        const bool wasFollowing = std::exchange(m_following, true);
        verticalScrollBar()->setRange(own->minimum(), own->maximum());
        verticalScrollBar()->setValue(own->value());
        m_following = wasFollowing;
    }
    // A change of its own offset that is not the grid's own being copied:
    // the user scrolled over the frozen column.
    bool scrolledByUser() const { return !m_following; }

protected:
    void updateGeometries() override
    {
        // Its own layout clamps the offset to its own (perhaps stale) range;
        // that is no move of the user's.
        m_following = true;
        QTableView::updateGeometries();
        m_following = false;
        followGrid();
    }

private:
    DataGrid* m_grid;
    bool m_following = false;
};

// The footer row, laid over the bottom of the cells and scrolled sideways
// with them.
class DataGrid::FooterRow : public QWidget
{
public:
    explicit FooterRow(DataGrid* grid) : QWidget(grid), m_grid(grid) {}
    int rowHeight() const { return fontMetrics().height() + 6; }
    QSize sizeHint() const override { return {0, rowHeight() * m_grid->m_footerRows}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        if (!m_grid->model())
            return;
        const int offset = m_grid->viewport()->x() - x();
        const int columns = m_grid->model()->columnCount();
        for (int row = 0; row < m_grid->m_footerRows; ++row) {
            for (int column = 0; column < columns; ++column) {
                if (m_grid->isColumnHidden(column) || (column == 0 && m_grid->m_frozenCols >= 2))
                    continue;
                paintCell(painter, row, column, offset + m_grid->columnViewportPosition(column));
            }
            if (m_grid->m_frozenCols >= 2 && columns > 0)
                paintCell(painter, row, 0, m_grid->m_frozen->x() - x());
        }
    }

private:
    void paintCell(QPainter& painter, int row, int column, int left)
    {
        const QRect cell(left, row * rowHeight(), m_grid->columnWidth(column), rowHeight());
        if (!m_grid->m_defaultDrawing) {
            painter.fillRect(cell, m_grid->palette().color(QPalette::Base));
            return;
        }
        const auto found = m_grid->m_footers.find({row, column});
        const bool own = found != m_grid->m_footers.end();
        DataGridDrawing::drawRaisedCell(painter, cell,
                                        own && found->second.background.isValid() ? found->second.background
                                                                                  : m_grid->m_footerColor);
        if (!own)
            return;
        painter.setPen(found->second.foreground.isValid() ? found->second.foreground
                                                          : palette().color(QPalette::WindowText));
        painter.setFont(figureFont(font(), found->second.text, cell.width()));
        painter.drawText(cell, int(found->second.alignment), found->second.text);
    }

    DataGrid* m_grid;
};

// Lines drawn over the whole grid; mouse events pass through.
class DataGrid::Canvas : public QWidget
{
public:
    explicit Canvas(DataGrid* grid) : QWidget(grid), m_grid(grid) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_grid->m_canvasLines.empty())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const auto& drawn : m_grid->m_canvasLines) {
            painter.setPen(drawn.pen);
            painter.drawLine(drawn.line);
        }
    }

private:
    DataGrid* m_grid;
};
