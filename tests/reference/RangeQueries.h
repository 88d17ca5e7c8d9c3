#pragma once

// Single statistics of an issue range, each read with one statement of its
// own: the way the store first answered them, kept as the reference that
// core/RangeStatistics (every statistic of a range in one pass) is checked
// against and timed beside.

#include "core/IssueRows.h"
#include "store/Database.h"

#include <QStringList>
#include <array>
#include <vector>

// The distinct numbers and sums drawn in the range.
QStringList drawnNumbers(const Database& db, const QString& table, const QString& first, const QString& last);
std::vector<int> drawnSums(const Database& db, const QString& table, const QString& first, const QString& last);
// Draws per sum / per span, ascending, only values that occur.
std::vector<ValueCount> sumFrequency(const Database& db, const QString& table, const QString& first,
                                     const QString& last);
std::vector<ValueCount> spanFrequency(const Database& db, const QString& table, const QString& first,
                                      const QString& last);
// Per digit 0..9, the draws holding it in any position.
std::array<int, 10> digitDrawCounts(const Database& db, const QString& table, const QString& first,
                                    const QString& last);
