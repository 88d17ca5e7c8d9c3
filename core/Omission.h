#pragma once

// The omission table of an issue range: for each draw and each digit (at any
// position), whether the digit was drawn (a hit) or for how many draws in a
// row it has been missing, counted as core/OmissionCount.h counts it: carried
// in from the draws before the range.

#include "core/IssueRows.h"
#include "core/OmissionCount.h"

#include <array>
#include <vector>

using DigitCounts = std::array<int, 10>;

struct OmissionTable
{
    std::vector<IssueNumber> draws;
    // Per draw and digit: 0 for a hit, else the omission (1 or more).
    std::vector<DigitCounts> omissions;
    DigitCounts average{};     // 平均遗漏 per digit, wholeAverageOmission over the draws holding it
    DigitCounts largest{};     // 最大遗漏 per digit
    DigitCounts occurrences{}; // positions holding the digit, over all draws
};

// The omission of every digit just before a range (see countBack).
using DigitOmissionBefore = ItemsBefore<10>;
DigitOmissionBefore digitOmissionBefore(const std::vector<short>& newestFirst);

// One pass over `draws` (issue order), `before` each digit's omission just
// before them. Throws ConversionError for a number holding a non-digit.
OmissionTable OmissionOf(std::vector<IssueNumber> draws, const DigitCounts& before = {});
