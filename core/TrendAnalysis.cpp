#include "core/TrendAnalysis.h"

#include <algorithm>

namespace {

const QString kTitles[3] = {QStringLiteral("第一位走势图  （其中"), QStringLiteral("第二位走势图  （其中"),
                            QStringLiteral("第三位走势图  （其中")};

// Values of every position, mapped by `classOf`; a number shorter than three
// characters leaves its missing positions out.
template <typename ClassOf> PositionTrends classify(const std::vector<IssueNumber>& draws, ClassOf classOf)
{
    PositionTrends trends;
    for (auto& values : trends.values)
        values.reserve(draws.size());
    for (const IssueNumber& draw : draws)
        for (int p = 0; p < 3 && p < draw.number.size(); ++p)
            trends.values[p].push_back(classOf(draw.number[p]));
    return trends;
}

int countOf(const std::vector<int>& values, int value)
{
    return int(std::count(values.begin(), values.end(), value));
}

} // namespace

int PrimeClassOf(QChar digit)
{
    return QStringView(u"12357").contains(digit) ? 1 : 0;
}

int RouteOf(QChar digit)
{
    if (QStringView(u"0369").contains(digit))
        return 0;
    return QStringView(u"147").contains(digit) ? 1 : 2;
}

PositionTrends PrimeTrend(const std::vector<IssueNumber>& draws)
{
    PositionTrends trends = classify(draws, PrimeClassOf);
    const int n = int(draws.size());
    for (int p = 0; p < 3; ++p) {
        const int primes = countOf(trends.values[p], 1);
        trends.titles[p] = kTitles[p] + QStringLiteral("质数%1个,和数%2个）").arg(primes).arg(n - primes);
    }
    return trends;
}

PositionTrends RouteTrend(const std::vector<IssueNumber>& draws)
{
    PositionTrends trends = classify(draws, RouteOf);
    const int n = int(draws.size());
    for (int p = 0; p < 3; ++p) {
        const int route0 = countOf(trends.values[p], 0);
        const int route1 = countOf(trends.values[p], 1);
        trends.titles[p] =
            kTitles[p] + QStringLiteral("0路%1个,1路%2个,2路%3个）").arg(route0).arg(route1).arg(n - route0 - route1);
    }
    return trends;
}
