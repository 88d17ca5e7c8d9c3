#pragma once

#include <QString>
#include <vector>

// Omission figures of a run of draws, per position and digit, per shape
// (豹子, 组三, 组六) and per sum 0-27, from one pass over the draws.
//
// For each item: the current omission (draws since it last appeared, up to
// the last draw; all of them when it never appeared), the largest omission
// (the longest run of draws without it, the current run included), the
// appearances, the average omission (draws without it per appearance; none
// when it never appeared) and the ratio of current to average omission.

struct OmissionFigures
{
    QString group; // "百位", "十位", "个位", "形态", "和值"
    QString item;  // "0".."9", "豹子", "组三", "组六", "0".."27"
    int current = 0;
    int largest = 0;
    int appearances = 0;
    bool hasAverage = false;
    double average = 0;
    double ratio = 0; // current / average; 0 without an average or when the average is 0
};

// `numbers` are the draws in issue order as values 0-999 (position 1 is the
// hundreds digit); a negative value is a draw whose number is unreadable: it
// counts as a draw in which no item appears. 30 + 3 + 28 rows, in that order.
std::vector<OmissionFigures> positionOmission(const std::vector<short>& numbers);
