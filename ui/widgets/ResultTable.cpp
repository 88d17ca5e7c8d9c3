#include "ui/widgets/ResultTable.h"

#include "ui/widgets/Named.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace {

void setUpResultView(QTableView* view, int rowHeight)
{
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

} // namespace

QTableWidget* resultTable(const QStringList& titles, const char* name, int rowHeight, QWidget* parent)
{
    auto* table = named(new QTableWidget(0, int(titles.size()), parent), name);
    table->setHorizontalHeaderLabels(titles);
    setUpResultView(table, rowHeight);
    return table;
}

QTableView* resultView(QAbstractItemModel* model, const char* name, int rowHeight, QWidget* parent)
{
    auto* view = named(new QTableView(parent), name);
    view->setModel(model);
    setUpResultView(view, rowHeight);
    // Rows of one height need not be measured: a million rows open at once.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    return view;
}

ResultButtons resultButtons(const QString& runText, QDialog* window)
{
    ResultButtons buttons{named(new QPushButton(runText, window), "runButton"),
                          named(new QPushButton(QStringLiteral("导出CSV"), window), "exportButton"),
                          named(new QPushButton(QStringLiteral("关闭"), window), "closeButton")};
    QObject::connect(buttons.close, &QPushButton::clicked, window, &QDialog::accept);
    return buttons;
}

QHBoxLayout* exportAndCloseRow(const ResultButtons& buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.exportCsv);
    row->addWidget(buttons.close);
    return row;
}
