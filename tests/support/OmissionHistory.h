#pragma once

// Twelve draws counted by hand, and what every omission window must show for
// the range of the last six: a range starting mid-history, so the omission
// carries in from the six before it.
//
//   draw      0   1   2   3   4   5 | 6   7   8   9   10  11
//   number    123 456 123 789 111 222 133 456 156 178 900 102
//
// 平均遗漏 is (6 − appearances in the range) / (appearances + 1).

namespace omission_history {

inline const char* const kNumbers[] = {"123", "456", "123", "789", "111", "222",
                                       "133", "456", "156", "178", "900", "102"};
constexpr int kDraws = 12;
constexpr int kRangeStart = 6; // the range is draws 6 to 11

// A digit at a position: column = position × 10 + digit (position 0 the hundreds).
struct PositionCase
{
    int column;
    int current;
    const char* average;      // two decimals, as 分位遗漏 shows it
    const char* wholeAverage; // half up, as the grid shows it
    int largest;
};

inline constexpr PositionCase kPositionCases[] = {
    {0, 12, "6.00", "6", 12}, // 百位0: never came, counts from the first draw
    {1, 0, "0.40", "0", 1},   // 百位1: four times in the range, 2 / 5
    {4, 4, "2.50", "3", 5},   // 百位4: draw 1, then draw 7; 2.5 rounds up
    {7, 8, "6.00", "6", 8},   // 百位7: last in draw 3, eight draws since
    {10, 0, "1.33", "1", 10}, // 十位0: missing until draw 10, ten draws in a row
    {26, 3, "1.33", "1", 5},  // 个位6: draws 1, 7 and 8
};

// 遗漏分析 counts a digit wherever it stands: its first and last rows of the
// range, its 平均遗漏 (whole) and its 最大遗漏, digits 0 to 9.
inline const char* const kDigitFirstRow[] = {"7", "中", "1", "中", "5", "5", "5", "3", "3", "3"};
inline const char* const kDigitLastRow[] = {"中", "中", "中", "5", "4", "3", "3", "2", "2", "1"};
inline const char* const kDigitAverage[] = {"1", "0", "3", "3", "3", "1", "1", "3", "3", "3"};
inline const char* const kDigitLargest[] = {"10", "1", "5", "5", "5", "5", "5", "5", "5", "6"};

} // namespace omission_history
