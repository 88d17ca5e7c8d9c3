#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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
