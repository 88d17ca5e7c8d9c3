#include "ui/widgets/Named.h"
#include "ui/widgets/ResultTable.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

QTableWidget* resultTable(const QStringList& titles, const char* name, int rowHeight, QWidget* parent)
{
    auto* table = named(new QTableWidget(0, int(titles.size()), parent), name);
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
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
