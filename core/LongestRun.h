#pragma once

// How long the longest run of misses in independent trials tends to be: a
// digit is missed at a position with chance 0.9 per fair draw.

#include <cstdint>

// The chance that `trials` trials, each a miss with chance `miss`, hold a run
// of at least `length` misses in a row somewhere. Exact, in one pass over the
// trials and memory for `length` values.
double longestRunChance(std::int64_t trials, std::int64_t length, double miss);

// The median longest run: the largest length whose chance above is at least
// one half.
std::int64_t medianLongestRun(std::int64_t trials, double miss);
