#pragma once

// The history analysis: how each draw relates to the draw before it, and the
// digit-class counts and sums of its own digits. Numbers are three digit
// characters; a non-digit throws ConversionError.

#include "core/IssueRows.h"

#include <QString>
#include <array>
#include <vector>

// Positions of `current` whose digit x finds x - 1 among the digits of `previous`.
int RiseByOneCount(const QString& current, const QString& previous);
// Positions of `current` whose digit x finds x + 1 among the digits of `previous`.
int FallByOneCount(const QString& current, const QString& previous);
// Positions of `current` whose digit is at least 2 away from some digit of `previous`.
int FarDigitCount(const QString& current, const QString& previous);

QString OddEvenBits(const QString& number); // "1" per odd digit, "0" per even: "123" -> "101"
int OddDigitCount(const QString& number);
int EvenDigitCount(const QString& number);
int BigDigitCount(const QString& number);   // digits 5..9
int SmallDigitCount(const QString& number); // digits 0..4
int BigOddCount(const QString& number);     // 5, 7, 9
int SmallOddCount(const QString& number);   // 1, 3
int BigEvenCount(const QString& number);    // 6, 8
int SmallEvenCount(const QString& number);  // 0, 2, 4
int BigDigitSum(const QString& number);
int SmallDigitSum(const QString& number);
int OddDigitSum(const QString& number);
int EvenDigitSum(const QString& number);
int DigitSum(const QString& number);
// The mean column: the sum divided by 3, rounded to the nearest integer.
int RoundedMean(int sum);

// Columns of the analysis table after the issue (0) and the number (1).
constexpr int kFirstComputedColumn = 2;
constexpr int kAnalysisColumnCount = 23;

// The computed columns 2..22 of one draw row, kept small: a million rows fit.
struct AnalysisRow
{
    std::array<quint8, kAnalysisColumnCount - kFirstComputedColumn> values{};
};

// One row per draw in issue order; the first draw's relation columns (2..6)
// are 0, as no draw before the range is looked at.
std::vector<AnalysisRow> AnalyseHistory(const std::vector<IssueNumber>& draws);

// Text of computed column `column` (2..22) of a row, in decimal; column 9
// is the odd/even pattern.
QString AnalysisColumnText(const AnalysisRow& row, int column);
