#pragma once

#include "core/OmissionCount.h"

#include <QString>
#include <vector>

// Omission figures of a run of draws, per position and digit, per shape
// (豹子, 组三, 组六) and per sum 0-27, from one pass over the draws, counted
// as core/OmissionCount.h counts them: carried in from the draws before the
// range, the average over the range's own draws.

constexpr int kPositionOmissionItems = 30 + 3 + 28;

struct OmissionFigures
{
    QString group; // "百位", "十位", "个位", "形态", "和值"
    QString item;  // "0".."9", "豹子", "组三", "组六", "0".."27"
    int current = 0;
    int largest = 0;
    int appearances = 0;
    double average = 0; // averageOmission
    double ratio = 0;   // current / average; 0 when the average is 0
};

// The omission of every item just before a range (see countBack), in the
// order of positionOmission's rows.
using PositionOmissionBefore = ItemsBefore<kPositionOmissionItems>;
PositionOmissionBefore positionOmissionBefore(const std::vector<short>& newestFirst);

// `numbers` are the draws in issue order as values 0-999 (position 1 is the
// hundreds digit); a negative value is a draw whose number is unreadable: it
// counts as a draw in which no item appears. `before`: each item's omission
// just before them. 30 + 3 + 28 rows, in that order.
std::vector<OmissionFigures> positionOmission(const std::vector<short>& numbers,
                                              const PositionOmissionBefore::Omission& before = {});
