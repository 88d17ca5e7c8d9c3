#pragma once

// What the fields of a line or table row that lists a draw can be: the issue,
// a date, a time, a weekday, the number, and the names a header row gives its
// columns. Fields are views into the caller's text; nothing here allocates
// unless it returns a text.

#include <QString>
#include <QStringView>

namespace DrawFields {

// The issue a field names: five (25217) or seven (2025217) digits, with an
// optional "第" before and "期" after; empty when the field is no issue.
QString issueOf(QStringView field);
// 2025-08-16, 2025/8/16, 2025.8.16, 20250816 or 2025年8月16日, each with an
// optional weekday in brackets after it: 2025-08-16(六).
bool isDate(QStringView field);
// 21:15 or 21:15:00, as result tables print the draw's time after its date.
bool isTime(QStringView field);
// 星期六, 周六, 六 (也 星期日/星期天), optionally in brackets.
bool isWeekday(QStringView field);
bool isSingleDigit(QStringView field);
// The three-digit number a cell holds: one group of one to three digits with
// its leading zeros restored (73 -> 073, as a spreadsheet drops them), or
// three single digits separated by blanks or commas ("0 7 3", "0,7,3");
// empty when the cell holds no number.
QString numberOfCell(QStringView cell);

enum class Column
{
    Other,
    Issue,
    Number,
    Hundreds,
    Tens,
    Ones,
    Date
};
// The column a header cell names (期号, 开奖号码, 百位 or 第一位, 开奖日期, ...).
Column columnNamed(QStringView name);

} // namespace DrawFields
