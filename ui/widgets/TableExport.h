#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Dialogs;
class QTableWidget;
class QWidget;

// What the table shows, row by row in its current order.
QList<QStringList> tableTexts(const QTableWidget& table);

// Asks where to save a CSV file; ".csv" is added when the name lacks it.
// Empty when the user cancels.
QString askCsvPath(Dialogs& dialogs, QWidget* parent);

// The message after an export.
QString exportedText(const QString& path);

// "导出CSV" of a window: `nothingYet` when there is nothing to export,
// otherwise asks where, writes the file through `write` (guarded: a failure
// is shown) and says where it went.
void exportCsv(Dialogs& dialogs, QWidget* parent, bool empty, const QString& nothingYet,
               const std::function<void(const QString& path)>& write);
