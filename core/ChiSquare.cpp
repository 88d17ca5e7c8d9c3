#include "core/ChiSquare.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <deque>
#include <utility>

namespace {

struct Group
{
    QString first, last;
    double observed = 0;
    double expected = 0;
    int cells = 0;
    bool empty() const { return cells == 0; }
};

void add(Group& group, const ChiSquareCell& cell, bool atFront)
{
    if (group.empty())
        group.first = group.last = cell.label;
    else if (atFront)
        group.first = cell.label;
    else
        group.last = cell.label;
    group.observed += cell.observed;
    group.expected += cell.expected;
    ++group.cells;
}

Group joined(const Group& left, const Group& right)
{
    if (left.empty())
        return right;
    if (right.empty())
        return left;
    return {left.first, right.last, left.observed + right.observed, left.expected + right.expected,
            left.cells + right.cells};
}

} // namespace

std::vector<ChiSquareCell> mergeFromBothEnds(const std::vector<ChiSquareCell>& cells, double least,
                                             const QString& joiner)
{
    std::deque<Group> left, right;
    Group fromLeft, fromRight;
    int i = 0, j = int(cells.size()) - 1;
    // The two ends take a cell in turn, so a symmetric table merges symmetrically.
    for (bool fromTheLeft = true; i <= j; fromTheLeft = !fromTheLeft) {
        if (fromTheLeft) {
            add(fromLeft, cells[size_t(i++)], false);
            if (fromLeft.expected >= least)
                left.push_back(std::exchange(fromLeft, {}));
        } else {
            add(fromRight, cells[size_t(j--)], true);
            if (fromRight.expected >= least)
                right.push_front(std::exchange(fromRight, {}));
        }
    }
    const Group middle = joined(fromLeft, fromRight);
    if (!middle.empty()) {
        if (middle.expected >= least || (left.empty() && right.empty()))
            left.push_back(middle);
        else if (right.empty() || (!left.empty() && left.back().expected <= right.front().expected))
            left.back() = joined(left.back(), middle);
        else
            right.front() = joined(middle, right.front());
    }
    std::vector<ChiSquareCell> merged;
    for (const std::deque<Group>* side : {&left, &right})
        for (const Group& g : *side)
            merged.push_back({g.first == g.last ? g.first : g.first + joiner + g.last, g.observed, g.expected});
    return merged;
}

ChiSquareResult chiSquareTest(const std::vector<ChiSquareCell>& cells)
{
    ChiSquareResult result;
    int used = 0;
    for (const ChiSquareCell& cell : cells) {
        if (cell.expected <= 0)
            continue;
        const double gap = cell.observed - cell.expected;
        result.statistic += gap * gap / cell.expected;
        ++used;
    }
    result.degrees = std::max(0, used - 1);
    result.pValue = result.tested() ? chiSquareUpperTail(result.statistic, result.degrees) : 1;
    return result;
}

double chiSquareUpperTail(double statistic, int degrees)
{
    if (degrees <= 0 || !(statistic > 0))
        return 1;
    const boost::math::chi_squared_distribution<double> distribution(degrees);
    return boost::math::cdf(boost::math::complement(distribution, statistic));
}
