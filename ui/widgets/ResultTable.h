#pragma once

// What the result windows (历史回测, 条件验证, 分位遗漏, 随机性检验) share:
// controls named as the tests find them, the read-only table of results and
// the 开始 / 导出CSV / 关闭 buttons.

#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QTableView;
class QTableWidget;
class QWidget;

// A table of `titles` the user reads but does not edit: whole rows selected,
// no row numbers, rows `rowHeight` high, columns sharing the width.
QTableWidget* resultTable(const QStringList& titles, const char* name, int rowHeight, QWidget* parent);
// The same look over a model, for tables too long to hold an item per cell.
QTableView* resultView(QAbstractItemModel* model, const char* name, int rowHeight, QWidget* parent);

// "runButton" with `runText`, "exportButton" (导出CSV) and "closeButton"
// (关闭, which accepts the window); the caller connects the first two.
struct ResultButtons
{
    QPushButton* run;
    QPushButton* exportCsv;
    QPushButton* close;
};
ResultButtons resultButtons(const QString& runText, QDialog* window);

// The bottom row: 导出CSV and 关闭 at its right end.
QHBoxLayout* exportAndCloseRow(const ResultButtons& buttons);
