#pragma once

// The six statistics of "数据统计" over one range, from one pass over its
// numbers: each statistic on its own would read the range again.

#include "core/IssueRows.h"
#include "core/Statistics.h"

#include <QStringList>
#include <array>
#include <vector>

struct RangeStatistics
{
    std::vector<NumberRepeat> repeats; // 出现过两次以上的开奖号码: most frequent first, then by number
    std::vector<int> sumsNeverDrawn;   // 未出现过的和值
    std::vector<ValueCount> sums;      // 和值频率: every sum 0-27
    std::array<int, 10> digitCounts{}; // 单个数出现期数: draws holding each digit
    QStringList numbersNeverDrawn;     // 历期未出现的号码
    std::vector<ValueCount> spans;     // 跨度频率: every span 0-9
};

// `draws` in issue order. A stored number that is not three digits counts
// as a draw in its repeats and nowhere else.
RangeStatistics rangeStatistics(const std::vector<IssueNumber>& draws);
