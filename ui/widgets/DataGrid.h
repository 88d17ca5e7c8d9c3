#pragma once

#include <QColor>
#include <QPen>
#include <QTableView>
#include <functional>
#include <map>
#include <vector>

class QStyleOptionViewItem;

// A read-only grid for a table model, with what a distribution chart needs
// beyond a plain table view:
// - two-level column titles: a title "upper|lower" shows its upper part once
//   across the run of neighbouring columns sharing it; other titles span both
//   levels (colours from the model's header BackgroundRole/ForegroundRole);
// - a row indicator marking the current row;
// - frozen columns: with 2, the indicator and the first column stay in place
//   when the grid scrolls sideways;
// - footer rows with a text and colours per cell;
// - a hook called after the painting of every data cell, and a switch that
//   turns the grid's own painting of cells and footers off;
// - a canvas: lines drawn over the grid that stay until cleared.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    // Scrolls as a table does, keeping the row clear of the footer row.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    void setModel(QAbstractItemModel* model) override;

    // While on, the last row stays in view, clear of the footer, through
    // model resets, footer changes and resizes. Scrolling elsewhere turns it
    // off, scrolling back to the end on again.
    void followLastRow(bool on);
    bool followsLastRow() const { return m_followLastRow; }

    // 0 or 1: only the indicator stays; 2: the indicator and column 0.
    void setFrozenCols(int count);
    int frozenCols() const { return m_frozenCols; }

    void setGridLines(bool shown);
    bool gridLines() const { return showGrid(); }

    // When off, data cells and footers are left blank; only the cell hook paints.
    void setDefaultDrawing(bool on);
    bool defaultDrawing() const { return m_defaultDrawing; }

    struct Footer
    {
        QString text;
        QColor background;
        QColor foreground;
        Qt::Alignment alignment = Qt::AlignCenter;
    };
    // Cells without a footer of their own show empty in the footer colour.
    // Row 0 is the first footer row; the others need setFooterRows.
    void setFooter(int column, const Footer& footer) { setFooter(0, column, footer); }
    void setFooter(int row, int column, const Footer& footer);
    bool hasFooter(int column) const { return m_footers.count({0, column}) != 0; }
    Footer footer(int column) const { return footer(0, column); }
    Footer footer(int row, int column) const;
    void setFooterColor(const QColor& color);
    // How many footer rows lie under the cells (1 at first); rows beyond
    // the count lose their footers.
    void setFooterRows(int rows);
    int footerRows() const { return m_footerRows; }

    // Called for every data cell after the grid's own painting of it.
    using CellHook = std::function<void(QPainter&, const QRect&, const QModelIndex&, const QStyleOptionViewItem&)>;
    void setCellHook(CellHook hook) { m_cellHook = std::move(hook); }

    // Lines on the canvas, in grid coordinates.
    void drawCanvasLine(const QLine& line, const QPen& pen);
    void clearCanvas();
    int canvasLineCount() const { return int(m_canvasLines.size()); }

    // Repaints every part of the grid.
    void repaintAll();

    // The rectangle of a data cell in grid coordinates (the frozen copy of
    // column 0 where it is frozen); empty when not on screen.
    QRect cellRect(const QModelIndex& index) const;
    QRect titleRect(int column) const;

signals:
    void titleClicked(int column);
    // A mouse release over the cells, in grid coordinates.
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& position);

protected:
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class Header;
    class Indicator;
    class Delegate;
    class FooterRow;
    class Canvas;
    class FrozenView;
    friend class FooterRow;
    friend class Delegate;

    void layoutOverlays();
    void syncFrozenColumns();
    void verticalScrolled(int value);

    FrozenView* m_frozen;
    FooterRow* m_footerRow;
    Canvas* m_canvas;
    int m_frozenCols = 0;
    bool m_followLastRow = false;
    bool m_layingOut = false;
    bool m_defaultDrawing = true;
    std::map<std::pair<int, int>, Footer> m_footers; // (row, column)
    int m_footerRows = 1;
    QColor m_footerColor = Qt::yellow;
    CellHook m_cellHook;
    struct CanvasLine
    {
        QLine line;
        QPen pen;
    };
    std::vector<CanvasLine> m_canvasLines;
};
