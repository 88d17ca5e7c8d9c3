#include "ui/widgets/DataGrid.h"

#include "ui/widgets/DataGridParts.h"
#include "ui/widgets/FigureFit.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <utility>

DataGrid::DataGrid(QWidget* parent)
    : QTableView(parent), m_frozen(new FrozenView(this)), m_footerRow(new FooterRow(this)), m_canvas(new Canvas(this))
{
    setHorizontalHeader(new Header(this));
    setVerticalHeader(new Indicator(this));
    setItemDelegate(new Delegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::titleClicked);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footerRow, qOverload<>(&QWidget::update));
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == 0)
            m_frozen->setColumnWidth(0, columnWidth(0));
        layoutOverlays();
        m_footerRow->update();
    });

    // The frozen copy of column 0 over the left edge of the cells.
    m_frozen->setHorizontalHeader(new Header(m_frozen));
    m_frozen->verticalHeader()->hide();
    m_frozen->setItemDelegate(itemDelegate());
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_frozen->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_frozen->setSelectionMode(QAbstractItemView::SingleSelection);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_frozen->setWordWrap(false);
    m_frozen->viewport()->installEventFilter(this);
    m_frozen->hide();
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] { emit titleClicked(0); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &DataGrid::verticalScrolled);
    // One vertical position for both: the grid's bar leads; a wheel or a
    // click over the frozen column moves the grid's bar, which leads again.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, m_frozen, &FrozenView::followGrid);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_frozen, &FrozenView::followGrid);
    connect(m_frozen->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (m_frozen->scrolledByUser() && value != verticalScrollBar()->value())
            verticalScrollBar()->setValue(value);
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, m_frozen,
            [this](int row, int, int size) { m_frozen->setRowHeight(row, size); });
}

DataGrid::~DataGrid()
{
    // The scroll bars outlive this part of the grid while its bases tear
    // down; nothing of the grid may answer their last signals.
    disconnect(verticalScrollBar(), nullptr, this, nullptr);
    disconnect(horizontalHeader(), nullptr, this, nullptr);
    delete m_frozen;
}

void DataGrid::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    if (selectionModel())
        connect(selectionModel(), &QItemSelectionModel::currentRowChanged, verticalHeader()->viewport(),
                qOverload<>(&QWidget::update));
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &DataGrid::syncFrozenColumns);
        connect(model, &QAbstractItemModel::columnsInserted, this, &DataGrid::syncFrozenColumns);
    }
    syncFrozenColumns();
}

void DataGrid::syncFrozenColumns()
{
    const int columns = model() ? model()->columnCount() : 0;
    for (int column = 1; column < columns; ++column)
        m_frozen->setColumnHidden(column, true);
    if (columns > 0)
        m_frozen->setColumnWidth(0, columnWidth(0));
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_frozen->followGrid();
}

void DataGrid::setFrozenCols(int count)
{
    m_frozenCols = count;
    m_frozen->setVisible(count >= 2);
    m_frozen->setShowGrid(showGrid());
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    layoutOverlays();
    m_footerRow->update();
}

void DataGrid::setGridLines(bool shown)
{
    setShowGrid(shown);
    m_frozen->setShowGrid(shown);
}

void DataGrid::setDefaultDrawing(bool on)
{
    m_defaultDrawing = on;
}

void DataGrid::setFooter(int row, int column, const Footer& footer)
{
    m_footers[{row, column}] = footer;
    m_footerRow->update();
}

DataGrid::Footer DataGrid::footer(int row, int column) const
{
    const auto found = m_footers.find({row, column});
    return found == m_footers.end() ? Footer{} : found->second;
}

void DataGrid::setFooterRows(int rows)
{
    rows = std::max(1, rows);
    if (rows == m_footerRows)
        return;
    m_footerRows = rows;
    std::erase_if(m_footers, [rows](const auto& footer) { return footer.first.first >= rows; });
    updateGeometries();
    m_footerRow->update();
}

void DataGrid::setFooterColor(const QColor& color)
{
    m_footerColor = color;
    m_footerRow->update();
}

void DataGrid::drawCanvasLine(const QLine& line, const QPen& pen)
{
    m_canvasLines.push_back({line, pen});
    m_canvas->update();
}

void DataGrid::clearCanvas()
{
    m_canvasLines.clear();
    m_canvas->update();
}

void DataGrid::repaintAll()
{
    viewport()->update();
    m_frozen->viewport()->update();
    horizontalHeader()->viewport()->update();
    m_frozen->horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    m_footerRow->update();
    m_canvas->update();
}

QRect DataGrid::cellRect(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    if (index.column() == 0 && m_frozenCols >= 2) {
        const QRect r = m_frozen->visualRect(index);
        return r.isEmpty() ? r : r.translated(m_frozen->viewport()->mapTo(this, QPoint(0, 0)));
    }
    const QRect r = visualRect(index);
    return r.isEmpty() ? r : r.translated(viewport()->mapTo(this, QPoint(0, 0)));
}

QRect DataGrid::titleRect(int column) const
{
    const QHeaderView* header = column == 0 && m_frozenCols >= 2 ? m_frozen->horizontalHeader() : horizontalHeader();
    const QRect r(header->sectionViewportPosition(column), 0, header->sectionSize(column), header->height());
    return r.translated(header->viewport()->mapTo(this, QPoint(0, 0)));
}

void DataGrid::updateGeometries()
{
    m_layingOut = true;
    QTableView::updateGeometries();
    // The footer covers the bottom of the cells: leave room to scroll the
    // last row above it.
    if (verticalHeader()) {
        QScrollBar* bar = verticalScrollBar();
        const int footer = m_footerRow->sizeHint().height();
        const int length = verticalHeader()->length();
        bar->setRange(0, std::max(0, length + footer - viewport()->height()));
        if (m_followLastRow)
            bar->setValue(bar->maximum());
    }
    m_layingOut = false;
    layoutOverlays();
}

void DataGrid::followLastRow(bool on)
{
    m_followLastRow = on;
    if (on)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

// A scroll by the user (wheel, keys, bar, a click) decides whether the last
// row is still followed: only when it ends at the last row.
void DataGrid::verticalScrolled(int value)
{
    if (!m_layingOut)
        m_followLastRow = value > 0 && value == verticalScrollBar()->maximum();
}

void DataGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || !m_footerRow->isVisible())
        return;
    // The row's whole section, grid line included, clear of the footer.
    const int rowEnd = rowViewportPosition(index.row()) + rowHeight(index.row());
    const int hidden = rowEnd - (viewport()->height() - m_footerRow->sizeHint().height());
    if (hidden > 0)
        verticalScrollBar()->setValue(std::min(verticalScrollBar()->maximum(), verticalScrollBar()->value() + hidden));
}

void DataGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    layoutOverlays();
}

void DataGrid::layoutOverlays()
{
    const QRect cells = viewport()->geometry();
    const int footer = m_footerRow->sizeHint().height();
    const int left = verticalHeader()->isVisible() ? verticalHeader()->x() : cells.left();
    m_footerRow->setGeometry(left, cells.bottom() + 1 - footer, cells.right() + 1 - left, footer);
    if (m_frozenCols >= 2) {
        const int header = horizontalHeader()->height();
        m_frozen->horizontalHeader()->setFixedHeight(header);
        m_frozen->setGeometry(cells.left(), cells.top() - header, columnWidth(0), cells.height() + header - footer);
        m_frozen->raise();
    }
    m_footerRow->raise();
    m_canvas->setGeometry(rect());
    m_canvas->raise();
}

bool DataGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && (watched == viewport() || watched == m_frozen->viewport())) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = static_cast<QWidget*>(watched)->mapTo(this, mouse->position().toPoint());
        emit mouseReleased(mouse->button(), mouse->modifiers(), at);
    }
    return QTableView::eventFilter(watched, event);
}
