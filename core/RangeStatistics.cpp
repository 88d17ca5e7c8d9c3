#include "core/RangeStatistics.h"

#include "core/NumberText.h"

#include <QHash>
#include <algorithm>

RangeStatistics rangeStatistics(const std::vector<IssueNumber>& draws)
{
    RangeStatistics s;
    std::array<int, 1000> counts{};
    std::array<int, 1000> latest{}; // position of each number's latest draw
    std::array<int, 28> sums{};
    std::array<int, 10> spans{};
    QHash<QString, std::pair<int, int>> others; // a text that is no number: count, latest position
    for (int i = 0; i < int(draws.size()); ++i) {
        const QString& n = draws[size_t(i)].number;
        const std::optional<int> number = numberValue(n);
        if (!number) {
            auto& [count, at] = others[n];
            ++count;
            at = i;
            continue;
        }
        const size_t value = size_t(*number);
        const int d[3] = {*number / 100, *number / 10 % 10, *number % 10};
        ++counts[value];
        latest[value] = i;
        ++sums[size_t(d[0] + d[1] + d[2])];
        ++spans[size_t(std::max({d[0], d[1], d[2]}) - std::min({d[0], d[1], d[2]}))];
        // A draw counts once for each digit it holds, however often.
        ++s.digitCounts[size_t(d[0])];
        if (d[1] != d[0])
            ++s.digitCounts[size_t(d[1])];
        if (d[2] != d[0] && d[2] != d[1])
            ++s.digitCounts[size_t(d[2])];
    }

    for (int value = 0; value < 1000; ++value) {
        if (counts[size_t(value)] > 1)
            s.repeats.push_back({AllNumbers()[value], counts[size_t(value)], draws[size_t(latest[size_t(value)])].qs});
        if (counts[size_t(value)] == 0)
            s.numbersNeverDrawn << AllNumbers()[value];
    }
    for (auto it = others.cbegin(); it != others.cend(); ++it)
        if (it->first > 1)
            s.repeats.push_back({it.key(), it->first, draws[size_t(it->second)].qs});
    std::stable_sort(s.repeats.begin(), s.repeats.end(), [](const NumberRepeat& a, const NumberRepeat& b) {
        return a.count != b.count ? a.count > b.count : a.number < b.number;
    });
    for (int sum = 0; sum <= kLargestSum; ++sum) {
        s.sums.push_back({sum, sums[size_t(sum)]});
        if (sums[size_t(sum)] == 0)
            s.sumsNeverDrawn.push_back(sum);
    }
    for (int span = 0; span <= 9; ++span)
        s.spans.push_back({span, spans[size_t(span)]});
    return s;
}
