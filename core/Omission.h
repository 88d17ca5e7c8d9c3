#pragma once

// The omission table of an issue range: for each draw and each digit, whether
// the digit was drawn (a hit) or for how many draws in a row it has been
// missing, counted from the first draw of the range.

#include "core/IssueRows.h"

#include <array>
#include <vector>

using DigitCounts = std::array<int, 10>;

struct OmissionTable
{
    std::vector<IssueNumber> draws;
    // Per draw and digit: 0 for a hit, else the omission (1 or more).
    std::vector<DigitCounts> omissions;
    DigitCounts largest{};     // largest omission per digit
    DigitCounts occurrences{}; // positions holding the digit, over all draws
};

// One pass over `draws` (issue order). Throws ConversionError for a number
// holding a non-digit.
OmissionTable OmissionOf(std::vector<IssueNumber> draws);
