#include "ui/select/SchemeRecordColumn.h"

#include "core/BacktestChance.h"
#include "exchange/SchemeRecord.h"

#include <QDialog>
#include <QHeaderView>
#include <algorithm>
#include <exception>
#include <QTableWidget>

namespace {
constexpr int kNameColumn = 0;
constexpr int kRecordColumn = 1;
const QString kTitle = QStringLiteral("保存后记录");
} // namespace

void showSchemeRecords(QDialog& list, DrawStore& store, const QString& userFolder)
{
    auto* table = list.findChild<QTableWidget*>(QStringLiteral("schemeTable"));
    if (!table)
        return;
    table->setColumnCount(kRecordColumn + 1);
    table->setHorizontalHeaderItem(kRecordColumn, new QTableWidgetItem(kTitle));
    table->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(kRecordColumn, QHeaderView::Stretch);
    table->setToolTip(QStringLiteral("保存后记录：方案保存之后的开奖上的成绩。这些开奖不可能被用来挑选条件，"
                                     "是对方案诚实的检验。\n") +
                      ChanceText::kPValueTip);
    const auto fill = [table, &store, userFolder](int first, int last) {
        for (int row = first; row <= last; ++row) {
            const QTableWidgetItem* name = table->item(row, kNameColumn);
            QString line;
            // Called from the list's own signals: a history that cannot be read is said in the cell.
            try {
                line = name ? recordLine(store, userFolder, name->text()) : QString();
            } catch (const std::exception& error) {
                line = QStringLiteral("无法读取开奖数据：") + QString::fromStdString(error.what());
            }
            auto* record = new QTableWidgetItem(line);
            record->setFlags(record->flags() & ~Qt::ItemIsEditable);
            record->setToolTip(record->text());
            table->setItem(row, kRecordColumn, record);
        }
    };
    // The list writes a name into its row whenever it is filled again (a rename, a deletion).
    QObject::connect(table->model(), &QAbstractItemModel::dataChanged, table,
                     [fill](const QModelIndex& from, const QModelIndex& to) {
                         if (from.column() <= kNameColumn && to.column() >= kNameColumn)
                             fill(from.row(), to.row());
                     });
    fill(0, table->rowCount() - 1);
    list.resize(std::max(list.width(), 760), list.height());
}
