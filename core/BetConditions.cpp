#include "core/BetConditions.h"

#include "core/LatestDraw.h"
#include "core/Myfunction.h"

bool passesCountConditions(const QString& bet, int sum, const CountConditions& c, const LatestDraw& latest)
{
    // The number tests take a start and a count: high − low.
    if (c.sum.ticked && !ValueInRange(sum, c.sum.low, c.sum.high - c.sum.low))
        return false;
    if (c.odd.ticked && !OddCountInRange(bet, c.odd.low, c.odd.high - c.odd.low))
        return false;
    if (c.big.ticked && !BigCountInRange(bet, c.big.low, c.big.high - c.big.low))
        return false;
    if (c.ac.ticked && !ACValueInRange(bet, c.ac.low, c.ac.high - c.ac.low, 3))
        return false;
    if (c.same.ticked && !SameToLastInRange(bet, latest.number(), c.same.low, c.same.high - c.same.low, latest))
        return false;
    return true;
}
