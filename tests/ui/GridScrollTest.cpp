// Whatever happens to the grid, each issue label is drawn beside its own
// draw, and the newest draw stays in view until the user scrolls elsewhere.
// Both are properties checked after every step of a table of action
// sequences, on a bare grid and on the main window.
#include "tests/ui/MainWindowFixture.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/FigureFit.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

int footerHeight(const DataGrid& grid)
{
    return grid.footerRows() * (grid.fontMetrics().height() + 6);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Rows whose label (the frozen issue column) is drawn at another height than
// their cells, as "row: label top / cells top".
QStringList misalignedRows(const DataGrid& grid)
{
    QStringList wrong;
    const QAbstractItemModel* model = grid.model();
    const int bottom = grid.viewport()->height() - footerHeight(grid);
    for (int row = std::max(0, grid.rowAt(0)); row < model->rowCount() && grid.rowViewportPosition(row) < bottom;
         ++row) {
        const QRect label = grid.cellRect(model->index(row, 0));
        const int cellsTop = grid.viewport()->mapTo(&grid, QPoint(0, grid.rowViewportPosition(row))).y();
        if (label.isEmpty() || label.top() != cellsTop)
            wrong << QStringLiteral("%1: %2 / %3").arg(row).arg(label.top()).arg(cellsTop);
    }
    return wrong;
}

// The row is wholly on screen, clear of the footer rows laid over the bottom.
bool rowInView(const DataGrid& grid, int row)
{
    const int top = grid.rowViewportPosition(row);
    return top >= 0 && top + grid.rowHeight(row) <= grid.viewport()->height() - footerHeight(grid);
}

void wheel(QWidget* target, int delta)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// The frozen copy of the issue column: the one table view inside the grid.
QTableView* frozenColumn(const DataGrid& grid)
{
    return grid.findChild<QTableView*>();
}

// ---- A bare grid over a model whose row count changes -------------------

class Rows : public QAbstractTableModel
{
public:
    void reset(int rows)
    {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    int rowCount(const QModelIndex& = {}) const override { return m_rows; }
    int columnCount(const QModelIndex& = {}) const override { return 12; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return index.column() == 0 ? QVariant(QString::number(2025001 + index.row())) : QVariant(index.row() % 10);
    }

private:
    int m_rows = 0;
};

enum class Step
{
    Reset,   // the model resets to `value` rows
    Follow,  // the owner shows the newest (last) row
    Footers, // `value` footer rows
    Resize,  // the grid `value` pixels high
    WheelUp, // the user scrolls up over the cells
    WheelOverLabels,
    KeyHome,
    KeyEnd,
    Bar // the user drags the bar to `value`
};

struct Action
{
    Step step;
    int value = 0;
};

struct Sequence
{
    const char* name;
    std::vector<Action> actions;
};

TEST(GridScroll, LabelsStayBesideTheirRowsAndTheLastRowStaysInView)
{
    const std::vector<Sequence> sequences{
        {"one more row", {{Step::Reset, 42}, {Step::Follow}, {Step::Reset, 43}}},
        {"many more rows", {{Step::Reset, 42}, {Step::Follow}, {Step::Reset, 600}}},
        {"fewer rows", {{Step::Reset, 600}, {Step::Follow}, {Step::Reset, 42}, {Step::Reset, 42}}},
        {"footers come and go", {{Step::Reset, 600}, {Step::Follow}, {Step::Footers, 5}, {Step::Footers, 1}}},
        {"footers over rows that just fit", {{Step::Reset, 14}, {Step::Follow}, {Step::Footers, 5}, {Step::Reset, 15}}},
        {"resized", {{Step::Reset, 600}, {Step::Follow}, {Step::Resize, 150}, {Step::Resize, 500}, {Step::Resize, 300}}},
        {"scrolled away, then reset",
         {{Step::Reset, 600}, {Step::Follow}, {Step::WheelUp}, {Step::Reset, 700}, {Step::Footers, 5}}},
        {"keys", {{Step::Reset, 600}, {Step::KeyHome}, {Step::KeyEnd}, {Step::Footers, 5}, {Step::Reset, 601}}},
        {"bar and wheel over the labels",
         {{Step::Reset, 600}, {Step::Bar, 3000}, {Step::WheelOverLabels}, {Step::Follow}, {Step::Reset, 602}}},
    };
    for (const Sequence& sequence : sequences) {
        Rows model;
        DataGrid grid;
        grid.setModel(&model);
        grid.verticalHeader()->setDefaultSectionSize(18);
        grid.setFrozenCols(2);
        grid.resize(400, 300);
        grid.show();
        settle();
        bool newestExpected = false;
        for (size_t i = 0; i < sequence.actions.size(); ++i) {
            const Action& action = sequence.actions[i];
            switch (action.step) {
            case Step::Reset:
                model.reset(action.value);
                break;
            case Step::Follow:
                grid.followLastRow(true);
                newestExpected = true;
                break;
            case Step::Footers:
                grid.setFooterRows(action.value);
                break;
            case Step::Resize:
                grid.resize(400, action.value);
                break;
            case Step::WheelUp:
                wheel(grid.viewport(), 240);
                newestExpected = false;
                break;
            case Step::WheelOverLabels:
                wheel(frozenColumn(grid)->viewport(), -240);
                newestExpected = false;
                break;
            case Step::KeyHome:
                grid.setFocus();
                QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
                newestExpected = false;
                break;
            case Step::KeyEnd:
                grid.setFocus();
                QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
                newestExpected = true;
                break;
            case Step::Bar:
                grid.verticalScrollBar()->setValue(action.value);
                newestExpected = false;
                break;
            }
            settle();
            const QString where = QStringLiteral("%1, step %2").arg(sequence.name).arg(i);
            EXPECT_EQ(misalignedRows(grid).join("; ").toStdString(), "") << where.toStdString();
            if (newestExpected && model.rowCount() > 0) {
                EXPECT_TRUE(rowInView(grid, model.rowCount() - 1))
                    << where.toStdString() << " value " << grid.verticalScrollBar()->value() << " of "
                    << grid.verticalScrollBar()->maximum() << " current " << grid.currentIndex().row();
            }
        }
    }
}

// ---- The main window with a stored history ------------------------------

class MainGridScrollTest : public MainWindowTest
{
protected:
    DataGrid* grid() const { return child<DataGrid>("DBGridEh1"); }

    // The issue drawn in the frozen column at the height of the grid point `at`.
    QString labelAt(const QPoint& at) const
    {
        QTableView* labels = frozenColumn(*grid());
        const QPoint inLabels = labels->viewport()->mapFrom(grid(), at);
        return labels->indexAt(QPoint(2, inLabels.y())).data().toString();
    }

    int newestRow() const
    {
        const QAbstractItemModel* model = grid()->model();
        const int last = model->rowCount() - 1;
        return model->index(0, 0).data().toString() > model->index(last, 0).data().toString() ? 0 : last;
    }

    // Clicks the cells of a row in the middle of the view and asks to
    // delete it: the question must name the issue drawn beside the click.
    void deleteClickedRow()
    {
        const QRect cells = grid()->viewport()->geometry();
        const QPoint inGrid(cells.left() + grid()->columnViewportPosition(5) + 4, cells.top() + cells.height() / 3);
        const QString label = labelAt(inGrid);
        ASSERT_FALSE(label.isEmpty());
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->viewport()->mapFrom(grid(), inGrid));
        dialogs.clear();
        dialogs.answers = {true};
        window->findChild<QAction*>("N36")->trigger();
        const QStringList asked = dialogs.texts(FakeDialogs::Kind::OkCancel);
        ASSERT_FALSE(asked.isEmpty());
        EXPECT_TRUE(asked.first().contains(QStringLiteral("第%1期").arg(label))) << asked.first().toStdString();
    }
};

enum class Command
{
    Entry,        // a typed draw
    EarlierStart, // the first issue of the history as start, then F5
    LaterStart,   // a short range at the end, then F5
    Delete,       // 删除选中行 on a clicked row
    Descending,   // 降序排列 pressed
    Footers,      // 频率统计
    Omission,     // 显示遗漏值 pressed
    Dark,
    Light,
    Resize,  // the window `value` pixels high
    WheelUp, // the user scrolls away
    KeyHome,
};

struct CommandRun
{
    const char* name;
    std::vector<std::pair<Command, int>> commands;
};

TEST_F(MainGridScrollTest, IssueLabelsStayBesideTheirDrawsAndTheNewestDrawInView)
{
    seed(300);
    const std::vector<CommandRun> runs{
        {"entries and a wider range",
         {{Command::Entry, 0}, {Command::Entry, 0}, {Command::EarlierStart, 0}, {Command::Entry, 0}}},
        {"footers then ranges", {{Command::Footers, 0}, {Command::EarlierStart, 0}, {Command::LaterStart, 0}}},
        {"descending with footers and omissions",
         {{Command::Descending, 0}, {Command::Footers, 0}, {Command::Omission, 0}, {Command::Descending, 0}}},
        {"scheme and resize",
         {{Command::Footers, 0}, {Command::Dark, 0}, {Command::Resize, 500}, {Command::Light, 0}, {Command::Resize, 740}}},
        {"scrolled away, then deleted", {{Command::EarlierStart, 0}, {Command::WheelUp, 0}, {Command::Delete, 0}}},
        {"keys, then entry", {{Command::KeyHome, 0}, {Command::Footers, 0}, {Command::Entry, 0}, {Command::Delete, 0}}},
    };
    for (const CommandRun& run : runs) {
        show();
        window->resize(1366, 740);
        settle();
        bool newestExpected = true;
        for (size_t i = 0; i < run.commands.size(); ++i) {
            const auto [command, value] = run.commands[i];
            switch (command) {
            case Command::Entry:
                enter(child<QLineEdit>("Edit3")->text(), "123");
                newestExpected = true;
                break;
            case Command::EarlierStart:
                child<QComboBox>("ComboBox14")->setCurrentIndex(0);
                click("SpeedButton18");
                newestExpected = true;
                break;
            case Command::LaterStart: {
                QComboBox* start = child<QComboBox>("ComboBox14");
                start->setCurrentIndex(start->count() - 20);
                click("SpeedButton18");
                newestExpected = true;
                break;
            }
            case Command::Delete:
                deleteClickedRow();
                newestExpected = true;
                break;
            case Command::Descending:
                click("SpeedButton21");
                newestExpected = true;
                break;
            case Command::Footers:
                click("SpeedButton19");
                break;
            case Command::Omission:
                click("showOmissionButton");
                break;
            case Command::Dark:
                applyColourScheme(SchemeChoice::Dark);
                break;
            case Command::Light:
                applyColourScheme(SchemeChoice::Light);
                break;
            case Command::Resize:
                window->resize(1366, value);
                break;
            case Command::WheelUp:
                wheel(grid()->viewport(), 480);
                newestExpected = false;
                break;
            case Command::KeyHome:
                grid()->setFocus();
                QTest::keyClick(grid(), Qt::Key_Home, Qt::ControlModifier);
                newestExpected = false;
                break;
            }
            settle();
            const std::string where = QStringLiteral("%1, step %2").arg(run.name).arg(i).toStdString();
            EXPECT_EQ(misalignedRows(*grid()).join("; ").toStdString(), "") << where;
            if (newestExpected) {
                EXPECT_TRUE(rowInView(*grid(), newestRow())) << where;
            }
        }
        window.reset();
        applyColourScheme(SchemeChoice::Light);
        dialogs.clear();
    }
}

// Issues and figures are shown whole: the issue column fits after the first
// entries into an empty history, and four-digit footer and omission figures
// keep to their columns in a face no smaller than three quarters.
TEST_F(MainGridScrollTest, IssuesAndFiguresFitTheirColumns)
{
    show();
    enter("2025001", "000");
    enter("2025002", "000");
    settle();
    const QFontMetrics issueFace(grid()->model()->index(0, 0).data(Qt::FontRole).value<QFont>());
    EXPECT_GT(grid()->columnWidth(0), issueFace.horizontalAdvance("2025002")) << "after the first entries";

    std::vector<DrawStore::NewDraw> draws;
    for (int i = 3; i <= 1500; ++i)
        draws.push_back({QString::number(2025000 + i), "000"});
    ASSERT_EQ(store->appendDraws(draws).added, 1498);
    window.reset();
    show();
    child<QComboBox>("ComboBox14")->setCurrentIndex(0);
    click("SpeedButton18");
    click("SpeedButton19");
    click("showOmissionButton");
    settle();
    auto fits = [this](const QFont& face, const QString& figure, int column) {
        const QFont drawn = figureFont(face, figure, grid()->columnWidth(column));
        return QFontMetrics(drawn).horizontalAdvance(figure) < grid()->columnWidth(column) &&
               QFontMetrics(drawn).height() >= QFontMetrics(face).height() * 0.7;
    };
    for (int row = 0; row < grid()->footerRows(); ++row)
        for (int column = 1; column <= 30; ++column)
            EXPECT_TRUE(fits(grid()->font(), grid()->footer(row, column).text, column))
                << row << "," << column << ": " << grid()->footer(row, column).text.toStdString();
    EXPECT_EQ(grid()->footer(0, 1).text, "1500");
    EXPECT_EQ(grid()->footer(1, 2).text, "1500") << "当前遗漏 of a digit never drawn";
    // The widest omission cell: digit 1 of the first position, on the last row.
    const QModelIndex last = grid()->model()->index(grid()->model()->rowCount() - 1, 2);
    QFont omissionFace = last.data(Qt::FontRole).value<QFont>();
    omissionFace.setBold(false); // as omission figures are drawn
    EXPECT_TRUE(fits(omissionFace, "1500", 2));
}

} // namespace
