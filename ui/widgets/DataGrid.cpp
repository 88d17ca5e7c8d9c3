#include "ui/widgets/DataGrid.h"

#include "ui/widgets/FigureFit.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <utility>

namespace {

QColor roleColor(const QVariant& value, const QColor& fallback)
{
    if (value.canConvert<QBrush>() && value.value<QBrush>().style() != Qt::NoBrush)
        return value.value<QBrush>().color();
    if (value.canConvert<QColor>() && value.value<QColor>().isValid())
        return value.value<QColor>();
    return fallback;
}

// A raised cell: light edges top and left, dark edges bottom and right.
void drawRaisedCell(QPainter& painter, const QRect& rect, const QColor& fill)
{
    painter.fillRect(rect, fill);
    painter.setPen(fill.lighter(130));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(fill.darker(150));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

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
        const QColor fill = roleColor(model()->headerData(logical, Qt::Horizontal, Qt::BackgroundRole),
                                      palette().color(QPalette::Button));
        const QColor ink = roleColor(model()->headerData(logical, Qt::Horizontal, Qt::ForegroundRole),
                                     palette().color(QPalette::ButtonText));
        painter->setFont(font());
        const int split = title.indexOf(QLatin1Char('|'));
        if (split < 0) {
            drawRaisedCell(*painter, rect, fill);
            painter->setPen(ink);
            painter->drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, title);
            return;
        }
        const QString upper = title.left(split);
        const int half = rect.height() / 2;
        const QRect lower(rect.left(), rect.top() + half, rect.width(), rect.height() - half);
        drawRaisedCell(*painter, lower, fill);
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
        drawRaisedCell(*painter, top, fill);
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
        drawRaisedCell(*painter, rect, palette().color(QPalette::Button));
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
        drawRaisedCell(painter, cell,
                       own && found->second.background.isValid() ? found->second.background : m_grid->m_footerColor);
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
