#pragma once

// The history export as an .xlsx workbook: a title row, then one row per draw
// with the issue, the three digits in separate columns and the digit sum.
// Every cell is written as text; turning it into a number is the
// spreadsheet's own business.

#include "core/DrawRecord.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

class ExportError : public std::runtime_error
{
public:
    explicit ExportError(const QString& message);
    QString text() const { return QString::fromUtf8(what()); }
};

namespace HistoryWorkbook {
// 期数, 第一位, 第二位, 第三位, 总和
const QStringList& titles();
// <private temporary folder>/历史数据_<first>_<last>.xlsx, in a folder only
// this user may enter
QString exportPath(const QString& first, const QString& last);
// The five texts of a draw's row.
QStringList rowCells(const DrawRecord& draw);
} // namespace HistoryWorkbook

// Writes the workbook at `path`, replacing a file of that name.
// Throws ExportError with the writer's reason when it cannot.
void writeHistoryWorkbook(const QString& path, const std::vector<DrawRecord>& draws);
