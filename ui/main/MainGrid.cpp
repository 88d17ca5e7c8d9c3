// The history grid's commands: showing a range, the frequency footers,
// descending order, grid lines, the title highlight and line drawing.
#include "store/DrawStore.h"
#include "store/RangeTrend.h"
#include "ui/main/FrequencyFooters.h"
#include "ui/main/HistoryColumns.h"
#include "ui/main/HistoryModel.h"
#include "ui/main/Main.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/FigureFit.h"

#include <QComboBox>
#include <QPainter>
#include <QStringEncoder>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolButton>

const QString TFrmMain::kFrequencyTitle = QStringLiteral("频  率");
const QStringList TFrmMain::kTrendTitles{QStringLiteral("当前遗漏"), QStringLiteral("平均遗漏"),
                                         QStringLiteral("最大遗漏"), QStringLiteral("最大连出")};

namespace {

// Titles belong to one highlight group when their third and fourth bytes in
// GBK agree: the middle character of "第一位", "第二位", "第三位" for the digit
// columns, and pairs such as "单双比"/"单双" or "期数"/"质数个数".
QByteArray highlightGroup(const QString& title)
{
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(title);
    return bytes.mid(2, 2);
}

} // namespace

void FillFrequencyFooters(const QString& start, const QString& end, const QString& issueColumn, int positions,
                          DataGrid* grid, const QString& table)
{
    if (positions <= 0)
        return;
    auto* history = qobject_cast<HistoryModel*>(grid->model());
    if (!history)
        return;
    const auto counts = history->store().hitCounts(start, end, issueColumn, positions, table);
    int column = 1; // column 0 is the issue
    for (int position = 1; position <= std::min(positions, kHitColumnCount / 10); ++position) {
        for (int digit = 0; digit <= 9; ++digit, ++column) {
            // The second position's ten columns take the paler blue.
            const QColor fill = schemeColours().footerFill[(column - 1) / 10 % 2];
            grid->setFooter(column, {QString::number(counts[size_t((position - 1) * 10 + digit)]), fill,
                                     schemeColours().footerText, Qt::AlignCenter});
        }
    }
}

void TFrmMain::openGrid(bool descending)
{
    runGuarded(m_dialogs, this, [&] {
        m_history->open(ComboBox14->currentText(), ComboBox15->currentText(), descending);
        refreshGridFigures();
    });
    showNewestDraw();
}

void TFrmMain::reloadGrid()
{
    m_history->reopen();
    refreshGridFigures();
    showNewestDraw();
}

void TFrmMain::refreshGridFigures()
{
    const bool omission = m_showOmission && m_showOmission->isChecked();
    if (!m_footersShown && !omission) {
        m_omissionCells.reset();
        fitDigitColumns();
        return;
    }
    RangeTrend trend =
        readRangeTrend(m_store, ComboBox14->currentText(), ComboBox15->currentText(), {m_footersShown, omission});
    if (m_footersShown) {
        FillFrequencyFooters(ComboBox14->currentText(), ComboBox15->currentText(), QStringLiteral("qs"), 3, DBGridEh1,
                             ActiveTable());
        fillTrendFooters(trend);
    }
    if (omission)
        m_omissionCells = std::make_unique<OmissionCells>(std::move(trend.cells));
    else
        m_omissionCells.reset();
    fitDigitColumns();
    DBGridEh1->repaintAll();
}

// The digit columns keep the width the options give them unless a footer or
// omission figure would not fit even in the smaller face.
void TFrmMain::fitDigitColumns()
{
    int needed = 0;
    auto need = [&needed](const QFont& font, const QString& figure) {
        needed = std::max(needed, figureWidth(font, figure));
    };
    if (m_footersShown)
        for (int row = 0; row < DBGridEh1->footerRows(); ++row)
            for (int column = 1; column <= kTrendColumns; ++column)
                need(DBGridEh1->font(), DBGridEh1->footer(row, column).text);
    if (m_omissionCells) {
        QFont face = HistoryModel::cellFont(1);
        face.setBold(false);
        need(face, QString::number(m_omissionCells->largest()));
    }
    m_figureColumnWidth = needed;
    applyDigitColumnWidth();
}

// Under 频率, a row for each figure; the title in the issue column.
void TFrmMain::fillTrendFooters(const RangeTrend& trend)
{
    const SchemeColours& colours = schemeColours();
    const ColumnFigures* rows[] = {&trend.figures.current, &trend.figures.averageOmission,
                                   &trend.figures.longestOmission, &trend.figures.longestRun};
    DBGridEh1->setFooterRows(1 + int(std::size(rows)));
    for (int row = 1; row <= int(std::size(rows)); ++row) {
        DBGridEh1->setFooter(
            row, 0, {kTrendTitles[row - 1], colours.footerTitleFill, colours.footerTitleText, Qt::AlignCenter});
        for (int column = 1; column <= kTrendColumns; ++column)
            DBGridEh1->setFooter(row, column,
                                 {QString::number((*rows[row - 1])[size_t(column - 1)]),
                                  colours.footerFill[(column - 1) / 10 % 2], colours.footerText, Qt::AlignCenter});
    }
}

// The newest draw is what a user looks for first, and what an entry, an
// import or a download has just added: the last row ascending, the first
// descending.
void TFrmMain::showNewestDraw()
{
    // Ascending, the grid keeps following its last row through the layout
    // that follows a reset, footer rows coming or going and resizes, until
    // the user scrolls elsewhere.
    if (m_history->descending()) {
        DBGridEh1->followLastRow(false);
        DBGridEh1->scrollToTop();
    } else {
        DBGridEh1->followLastRow(true);
    }
}

// Always ascending, whatever "降序排列" shows.
void TFrmMain::SpeedButton18Click()
{
    openGrid(false);
    DBGridEh1->setFrozenCols(2);
}

void TFrmMain::SpeedButton21Click()
{
    openGrid(SpeedButton21->isChecked());
    DBGridEh1->setFrozenCols(2);
}

// 频率 and the trend figures of the range on show; from now on they follow
// every change of the range.
void TFrmMain::SpeedButton19Click()
{
    m_footersShown = true;
    runGuarded(m_dialogs, this, [this] { refreshGridFigures(); });
    DBGridEh1->setFrozenCols(2);
}

void TFrmMain::showOmissionValues()
{
    runGuarded(m_dialogs, this, [this] { refreshGridFigures(); });
    DBGridEh1->repaintAll();
}

void TFrmMain::SpeedButton22Click()
{
    DBGridEh1->setGridLines(!SpeedButton22->isChecked());
    DBGridEh1->setFrozenCols(2);
}

void TFrmMain::DBGridEh1TitleClick(int column)
{
    m_highlightColumn = column;
    m_highlightOn = true;
    DBGridEh1->repaintAll();
}

void TFrmMain::DBGridEh1DrawColumnCell(QPainter& painter, const QRect& rect, const QModelIndex& index,
                                       const QStyleOptionViewItem& state)
{
    // A selected row keeps the style's highlight, its text in the highlighted-text colour.
    const bool selected = state.state & QStyle::State_Selected;
    drawOmissionCell(painter, rect, index,
                     selected ? state.palette.color(QPalette::HighlightedText) : schemeColours().omissionText);
    if (!m_highlightOn || m_highlightColumn < 0 || selected)
        return;
    if (highlightGroup(historyTitle(index.column())) != highlightGroup(historyTitle(m_highlightColumn)))
        return;
    DBGridEh1DrawDataCell(painter, rect, index);
}

// Fills a highlighted cell and writes its text again: text columns to the
// left, number columns to the right, two pixels from the edge.
void TFrmMain::DBGridEh1DrawDataCell(QPainter& painter, const QRect& rect, const QModelIndex& index)
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    painter.fillRect(rect, schemeColours().highlight);
    painter.setFont(index.data(Qt::FontRole).value<QFont>());
    painter.setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
    const Qt::Alignment side = historyColumn(index.column()).numeric ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(rect.adjusted(2, 0, -2, 0), int(side | Qt::AlignVCenter), text);
}

// An empty digit cell gets the draws since that digit last came there, in
// grey; a hit keeps its own text and colours.
void TFrmMain::drawOmissionCell(QPainter& painter, const QRect& rect, const QModelIndex& index, const QColor& ink)
{
    const QString figure = omissionFigure(index);
    if (figure.isEmpty())
        return;
    QFont font = index.data(Qt::FontRole).value<QFont>();
    font.setBold(false);
    painter.setFont(figureFont(font, figure, rect.width()));
    painter.setPen(ink);
    painter.drawText(rect, Qt::AlignCenter, figure);
}

QString TFrmMain::omissionFigure(const QModelIndex& index) const
{
    if (!m_omissionCells || index.column() < 1 || index.column() > kTrendColumns ||
        !index.data(Qt::DisplayRole).toString().isEmpty())
        return {};
    const int rows = m_omissionCells->rows();
    if (rows != m_history->rowCount())
        return {}; // the range changed under the figures; they follow at the next refresh
    const int rangeRow = m_history->descending() ? rows - 1 - index.row() : index.row();
    return QString::number(m_omissionCells->at(rangeRow, index.column() - 1));
}

void TFrmMain::SpeedButton30Click()
{
    if (SpeedButton30->isChecked()) {
        DBGridEh1->setDefaultDrawing(false);
        m_lineMode = true;
        m_lineStartPending = true;
        return;
    }
    DBGridEh1->setDefaultDrawing(true);
    DBGridEh1->clearCanvas();
    DBGridEh1->repaintAll();
    m_lineMode = false;
}

// Every release while drawing adds a segment from the previous release;
// the first only sets where the line starts.
void TFrmMain::DBGridEh1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    if (!m_lineMode)
        return;
    const QPoint at(x, y);
    if (m_lineStartPending)
        m_lineStartPending = false;
    else
        DBGridEh1->drawCanvasLine(QLine(m_lineLast, at), QPen(schemeColours().trendLine, 2));
    m_lineLast = at;
}
