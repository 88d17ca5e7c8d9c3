#pragma once

// The one way every window counts omission, so the grid's footers, 分位遗漏
// and 遗漏分析 never disagree about the same item over the same range.
//
// An item (a digit at a position, a digit anywhere, a shape, a sum) has at
// each draw an omission: the number of draws since it last came, 0 in a draw
// where it came. It runs over the whole stored history, so a range that
// starts in the middle carries it in from the draws before it; an item never
// seen counts from the first stored draw.

#include <algorithm>
#include <array>
#include <vector>

// 平均遗漏: the draws without the item shared among the appearances + 1 gaps
// its appearances leave in the range, (draws − appearances) / (appearances + 1).
double averageOmission(int draws, int appearances);
// The same, whole, rounded half up, as the grid and 遗漏分析 show it.
int wholeAverageOmission(int draws, int appearances);

// One item over a range, draw by draw, starting from the omission carried in.
struct OmissionRun
{
    int current = 0;     // 当前遗漏: the omission at the latest draw counted
    int largest = 0;     // 最大遗漏: the largest omission at any draw of the range
    int appearances = 0; // draws of the range in which the item came

    void next(bool came)
    {
        if (came) {
            current = 0;
            ++appearances;
        } else {
            largest = std::max(largest, ++current);
        }
    }
    // `draws` draws in a row without the item, at once.
    void missed(int draws)
    {
        if (draws > 0)
            largest = std::max(largest, current += draws);
    }
};

// The omission of `N` items just before a range, from the draws before it
// newest first (values 0-999; a negative value is an unreadable number, a
// draw in which no item came). An item that never came counts all of them.
// `complete` is false while some item has not come in the draws given: more
// draws from further back could still change it.
template <size_t N> struct ItemsBefore
{
    using Omission = std::array<int, N>;
    Omission omission{};
    bool complete = false;
};

// `itemsOf(number, hit)` calls `hit(item)` for every item (0 to N − 1) a
// readable number brings.
template <size_t N, class ItemsOf> ItemsBefore<N> countBack(const std::vector<short>& newestFirst, ItemsOf itemsOf)
{
    ItemsBefore<N> result;
    std::array<bool, N> found{};
    size_t missing = N;
    result.omission.fill(int(newestFirst.size()));
    for (size_t i = 0; i < newestFirst.size() && missing > 0; ++i) {
        const short number = newestFirst[i];
        if (number < 0 || number > 999)
            continue;
        itemsOf(number, [&](int item) {
            if (found[size_t(item)])
                return;
            found[size_t(item)] = true;
            result.omission[size_t(item)] = int(i);
            --missing;
        });
    }
    result.complete = missing == 0;
    return result;
}
