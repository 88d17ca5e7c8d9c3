#pragma once

// The values a condition can take over the numbers 000-999, so its lists
// offer nothing a three-digit number cannot have.

struct ValueSpan
{
    int low = 0;
    int high = 0;
    bool operator==(const ValueSpan&) const = default;
};

namespace ConditionValues {
ValueSpan counts(); // how many digits are odd, big, prime, of a route, equal to the last draw: 0-3
ValueSpan sums();   // 0-27
ValueSpan acs();    // as ACValueOf gives them
ValueSpan spans();  // as SpanOf gives them
} // namespace ConditionValues
