#pragma once

// The range conditions that bet generation and random selection share:
// sum, odd digits, big digits, AC value, same-number count.

#include "core/Bet.h"

struct CountConditions
{
    RangeCondition sum, odd, big, ac, same;
};
