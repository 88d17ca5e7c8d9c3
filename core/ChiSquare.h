#pragma once

// Pearson's χ² goodness-of-fit test over counted categories, with the
// merging that keeps every expected count large enough for the χ²
// approximation to hold.

#include <QString>
#include <vector>

struct ChiSquareCell
{
    QString label; // "7", "0-5" after merging
    double observed = 0;
    double expected = 0;
};

struct ChiSquareResult
{
    double statistic = 0;
    int degrees = 0;   // cells - 1; 0 when nothing can be tested
    double pValue = 1; // chance of a statistic at least this large when the counts are fair
    bool tested() const { return degrees > 0; }
};

// The least expected count a cell may keep.
constexpr double kLeastExpected = 5;

// Neighbouring cells merged from both ends inward until every cell expects
// at least `least`; what is left in the middle joins its smaller neighbour.
// A merged label is "first-last" joined by `joiner`.
std::vector<ChiSquareCell> mergeFromBothEnds(const std::vector<ChiSquareCell>& cells, double least = kLeastExpected,
                                             const QString& joiner = QStringLiteral("-"));

// The statistic over cells with a positive expected count.
ChiSquareResult chiSquareTest(const std::vector<ChiSquareCell>& cells);

// The upper tail of the χ² distribution with `degrees` degrees of freedom.
double chiSquareUpperTail(double statistic, int degrees);
