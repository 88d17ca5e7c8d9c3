#include "core/BacktestChance.h"

#include "tests/support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <cmath>
#include <random>

namespace {

std::vector<std::int64_t> coverages(const std::vector<int>& perDraw)
{
    std::vector<std::int64_t> counts(1001, 0);
    for (int c : perDraw)
        ++counts[size_t(c)];
    return counts;
}

// The textbook programme over draws, one draw at a time, nothing dropped.
std::vector<double> drawByDraw(const std::vector<int>& perDraw)
{
    std::vector<double> terms{1};
    for (int c : perDraw) {
        const double p = c / 1000.0;
        std::vector<double> next(terms.size() + 1, 0.0);
        for (size_t k = 0; k < terms.size(); ++k) {
            next[k] += terms[k] * (1 - p);
            next[k + 1] += terms[k] * p;
        }
        terms = std::move(next);
    }
    return terms;
}

TEST(HitDistribution, SmallCasesByHand)
{
    struct Case
    {
        std::vector<int> coverage;
        std::vector<double> terms; // P(H = 0), P(H = 1), ...
    };
    const Case cases[] = {
        {{100, 200, 500}, {0.36, 0.49, 0.14, 0.01}},
        // One 直选 bet, one 组选6 bet.
        {{1, 6}, {0.993006, 0.006988, 0.000006}},
        // A draw nothing covers, one everything covers, one of 30%.
        {{0, 1000, 300}, {0, 0.7, 0.3}},
        {{}, {1}},
    };
    for (const Case& c : cases) {
        const HitDistribution d = HitDistribution::ofCoverage(coverages(c.coverage));
        EXPECT_EQ(d.draws(), std::int64_t(c.coverage.size()));
        double mean = 0;
        for (size_t h = 0; h < c.terms.size(); ++h) {
            EXPECT_NEAR(d.probability(std::int64_t(h)), c.terms[h], 1e-12) << h;
            mean += double(h) * c.terms[h];
        }
        EXPECT_EQ(d.probability(std::int64_t(c.terms.size())), 0);
        EXPECT_EQ(d.probability(-1), 0);
        EXPECT_NEAR(d.mean(), mean, 1e-12);
    }
}

TEST(HitDistribution, EqualCoveragesGiveTheBinomial)
{
    const int n = 40;
    const double p = 0.25;
    const HitDistribution d = HitDistribution::ofCoverage(coverages(std::vector<int>(n, 250)));
    for (int k = 0; k <= n; ++k) {
        const double binomial =
            std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0)) * std::pow(p, k) *
            std::pow(1 - p, n - k);
        if (binomial > 1e-25) {
            EXPECT_NEAR(d.probability(k) / binomial, 1, 1e-9) << k;
        }
    }
    EXPECT_DOUBLE_EQ(d.mean(), 10);
    EXPECT_EQ(d.quantile(0.5), 10);
}

TEST(HitDistribution, ManyMixedCoveragesMatchTheDrawByDrawProgramme)
{
    std::mt19937 random(7);
    std::vector<int> perDraw;
    for (int i = 0; i < 3000; ++i)
        perDraw.push_back(int(random() % 1001));
    const std::vector<double> reference = drawByDraw(perDraw);
    const HitDistribution d = HitDistribution::ofCoverage(coverages(perDraw));
    double below = 0;
    for (size_t h = 0; h < reference.size(); ++h) {
        below += reference[h];
        if (reference[h] > 1e-12) { // beyond, the reference's own rounding dominates
            EXPECT_NEAR(d.probability(std::int64_t(h)) / reference[h], 1, 1e-7) << h;
            EXPECT_NEAR(d.atMost(std::int64_t(h)) / below, 1, 1e-7) << h;
        }
    }
    EXPECT_LE(d.lastKept() - d.firstKept(), 700); // the negligible tails are gone
}

TEST(HitDistribution, PValuesAtTheTails)
{
    const HitDistribution d = HitDistribution::ofCoverage(coverages({100, 200, 500}));
    EXPECT_EQ(d.atLeast(0), 1);
    EXPECT_NEAR(d.atMost(0), 0.36, 1e-12);
    EXPECT_NEAR(d.atLeast(3), 0.01, 1e-12); // every draw hit
    EXPECT_EQ(d.atMost(3), 1);
    EXPECT_EQ(d.atLeast(4), 0);
    EXPECT_NEAR(d.atLeast(2), 0.15, 1e-12);
    EXPECT_NEAR(d.atMost(1), 0.85, 1e-12);

    // A long run where hitting every draw has a chance far below anything shown.
    const HitDistribution many = HitDistribution::ofCoverage(coverages(std::vector<int>(5000, 10)));
    EXPECT_EQ(many.atLeast(5000), 0);
    EXPECT_EQ(many.atMost(5000), 1);
    EXPECT_EQ(many.atLeast(0), 1);
    EXPECT_NEAR(many.atMost(0), std::pow(0.99, 5000), 1e-30);
}

TEST(BacktestChance, VerdictBoundaries)
{
    struct Case
    {
        std::vector<int> coverage;
        qint64 hits;
        ChanceVerdict verdict;
    };
    const Case cases[] = {
        {{100, 99}, 2, ChanceVerdict::Better},      // P(H ≥ 2) = 0.0099
        {{100, 101}, 2, ChanceVerdict::Consistent}, // 0.0101
        {{900, 901}, 0, ChanceVerdict::Worse},      // P(H ≤ 0) = 0.0099
        {{900, 899}, 0, ChanceVerdict::Consistent}, // 0.0101
        {{900, 901}, 1, ChanceVerdict::Consistent},
        {{0, 0}, 0, ChanceVerdict::Consistent}, // no bets at all
    };
    for (const Case& c : cases)
        EXPECT_EQ(verdictOf(HitDistribution::ofCoverage(coverages(c.coverage)), c.hits), c.verdict)
            << c.coverage[0] << "," << c.coverage[1] << " " << c.hits;
}

std::vector<BacktestDraw> draws(const QStringList& numbers)
{
    std::vector<BacktestDraw> list;
    for (int i = 0; i < numbers.size(); ++i)
        list.push_back({QString::number(2025001 + i), numbers[i], i > 0 ? numbers[i - 1] : QString()});
    return list;
}

TEST(BacktestChance, CoverageCountsEachNumberTheBetsWinOnOnce)
{
    struct Case
    {
        QString d1, d2, d3;
        BetKind kind;
        int covered;
    };
    const Case cases[] = {
        {"12", "3", "45", BetKind::Direct, 4},
        {"1", "2", "3", BetKind::Group6, 6},
        // 组选3 from 1 and 2: 112 and 122, three orders each.
        {"12", "12", "12", BetKind::Group3, 6},
        // 组选6 from every digit: all 120 classes, 720 numbers.
        {"0123456789", "0123456789", "0123456789", BetKind::Group6, 720},
    };
    for (const Case& c : cases) {
        const BacktestResult r = runBacktest(c.d1, c.d2, c.d3, c.kind, {}, draws({"123", "456"}));
        for (const BacktestRow& row : r.rows)
            EXPECT_EQ(row.covered, c.covered) << c.d1.toStdString() << " " << int(c.kind);
    }
}

TEST(BacktestChance, SummaryLinesBandAndNet)
{
    // One 直选 bet a draw on 305, drawn twice in five.
    const BacktestResult r =
        runBacktest("3", "0", "5", BetKind::Direct, {}, draws({"111", "305", "917", "305", "222"}));
    const BacktestChance c = backtestChance(r, BetKind::Direct);
    EXPECT_DOUBLE_EQ(c.expectedHits, 0.005);
    EXPECT_EQ(c.lowHits, 0);
    EXPECT_EQ(c.highHits, 0);
    EXPECT_EQ(c.verdict, ChanceVerdict::Better);
    EXPECT_NEAR(c.atLeast, 1 - std::pow(0.999, 5) - 5 * 0.001 * std::pow(0.999, 4), 1e-15);
    EXPECT_EQ(ChanceText::hits(c), "纯随机平均中奖 0.005 期（90% 的情况在 0–0 期之间）；本方案中奖 2 期，p值（≥2 期）"
                                   "<0.0001：好于随机（p<0.01）。");
    EXPECT_EQ(ChanceText::net(c), "纯随机平均盈亏 -4.8 元（90% 的情况在 -10–-10 元之间）；本方案盈亏 2070 元，p值（≥2070 "
                                  "元）<0.0001：好于随机（p<0.01）。");

    const std::vector<ChancePoint> band = chanceBand(r, BetKind::Direct);
    ASSERT_EQ(band.size(), 5u);
    EXPECT_DOUBLE_EQ(band[4].expectedHits, 0.005);
    EXPECT_NEAR(band[0].expectedNet, -0.96, 1e-12);
    const double spread = 1.6448536269514722 * std::sqrt(2 * 0.001 * 0.999) * 1040;
    EXPECT_NEAR(band[1].highNet - band[1].expectedNet, spread, 1e-9);
    EXPECT_DOUBLE_EQ(band[1].lowNet, -4); // no hit in two draws, not the normal band's -80
    // Every draw covered: the band cannot rise above a hit every draw.
    const BacktestResult all = runBacktest("0123456789", "0123456789", "0123456789", BetKind::Direct, {},
                                           draws({"111", "222"}));
    const std::vector<ChancePoint> full = chanceBand(all, BetKind::Direct);
    EXPECT_DOUBLE_EQ(full[1].lowNet, 2 * 1040 - 4000);
    EXPECT_DOUBLE_EQ(full[1].highNet, 2 * 1040 - 4000);

    // Below the expectation both tails are told.
    const BacktestResult none = runBacktest("0123456789", "0123456789", "01234", BetKind::Direct, {},
                                            draws({"999", "998", "997", "996", "995", "989", "988"}));
    const BacktestChance low = backtestChance(none, BetKind::Direct);
    EXPECT_EQ(low.hits, 0);
    EXPECT_NEAR(low.atMost, std::pow(0.5, 7), 1e-12);
    EXPECT_EQ(ChanceText::hits(low), "纯随机平均中奖 3.5 期（90% 的情况在 1–6 期之间）；本方案中奖 0 期，p值（≥0 期）"
                                     "1.0000，p值（≤0 期）0.0078：差于随机（p<0.01）。");
}

TEST(BacktestChance, TriesCountDistinctTickedConditions)
{
    BacktestTries tries;
    GenerationConditions c;
    EXPECT_EQ(tries.record("1", "2", "3", BetKind::Direct, c), 1);
    EXPECT_EQ(tries.record("1", "2", "3", BetKind::Direct, c), 1);
    c.sum = {false, 3, 9}; // unticked: the same selection
    EXPECT_EQ(tries.record("1", "2", "3", BetKind::Direct, c), 1);
    c.sum.ticked = true;
    EXPECT_EQ(tries.record("1", "2", "3", BetKind::Direct, c), 2);
    c.sum.high = 10;
    EXPECT_EQ(tries.record("1", "2", "3", BetKind::Direct, c), 3);
    EXPECT_EQ(tries.record("1", "2", "3", BetKind::Group6, c), 4);
    c.extended.repeat = {true, 0, 1};
    EXPECT_EQ(tries.record("1", "2", "3", BetKind::Group6, c), 5);
    EXPECT_EQ(tries.record("1", "2", "4", BetKind::Group6, c), 6);
    EXPECT_EQ(tries.count(), 6);

    EXPECT_EQ(ChanceText::tries(0), "");
    EXPECT_EQ(ChanceText::tries(1), "");
    EXPECT_TRUE(ChanceText::tries(2).contains("2.0%")) << ChanceText::tries(2).toStdString();
    EXPECT_TRUE(ChanceText::tries(10).contains("9.6%"));
    EXPECT_NEAR(falseAlarmChance(69), 0.5, 0.001);
    EXPECT_EQ(falseAlarmChance(0), 0);
}

} // namespace
