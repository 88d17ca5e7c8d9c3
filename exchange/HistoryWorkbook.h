#pragma once

// The history export as an .xlsx workbook: a title row, then one row per draw
// with the issue, the three digits in separate columns and the digit sum.
// Every cell is written as text; turning it into a number is the
// spreadsheet's own business.

#include "core/DrawRecord.h"

#include <QDir>
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
// The folder exports go into under `temporaryRoot`: <root>/quorvane-<uid> when
// it is ours alone (made now or found so: a folder, not a link, owned by this
// user, closed to others), else a fresh one made by mkdtemp. Throws
// ExportError when neither can be had: anything else under that name may
// hold another user's link.
QString exportFolder(const QString& temporaryRoot = QDir::tempPath());
// <exportFolder(temporaryRoot)>/历史数据_<first>_<last>.xlsx
QString exportPath(const QString& first, const QString& last, const QString& temporaryRoot = QDir::tempPath());
// The five texts of a draw's row.
QStringList rowCells(const DrawRecord& draw);
} // namespace HistoryWorkbook

// Writes the workbook at `path`, replacing a file of that name. The file is
// made anew (O_EXCL | O_NOFOLLOW) in its folder, itself opened without
// following a link, so nothing is ever written through a link. Throws
// ExportError with the reason when it cannot; nothing half-written is left.
void writeHistoryWorkbook(const QString& path, const std::vector<DrawRecord>& draws);
