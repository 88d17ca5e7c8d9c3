#include "core/RandomnessCheck.h"

#include "core/ChiSquare.h"
#include "core/LongestRun.h"

#include <map>

namespace RandomnessText {
const QString kFits = QStringLiteral("与随机相符");
const QString kDeparts = QStringLiteral("偏离随机");
const QString kManyTests =
    QStringLiteral("共 36 项检验。即使开奖完全随机，平均每 100 项检验也会有 1 项的 p 值小于 0.01："
                   "偶尔出现一项“偏离随机”不足为奇，多项同时偏离或 p 值极小才值得留意。");

QString tooShort(int draws)
{
    return QStringLiteral("所选范围只有 %1 期，少于 %2 期，无法检验，只列出次数。").arg(draws).arg(kLeastTestedDraws);
}

QString drawsTested(int draws)
{
    return QStringLiteral("共检验 %1 期开奖；p 值是完全随机时出现这样或更极端结果的机会。").arg(draws);
}

namespace {
const QString kNone = QStringLiteral("—");
} // namespace

QString verdict(const RandomnessRow& row)
{
    return !row.tested ? kNone : row.pValue >= kDepartureLevel ? kFits : kDeparts;
}

QString statistic(const RandomnessRow& row)
{
    return row.tested && !row.isRun ? QString::number(row.statistic, 'f', 2) : kNone;
}

QString degrees(const RandomnessRow& row)
{
    return row.tested && !row.isRun ? QString::number(row.degrees) : kNone;
}

QString pValue(const RandomnessRow& row)
{
    if (!row.tested)
        return kNone;
    return row.pValue < 0.0001 ? QStringLiteral("<0.0001") : QString::number(row.pValue, 'f', 4);
}

const QStringList& columnTitles()
{
    static const QStringList titles{QStringLiteral("检验项目"), QStringLiteral("实际次数"), QStringLiteral("理论期望"),
                                    QStringLiteral("χ²"),       QStringLiteral("自由度"),   QStringLiteral("p值"),
                                    QStringLiteral("结论")};
    return titles;
}

QStringList rowTexts(const RandomnessRow& row)
{
    return {row.test, row.observed, row.expected, statistic(row), degrees(row), pValue(row), verdict(row)};
}
} // namespace RandomnessText

int waysOfSum(int sum)
{
    int ways = 0;
    for (int a = 0; a <= 9; ++a)
        for (int b = 0; b <= 9; ++b) {
            const int c = sum - a - b;
            ways += c >= 0 && c <= 9;
        }
    return ways;
}

namespace {

const QString kPositions[3] = {QStringLiteral("百位"), QStringLiteral("十位"), QStringLiteral("个位")};
constexpr double kMiss = 0.9; // a digit is absent from a position in 9 of 10 fair draws

struct Counts
{
    int draws = 0;
    int pairs = 0;
    std::array<std::array<int, 10>, 3> digits{};
    std::array<int, 28> sums{};
    std::array<int, 3> shapes{}; // 豹子, 组三, 组六
    std::array<int, 4> same{};   // positions equal to the previous draw's
    std::array<std::array<int, 10>, 3> longestAbsence{};
};

Counts countDraws(const std::vector<short>& numbers)
{
    Counts c;
    std::array<std::array<int, 10>, 3> lastSeen;
    for (auto& position : lastSeen)
        position.fill(-1);
    std::array<int, 3> previous{};
    for (const short number : numbers) {
        if (number < 0 || number > 999)
            continue;
        const std::array<int, 3> d{number / 100, number / 10 % 10, number % 10};
        const int i = c.draws++;
        for (int p = 0; p < 3; ++p) {
            ++c.digits[size_t(p)][size_t(d[size_t(p)])];
            int& seen = lastSeen[size_t(p)][size_t(d[size_t(p)])];
            int& longest = c.longestAbsence[size_t(p)][size_t(d[size_t(p)])];
            longest = std::max(longest, i - seen - 1);
            seen = i;
        }
        ++c.sums[size_t(d[0] + d[1] + d[2])];
        const int equalPairs = (d[0] == d[1]) + (d[1] == d[2]) + (d[0] == d[2]);
        ++c.shapes[equalPairs == 3 ? 0 : equalPairs == 1 ? 1 : 2];
        if (i > 0) {
            ++c.pairs;
            ++c.same[size_t((d[0] == previous[0]) + (d[1] == previous[1]) + (d[2] == previous[2]))];
        }
        previous = d;
    }
    for (int p = 0; p < 3; ++p)
        for (int digit = 0; digit < 10; ++digit) {
            int& longest = c.longestAbsence[size_t(p)][size_t(digit)];
            longest = std::max(longest, c.draws - lastSeen[size_t(p)][size_t(digit)] - 1);
        }
    return c;
}

QString figure(double value, bool whole)
{
    return whole ? QString::number(qint64(value)) : QString::number(value, 'f', 1);
}

QString cellTexts(const std::vector<ChiSquareCell>& cells, bool observed)
{
    QStringList parts;
    for (const ChiSquareCell& cell : cells)
        parts << cell.label + QLatin1Char(':') + figure(observed ? cell.observed : cell.expected, observed);
    return parts.join(QLatin1Char(' '));
}

// One χ² row; cells merged by `merge` only when the range is tested.
template <typename Merge>
RandomnessRow distributionRow(const QString& test, std::vector<ChiSquareCell> cells, bool enough, Merge merge)
{
    RandomnessRow row;
    row.test = test;
    if (enough)
        cells = merge(cells);
    row.observed = cellTexts(cells, true);
    row.expected = cellTexts(cells, false);
    if (enough) {
        const ChiSquareResult result = chiSquareTest(cells);
        row.tested = result.tested();
        row.statistic = result.statistic;
        row.degrees = result.degrees;
        row.pValue = result.pValue;
    }
    return row;
}

std::vector<ChiSquareCell> countCells(const int* counts, const double* shares, int size, double total,
                                      const QStringList& labels)
{
    std::vector<ChiSquareCell> cells;
    for (int i = 0; i < size; ++i)
        cells.push_back({labels[i], double(counts[i]), total * shares[i]});
    return cells;
}

QStringList numberLabels(int count)
{
    QStringList labels;
    for (int i = 0; i < count; ++i)
        labels << QString::number(i);
    return labels;
}

} // namespace

RandomnessReport checkRandomness(const std::vector<short>& numbers)
{
    const Counts c = countDraws(numbers);
    RandomnessReport report;
    report.draws = c.draws;
    report.digitCounts = c.digits;
    report.sumCounts = c.sums;
    const bool enough = report.enough();
    const auto unmerged = [](const std::vector<ChiSquareCell>& cells) { return cells; };
    const auto merged = [](const std::vector<ChiSquareCell>& cells) { return mergeFromBothEnds(cells); };

    const std::vector<double> tenth(10, 0.1);
    for (int p = 0; p < 3; ++p) {
        RandomnessRow row = distributionRow(
            kPositions[p] + QStringLiteral(" 0-9"),
            countCells(c.digits[size_t(p)].data(), tenth.data(), 10, c.draws, numberLabels(10)), enough, unmerged);
        // Ten equal expectations read better as one figure.
        row.expected = QStringLiteral("各 ") + figure(c.draws / 10.0, false);
        report.rows.push_back(row);
    }
    std::array<double, 28> sumShares;
    for (int sum = 0; sum < 28; ++sum)
        sumShares[size_t(sum)] = waysOfSum(sum) / 1000.0;
    report.rows.push_back(distributionRow(QStringLiteral("和值"),
                                          countCells(c.sums.data(), sumShares.data(), 28, c.draws, numberLabels(28)),
                                          enough, merged));
    const double shapeShares[3] = {0.010, 0.270, 0.720};
    report.rows.push_back(
        distributionRow(QStringLiteral("形态"),
                        countCells(c.shapes.data(), shapeShares, 3, c.draws,
                                   {QStringLiteral("豹子"), QStringLiteral("组三"), QStringLiteral("组六")}),
                        enough, [](const std::vector<ChiSquareCell>& cells) {
                            return mergeFromBothEnds(cells, kLeastExpected, QStringLiteral("+"));
                        }));
    const double sameShares[4] = {0.729, 0.243, 0.027, 0.001};
    report.rows.push_back(distributionRow(QStringLiteral("同号数（与上期同位）"),
                                          countCells(c.same.data(), sameShares, 4, c.pairs, numberLabels(4)), enough,
                                          merged));

    // Chances are shared by equal lengths: the pass over the draws is the cost.
    std::map<int, double> chanceOf;
    const QString median = QStringLiteral("中位数 %1 期").arg(medianLongestRun(c.draws, kMiss));
    for (int p = 0; p < 3; ++p)
        for (int digit = 0; digit < 10; ++digit) {
            RandomnessRow row;
            const int longest = c.longestAbsence[size_t(p)][size_t(digit)];
            row.test = QStringLiteral("%1 %2 最长遗漏").arg(kPositions[p]).arg(digit);
            row.observed = QStringLiteral("%1 期").arg(longest);
            row.expected = median;
            row.isRun = true;
            row.tested = enough;
            if (enough) {
                auto known = chanceOf.find(longest);
                if (known == chanceOf.end())
                    known = chanceOf.emplace(longest, longestRunChance(c.draws, longest, kMiss)).first;
                row.pValue = known->second;
            }
            report.rows.push_back(row);
        }
    return report;
}
