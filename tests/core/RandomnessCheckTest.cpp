#include "core/RandomnessCheck.h"

#include "core/ChiSquare.h"
#include "core/ExpectedReturn.h"
#include "core/LongestRun.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(ChiSquare, UpperTailMatchesTheTables)
{
    struct Case
    {
        double statistic;
        int degrees;
        double p;
    };
    const Case cases[] = {{16.92, 9, 0.05}, {21.67, 9, 0.01}, {5.991, 2, 0.05},
                          {9.210, 2, 0.01}, {3.841, 1, 0.05}, {6.635, 1, 0.01}};
    for (const Case& c : cases)
        EXPECT_NEAR(chiSquareUpperTail(c.statistic, c.degrees), c.p, 2e-4) << c.statistic << " " << c.degrees;
    EXPECT_EQ(chiSquareUpperTail(0, 9), 1);
    EXPECT_EQ(chiSquareUpperTail(5, 0), 1);
    EXPECT_LT(chiSquareUpperTail(500, 9), 1e-90);
}

TEST(ChiSquare, StatisticSkipsCellsExpectingNothing)
{
    const ChiSquareResult result = chiSquareTest({{"a", 8, 10}, {"b", 12, 10}, {"c", 0, 0}});
    EXPECT_DOUBLE_EQ(result.statistic, 0.8);
    EXPECT_EQ(result.degrees, 1);
    EXPECT_NEAR(result.pValue, 0.3711, 1e-4);
    EXPECT_FALSE(chiSquareTest({{"a", 5, 5}}).tested());
}

std::vector<ChiSquareCell> cells(const std::vector<double>& expected, const QStringList& labels)
{
    std::vector<ChiSquareCell> list;
    for (size_t i = 0; i < expected.size(); ++i)
        list.push_back({labels[qsizetype(i)], double(i + 1), expected[i]});
    return list;
}

QString shape(const std::vector<ChiSquareCell>& merged)
{
    QStringList parts;
    for (const ChiSquareCell& c : merged)
        parts << QStringLiteral("%1=%2/%3").arg(c.label).arg(c.observed).arg(c.expected);
    return parts.join(' ');
}

TEST(ChiSquare, MergingFromBothEnds)
{
    struct Case
    {
        std::vector<double> expected;
        QStringList labels;
        QString merged;
    };
    const Case cases[] = {
        // 59 pairs of draws: 3 joins 2, and 2-3 still expects too little.
        {{43.0, 14.3, 1.6, 0.1}, {"0", "1", "2", "3"}, "0=1/43 1-3=9/16"},
        {{729, 243, 27, 1}, {"0", "1", "2", "3"}, "0=1/729 1=2/243 2-3=7/28"},
        {{0.6, 16.2, 43.2}, {"豹子", "组三", "组六"}, "豹子-组三=3/16.8 组六=3/43.2"},
        // What is left in the middle joins the smaller neighbour.
        {{6, 1, 1, 9}, {"a", "b", "c", "d"}, "a-c=6/8 d=4/9"},
        {{1, 1, 1}, {"a", "b", "c"}, "a-c=6/3"},
        {{}, {}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shape(mergeFromBothEnds(cells(c.expected, c.labels))), c.merged) << c.merged.toStdString();

    // The sums of 100 draws merge alike from both ends.
    std::vector<double> sums;
    QStringList labels;
    for (int s = 0; s < 28; ++s) {
        sums.push_back(waysOfSum(s) / 10.0);
        labels << QString::number(s);
    }
    QStringList merged;
    for (const ChiSquareCell& c : mergeFromBothEnds(cells(sums, labels))) {
        merged << c.label;
        EXPECT_GE(c.expected, kLeastExpected);
    }
    EXPECT_EQ(merged.join(' '), "0-5 6-7 8-9 10 11 12 13 14 15 16 17 18-19 20-21 22-27");
}

// The chance of a run of at least `length` misses, by adding up every
// sequence of hits and misses.
double enumeratedRunChance(int trials, int length, double miss)
{
    double chance = 0;
    for (unsigned pattern = 0; pattern < (1u << trials); ++pattern) {
        int run = 0, longest = 0, misses = 0;
        for (int t = 0; t < trials; ++t) {
            const bool missed = pattern >> t & 1;
            misses += missed;
            run = missed ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        if (longest >= length)
            chance += std::pow(miss, misses) * std::pow(1 - miss, trials - misses);
    }
    return chance;
}

TEST(LongestRun, ChanceMatchesEveryOutcomeAddedUp)
{
    for (const double miss : {0.9, 0.5})
        for (int trials = 0; trials <= 14; ++trials) {
            std::int64_t median = 0;
            for (int length = 0; length <= trials + 1; ++length) {
                const double expected = enumeratedRunChance(trials, length, miss);
                EXPECT_NEAR(longestRunChance(trials, length, miss), expected, 1e-12 * std::max(expected, 1e-300))
                    << trials << " trials, run " << length;
                if (expected >= 0.5)
                    median = length;
            }
            EXPECT_EQ(medianLongestRun(trials, miss), median) << trials;
        }
}

TEST(LongestRun, LongHistoriesKeepSmallChances)
{
    // A digit never drawn at its position in 900 draws: only that one run.
    EXPECT_NEAR(longestRunChance(900, 900, 0.9) / std::pow(0.9, 900), 1, 1e-12);
    // Almost sure for short runs, close to zero for long ones, in between at the median.
    const std::int64_t median = medianLongestRun(1'000'000, 0.9);
    EXPECT_GT(median, 100);
    EXPECT_LT(median, 120);
    EXPECT_GE(longestRunChance(1'000'000, median, 0.9), 0.5);
    EXPECT_LT(longestRunChance(1'000'000, median + 1, 0.9), 0.5);
    EXPECT_NEAR(longestRunChance(1'000'000, 20, 0.9), 1, 1e-12);
    EXPECT_LT(longestRunChance(1'000'000, 400, 0.9), 1e-12);
}

std::vector<short> repeated(const std::vector<short>& block, int times)
{
    std::vector<short> numbers;
    for (int t = 0; t < times; ++t)
        numbers.insert(numbers.end(), block.begin(), block.end());
    return numbers;
}

TEST(RandomnessCheck, HandMadeHistory)
{
    // 000, 111, ... 999 three times: every digit equally often at every
    // position, but only 豹子 and never a digit repeated from the last draw.
    const RandomnessReport report = checkRandomness(repeated({0, 111, 222, 333, 444, 555, 666, 777, 888, 999}, 3));
    ASSERT_EQ(report.rows.size(), 36u);
    EXPECT_EQ(report.draws, 30);
    EXPECT_EQ(report.sumCounts[27], 3);
    EXPECT_EQ(report.sumCounts[26], 0);
    EXPECT_EQ(RandomnessText::rowTexts(report.rows[0]),
              QStringList({"百位 0-9", "0:3 1:3 2:3 3:3 4:3 5:3 6:3 7:3 8:3 9:3", "各 3.0", "0.00", "9", "1.0000",
                           RandomnessText::kFits}));
    // Shapes: 豹子 merges into 组三 (0.3 + 8.1 expected), χ² = 21.6²/8.4 + 21.6.
    const RandomnessRow& shapes = report.rows[4];
    EXPECT_EQ(shapes.observed, "豹子+组三:30 组六:0");
    EXPECT_EQ(shapes.expected, "豹子+组三:8.4 组六:21.6");
    EXPECT_NEAR(shapes.statistic, 21.6 * 21.6 / 8.4 + 21.6, 1e-9);
    EXPECT_EQ(shapes.degrees, 1);
    EXPECT_EQ(RandomnessText::verdict(shapes), RandomnessText::kDeparts);
    // 29 pairs, none sharing a position: 2 and 3 join 1.
    const RandomnessRow& same = report.rows[5];
    EXPECT_EQ(same.observed, "0:29 1-3:0");
    EXPECT_NEAR(same.statistic, std::pow(29 - 21.141, 2) / 21.141 + 7.859, 1e-9);
    EXPECT_EQ(RandomnessText::verdict(same), RandomnessText::kDeparts);
    // Every digit is missing 9 draws at the most, at each position.
    const RandomnessRow& run = report.rows[6 + 10 + 7];
    EXPECT_EQ(run.test, "十位 7 最长遗漏");
    EXPECT_EQ(run.observed, "9 期");
    EXPECT_TRUE(run.isRun);
    EXPECT_DOUBLE_EQ(run.pValue, longestRunChance(30, 9, 0.9));
    EXPECT_EQ(RandomnessText::rowTexts(run)[3], "—");
}

TEST(RandomnessCheck, DigitNeverDrawnAtAPositionDeparts)
{
    // Every number but 7xx once, spread out (337 is prime to 1000).
    std::vector<short> numbers;
    for (int i = 0; i < 1000; ++i)
        if (i * 337 % 1000 / 100 != 7)
            numbers.push_back(short(i * 337 % 1000));
    const RandomnessReport report = checkRandomness(numbers);
    const RandomnessRow& hundreds = report.rows[0];
    EXPECT_NEAR(hundreds.statistic, 9 * 100.0 / 90 + 90, 1e-9);
    EXPECT_EQ(RandomnessText::pValue(hundreds), "<0.0001");
    EXPECT_EQ(RandomnessText::verdict(hundreds), RandomnessText::kDeparts);
    const RandomnessRow& seven = report.rows[6 + 7];
    EXPECT_EQ(seven.observed, "900 期");
    EXPECT_EQ(RandomnessText::verdict(seven), RandomnessText::kDeparts);
    EXPECT_EQ(RandomnessText::verdict(report.rows[1]), RandomnessText::kFits); // 十位 stays even
    EXPECT_EQ(RandomnessText::verdict(report.rows[6 + 6]), RandomnessText::kFits);
}

TEST(RandomnessCheck, UnreadableDrawsAreLeftOutAndShortRangesOnlyCounted)
{
    std::vector<short> numbers = repeated({123, 456, 789}, 10);
    std::vector<short> withGaps = numbers;
    withGaps.insert(withGaps.begin() + 4, -1);
    withGaps.push_back(-1);
    const RandomnessReport clean = checkRandomness(numbers);
    const RandomnessReport gaps = checkRandomness(withGaps);
    EXPECT_EQ(gaps.draws, 30);
    for (size_t r = 0; r < clean.rows.size(); ++r)
        EXPECT_EQ(RandomnessText::rowTexts(gaps.rows[r]), RandomnessText::rowTexts(clean.rows[r]));
    EXPECT_TRUE(clean.enough());

    numbers.pop_back();
    const RandomnessReport short29 = checkRandomness(numbers);
    EXPECT_FALSE(short29.enough());
    for (const RandomnessRow& row : short29.rows) {
        EXPECT_FALSE(row.tested) << row.test.toStdString();
        EXPECT_EQ(RandomnessText::verdict(row), "—");
    }
    // Counts only: the sums unmerged.
    EXPECT_TRUE(short29.rows[3].observed.startsWith("0:0 1:0 2:0 3:0 4:0 5:0 6:10 "));
    EXPECT_EQ(checkRandomness({}).rows.size(), 36u);
}

TEST(RandomnessCheck, WaysOfEachSum)
{
    const int ways[] = {1,  3,  6,  10, 15, 21, 28, 36, 45, 55, 63, 69, 73, 75,
                        75, 73, 69, 63, 55, 45, 36, 28, 21, 15, 10, 6,  3,  1};
    for (int s = 0; s < 28; ++s)
        EXPECT_EQ(waysOfSum(s), ways[s]) << s;
}

TEST(ExpectedReturn, ThreeKinds)
{
    struct Case
    {
        BetKind kind;
        qint64 bets, different, cost;
        double hit, prize, rate;
    };
    const Case cases[] = {
        {BetKind::Direct, 10, 10, 20, 0.010, 10.40, 0.520},
        {BetKind::Group3, 10, 10, 20, 0.030, 10.38, 0.519},
        {BetKind::Group6, 10, 10, 20, 0.060, 10.38, 0.519},
        {BetKind::Direct, 3, 2, 6, 0.002, 3.12, 0.520}, // a repeat pays again but wins no more often
        {BetKind::Direct, 1000, 1000, 2000, 1.0, 1040, 0.520},
        {BetKind::Group6, 0, 0, 0, 0, 0, 0.519},
    };
    for (const Case& c : cases) {
        const BetReturn r = expectedReturn(c.kind, c.bets, c.different);
        EXPECT_EQ(r.bets, c.bets);
        EXPECT_EQ(r.cost, c.cost);
        EXPECT_NEAR(r.hitChance, c.hit, 1e-12);
        EXPECT_NEAR(r.expectedPrize, c.prize, 1e-9);
        EXPECT_NEAR(r.returnRate, c.rate, 1e-12);
    }
    EXPECT_EQ(expectedReturn(BetKind::Group3, 4).hitChance, expectedReturn(BetKind::Group3, 4, 4).hitChance);
    EXPECT_EQ(ReturnText::rate(0.52), "理论返还率 52.0%");
    EXPECT_EQ(ReturnText::summary(expectedReturn(BetKind::Group6, 5)),
              "成本 10 元，下期中奖机会 3.0%，理论返还 5.19 元，理论返还率 51.9%");
}

} // namespace
