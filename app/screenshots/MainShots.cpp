// The main window: the grid in its states and both chart tabs.
#include "app/screenshots/Shots.h"
#include "exchange/OptionsFile.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "ui/main/About.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/HistoryCheckWindow.h"
#include "ui/main/Itemset.h"
#include "ui/main/Main.h"
#include "ui/widgets/DataGrid.h"
#include "ui/widgets/TrendChartView.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

namespace {

template <typename T> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

void click(QWidget* window, const char* name)
{
    child<QAbstractButton>(window, name)->click();
}

// Whatever of the grid is under `inGrid`: the frozen issue column and the
// main view each have their own header and cells.
std::pair<QWidget*, QPoint> gridPartAt(DataGrid* grid, QPoint inGrid)
{
    QWidget* part = grid->childAt(inGrid);
    if (part == nullptr)
        part = grid;
    return {part, part->mapFrom(grid, inGrid)};
}

// A click on the title of `column`, as the user makes it.
void clickTitle(DataGrid* grid, int column)
{
    QHeaderView* header = grid->horizontalHeader();
    const QPoint inHeader(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                          header->height() / 2);
    const auto [part, at] = gridPartAt(grid, header->viewport()->mapTo(grid, inHeader));
    QTest::mouseClick(part, Qt::LeftButton, Qt::NoModifier, at);
}

// The button let go over a cell: what draws a line in line mode.
void releaseOnCell(DataGrid* grid, const QModelIndex& cell)
{
    const auto [part, at] = gridPartAt(grid, grid->cellRect(cell).center());
    QTest::mouseRelease(part, Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

void mainWindowShots(const ShotContext& context)
{
    TFrmMain window(context.store, context.dialogs, context.appDir);
    window.show();
    {
        TFrm_itemset options(Options::optionsPath(context.appDir), context.dialogs);
        options.show();
        saveShot(context, &options, QStringLiteral("options"));
    }
    {
        TFrm_about about(QStringLiteral("/home/user/.local/share/quorvane"));
        about.show();
        saveShot(context, &about, QStringLiteral("about"));
    }
    if (const QString manual = findManual(QCoreApplication::applicationDirPath()); !manual.isEmpty()) {
        HelpWindow help(manual);
        help.show();
        saveShot(context, &help, QStringLiteral("help"));
        // The section on the p-value, chosen from the contents.
        child<QListWidget>(&help, "helpContents")->setCurrentRow(4);
        saveShot(context, &help, QStringLiteral("help-section"));
    }
    auto* grid = child<DataGrid>(&window, "DBGridEh1");
    saveShot(context, &window, QStringLiteral("main-grid"));

    click(&window, "SpeedButton19");
    saveShot(context, &window, QStringLiteral("main-grid-footers"));
    click(&window, "showOmissionButton");
    saveShot(context, &window, QStringLiteral("main-grid-omission"));
    click(&window, "showOmissionButton");

    clickTitle(grid, 24); // "3" under "第三位"
    saveShot(context, &window, QStringLiteral("main-grid-highlight-position"));
    clickTitle(grid, 0); // "期数"
    saveShot(context, &window, QStringLiteral("main-grid-highlight-issue"));

    click(&window, "SpeedButton22");
    saveShot(context, &window, QStringLiteral("main-grid-no-lines"));
    click(&window, "SpeedButton22");

    clickTitle(grid, 1);
    click(&window, "SpeedButton30");
    // A polyline through the first position's digits of the last rows, which the grid shows.
    const int rows = grid->model()->rowCount();
    for (int row = std::max(0, rows - 12); row < rows; ++row) {
        const QString number = grid->model()->index(row, 38).data().toString();
        const QModelIndex cell = grid->model()->index(row, 1 + number.left(1).toInt());
        if (grid->viewport()->rect().contains(grid->viewport()->mapFrom(grid, grid->cellRect(cell).center())))
            releaseOnCell(grid, cell);
    }
    saveShot(context, &window, QStringLiteral("main-grid-polyline"));
    click(&window, "SpeedButton30");

    auto* tabs = child<QTabWidget>(&window, "PageControl3");
    tabs->setCurrentIndex(1);
    saveShot(context, &window, QStringLiteral("main-position-line"));
    click(&window, "CheckBox8");
    saveShot(context, &window, QStringLiteral("main-position-bars"));
    click(&window, "CheckBox7");
    child<QScrollBar>(&window, "ScrollBar5")->setValue(30);
    saveShot(context, &window, QStringLiteral("main-position-bars-3d"));
    click(&window, "CheckBox8");
    auto* chart5 = child<TrendChartView>(&window, "Chart5");
    QTest::mousePress(chart5->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, chart5->height() / 2));
    saveShot(context, &window, QStringLiteral("main-position-line-3d-guide"));

    tabs->setCurrentIndex(2);
    saveShot(context, &window, QStringLiteral("main-sum-line"));
    click(&window, "CheckBox12");
    click(&window, "CheckBox11");
    saveShot(context, &window, QStringLiteral("main-sum-bars-3d"));

    // The sample history is complete; a gap and a stale row give the check
    // something to list.
    context.store.deleteIssue(QStringLiteral("2025030"));
    const QString n40 = context.store.numberOfIssue(QStringLiteral("2025040"));
    const QString n41 = context.store.numberOfIssue(QStringLiteral("2025041"));
    context.store.deleteIssue(QStringLiteral("2025040"));
    context.store.deleteIssue(QStringLiteral("2025041"));
    enterDraw(context.store, QStringLiteral("2025041"), n41); // before its predecessor
    enterDraw(context.store, QStringLiteral("2025040"), n40);
    context.dialogs.onExec = [&context](QDialog* dialog) {
        saveShot(context, dialog, QStringLiteral("history-check"));
        return 0;
    };
    child<QAction>(&window, "checkHistoryAction")->trigger();
    context.dialogs.onExec = [&context](QDialog* dialog) {
        saveShot(context, dialog, QStringLiteral("position-omission"));
        return 0;
    };
    child<QAction>(&window, "positionOmissionAction")->trigger();
    context.dialogs.onExec = nullptr;
}
