#include "core/LongestRun.h"

#include <algorithm>
#include <cmath>
#include <vector>

double longestRunChance(std::int64_t trials, std::int64_t length, double miss)
{
    if (length <= 0)
        return 1;
    if (length > trials)
        return 0;
    // F(k), the chance of such a run within the first k trials, grows only
    // when the first run ends at trial k: a hit at k - length (or no trial
    // there), misses after it, and no run before it:
    //   F(k) = F(k-1) + (1 - miss) · miss^length · (1 - F(k-length-1)).
    // Summing positive terms keeps small chances exact to the last digits.
    const double runAlone = std::pow(miss, double(length));
    if (length == trials)
        return runAlone;
    const double endsHere = (1 - miss) * runAlone;
    // ring[k mod (length + 1)] holds F(k); F(k) = 0 below `length`.
    std::vector<double> ring(size_t(length) + 1, 0.0);
    double chance = runAlone; // F(length)
    ring[size_t(length)] = chance;
    size_t slot = 0; // (length + 1) mod (length + 1)
    for (std::int64_t k = length + 1; k <= trials; ++k) {
        chance += endsHere * (1 - ring[slot]);
        ring[slot] = chance;
        if (++slot == ring.size())
            slot = 0;
    }
    return std::min(chance, 1.0);
}

std::int64_t medianLongestRun(std::int64_t trials, double miss)
{
    // The chance falls as the length grows: F(0) = 1, F(trials + 1) = 0.
    std::int64_t low = 0, high = trials + 1;
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        (longestRunChance(trials, middle, miss) >= 0.5 ? low : high) = middle;
    }
    return low;
}
