#pragma once

// The statistics of 数据统计 asked the way they first were, one statement per
// candidate number, sum or digit: the reference the store's one-statement
// reads are compared with (tests/store) and timed against (bench/).

#include "tests/reference/ReferenceStatistics.h"
#include "store/Database.h"

#include <QStringList>
#include <array>
#include <vector>

std::vector<int> sumsNeverDrawnPerCandidate(const Database& db, const QString& table, const QString& first,
                                            const QString& last);
QStringList numbersNeverDrawnPerCandidate(const Database& db, const QString& table, const QString& first,
                                          const QString& last);
std::array<int, 10> digitDrawCountsPerCandidate(const Database& db, const QString& table, const QString& first,
                                                const QString& last);
std::vector<RepeatedDraw> repeatedNumbersPerCandidate(const Database& db, const QString& table, const QString& first,
                                                      const QString& last);
