#include "core/BetFilter.h"
#include "core/ConditionCheck.h"
#include "core/DrawLookup.h"
#include "core/Myfunction.h"
#include "core/RandomSelection.h"
#include "core/SelectionText.h"

#include <QSet>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

const QString kAll = QStringLiteral("0123456789");

ValueSetCondition setOf(std::initializer_list<int> values)
{
    ValueSetCondition c{true, 0};
    for (int v : values)
        c.set(v, true);
    return c;
}

struct ConditionCase
{
    const char* name;
    std::function<void(ExtendedConditions&)> tick;
    int number;
    const char* latest;
    bool holds;
};

void PrintTo(const ConditionCase& c, std::ostream* out)
{
    *out << c.name;
}

class ExtendedConditionTest : public ::testing::TestWithParam<ConditionCase>
{
};

TEST_P(ExtendedConditionTest, HoldsAsTheTableSays)
{
    const ConditionCase& c = GetParam();
    GenerationConditions conditions;
    c.tick(conditions.extended);
    const BetFilter filter(conditions);
    EXPECT_EQ(filter.passes(c.number, LatestDigits::of(QString::fromLatin1(c.latest))), c.holds);
    // A condition decides alone: exactly one is ticked.
    ASSERT_EQ(tickedConditions(conditions).size(), 1u);
}

const ConditionCase kConditionCases[] = {
    {"DanAtLeastOneHeld",
     [](auto& e) {
         e.dan = setOf({1, 9});
     },
     912, "", true},
    {"DanAtLeastOneMissing",
     [](auto& e) {
         e.dan = setOf({1, 9});
     },
     345, "", false},
    {"DanAllHeld",
     [](auto& e) {
         e.dan = setOf({1, 9}), e.danMode = DanMode::All;
     },
     912, "", true},
    {"DanAllAmongThree",
     [](auto& e) {
         e.dan = setOf({1, 9}), e.danMode = DanMode::All;
     },
     915, "", true},
    {"DanAllOtherMissing",
     [](auto& e) {
         e.dan = setOf({1, 8}), e.danMode = DanMode::All;
     },
     915, "", false},
    {"DanTripleHoldsItsDigit", [](auto& e) { e.dan = setOf({7}), e.danMode = DanMode::All; }, 777, "", true},
    {"DanTripleHoldsOnlyOne",
     [](auto& e) {
         e.dan = setOf({7, 1}), e.danMode = DanMode::All;
     },
     777, "", false},
    {"KillHeld", [](auto& e) { e.kill = setOf({4}); }, 314, "", false},
    {"KillNotHeld",
     [](auto& e) {
         e.kill = setOf({4, 0});
     },
     315, "", true},
    {"KillEmptySetKeepsAll", [](auto& e) { e.kill = setOf({}); }, 314, "", true},
    {"SumExcludedZero", [](auto& e) { e.sumExcluded = setOf({0}); }, 0, "", false},
    {"SumExcludedTwentySeven", [](auto& e) { e.sumExcluded = setOf({27}); }, 999, "", false},
    {"SumExcludedOther", [](auto& e) { e.sumExcluded = setOf({27}); }, 998, "", true},
    {"SpanExcluded", [](auto& e) { e.spanExcluded = setOf({9}); }, 90, "", false},
    {"SpanZeroExcluded", [](auto& e) { e.spanExcluded = setOf({0}); }, 555, "", false},
    {"SpanWithALeadingZero", [](auto& e) { e.spanExcluded = setOf({9}); }, 91, "", false},
    {"SumTailHeld", [](auto& e) { e.sumTail = setOf({9}); }, 199, "", true}, // 19
    {"SumTailNotHeld", [](auto& e) { e.sumTail = setOf({0}); }, 199, "", false},
    {"ShapeTriple", [](auto& e) { e.shape = setOf({Triple}); }, 0, "", true},
    {"ShapePairIsNotTriple", [](auto& e) { e.shape = setOf({Triple}); }, 1, "", false},
    {"ShapePair", [](auto& e) { e.shape = setOf({Pair}); }, 121, "", true},
    {"ShapeDistinct", [](auto& e) { e.shape = setOf({Distinct}); }, 120, "", true},
    {"RunThree", [](auto& e) { e.run = setOf({ThreeRun}); }, 312, "", true},
    {"RunThreeAtTheTop", [](auto& e) { e.run = setOf({ThreeRun}); }, 978, "", true},
    {"NineAndZeroNotAdjacent", [](auto& e) { e.run = setOf({NoRun}); }, 905, "", true},
    {"NineZeroOneIsTwoRun", [](auto& e) { e.run = setOf({TwoRun}); }, 901, "", true},
    {"EightNineZeroIsNoThreeRun", [](auto& e) { e.run = setOf({ThreeRun}); }, 890, "", false},
    {"PairRunCountsDistinctDigits", [](auto& e) { e.run = setOf({TwoRun}); }, 112, "", true},
    {"TripleHasNoRun", [](auto& e) { e.run = setOf({NoRun}); }, 444, "", true},
    {"BigSmallPattern", [](auto& e) { e.bigSmall = setOf({0b101}); }, 549, "", true},    // 大小大
    {"BigSmallFiveIsBig", [](auto& e) { e.bigSmall = setOf({0b101}); }, 459, "", false}, // 小大大
    {"OddEvenPattern", [](auto& e) { e.oddEven = setOf({0b100}); }, 102, "", true},      // 单双双
    {"ZeroIsEven", [](auto& e) { e.oddEven = setOf({0b000}); }, 0, "", true},
    {"PrimeOneCounts", [](auto& e) { e.primeComposite = setOf({0b110}); }, 170, "", true}, // 质质合
    {"NineIsComposite", [](auto& e) { e.primeComposite = setOf({0b111}); }, 239, "", false},
    {"RoutePattern", [](auto& e) { e.route = setOf({0 * 9 + 2 * 3 + 1}); }, 354, "", true}, // 021
    {"RouteOtherPattern", [](auto& e) { e.route = setOf({0 * 9 + 2 * 3 + 1}); }, 345, "", false},
    {"PairSumTailHit", [](auto& e) { e.pairSumTail = setOf({0}); }, 192, "", false}, // 1+9
    {"PairSumTailMiss", [](auto& e) { e.pairSumTail = setOf({0}); }, 123, "", true},
    {"PairDiffZeroIsAPair", [](auto& e) { e.pairDiff = setOf({0}); }, 121, "", false},
    {"PairDiffNine", [](auto& e) { e.pairDiff = setOf({9}); }, 905, "", false},
    {"PairDiffMiss", [](auto& e) { e.pairDiff = setOf({9}); }, 135, "", true},
    {"RepeatAnyPosition",
     [](auto& e) {
         e.repeat = {true, 2, 2};
     },
     125, "519", true},
    {"RepeatCountsEachPosition",
     [](auto& e) {
         e.repeat = {true, 3, 3};
     },
     111, "190", true},
    {"RepeatNoLatestIsZero",
     [](auto& e) {
         e.repeat = {true, 0, 0};
     },
     111, "", true},
    {"RepeatNoLatestNotOne",
     [](auto& e) {
         e.repeat = {true, 1, 3};
     },
     111, "", false},
    {"NeighbourOneOff",
     [](auto& e) {
         e.neighbour = {true, 2, 2};
     },
     468, "500", true}, // 4 6 (near 5)
    {"NeighbourNineZeroNotNear",
     [](auto& e) {
         e.neighbour = {true, 0, 0};
     },
     999, "000", true},
    {"NeighbourNoLatestIsZero",
     [](auto& e) {
         e.neighbour = {true, 1, 3};
     },
     123, "", false},
    {"NeighbourIsNotRepeat",
     [](auto& e) {
         e.neighbour = {true, 0, 0};
     },
     555, "555", true},
};

INSTANTIATE_TEST_SUITE_P(Table, ExtendedConditionTest, ::testing::ValuesIn(kConditionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExtendedConditionsTest, CaptionsFollowTheValueOrder)
{
    EXPECT_EQ(ExtendedValues::bigSmall()[0b101], QStringLiteral("大小大"));
    EXPECT_EQ(ExtendedValues::oddEven()[0b100], QStringLiteral("单双双"));
    EXPECT_EQ(ExtendedValues::primeComposite()[0b110], QStringLiteral("质质合"));
    EXPECT_EQ(ExtendedValues::routes()[7], QStringLiteral("021"));
    EXPECT_EQ(ExtendedValues::routes().size(), 27);
    EXPECT_EQ(ExtendedValues::sums().back(), QStringLiteral("27"));
}

// The plain reading of every condition, one bet at a time: the original ten
// through the text tests of Myfunction, the extended ones from their table.
bool plainPasses(const QString& bet, const GenerationConditions& c, const QString& latest)
{
    struct NoStore : DrawLookup
    {
        QString latestNumber() const override { return {}; }
        QString numberOfIssue(const QString&) const override { return {}; }
    } noStore;
    const int d[3] = {bet[0].digitValue(), bet[1].digitValue(), bet[2].digitValue()};
    const int sum = d[0] + d[1] + d[2];
    auto between = [](const RangeCondition& r, int v) { return !r.ticked || (r.low <= v && v <= r.high); };
    auto text = [](int v) { return QString::number(v); };
    if (c.sum.ticked && !ValueInRange(sum, c.sum.low, c.sum.high - c.sum.low))
        return false;
    if (c.odd.ticked && !OddCountInRange(bet, c.odd.low, c.odd.high - c.odd.low))
        return false;
    if (c.big.ticked && !BigCountInRange(bet, c.big.low, c.big.high - c.big.low))
        return false;
    if (c.ac.ticked && !ACValueInRange(bet, c.ac.low, c.ac.high - c.ac.low, 3))
        return false;
    if (c.same.ticked && !SameToLastInRange(bet, latest, c.same.low, c.same.high - c.same.low, noStore))
        return false;
    if (c.span.ticked && !SpanInRange(bet, text(c.span.low), text(c.span.high)))
        return false;
    if (c.prime.ticked && !PrimeCountInRange(bet, text(c.prime.low), text(c.prime.high)))
        return false;
    if (c.route0.ticked && !Route0CountInRange(bet, text(c.route0.low), text(c.route0.high)))
        return false;
    if (c.route1.ticked && !Route1CountInRange(bet, text(c.route1.low), text(c.route1.high)))
        return false;
    if (c.singleSums && std::find(c.singleSums->begin(), c.singleSums->end(), sum) == c.singleSums->end())
        return false;

    const ExtendedConditions& e = c.extended;
    auto holdsDigit = [&](int digit) { return bet.contains(QChar(u'0' + digit)); };
    if (e.dan.ticked) {
        int held = 0, chosen = 0;
        for (int digit = 0; digit < 10; ++digit)
            if (e.dan.has(digit))
                ++chosen, held += holdsDigit(digit) ? 1 : 0;
        if (e.danMode == DanMode::All ? held != chosen : held == 0)
            return false;
    }
    for (int digit = 0; digit < 10; ++digit)
        if (e.kill.ticked && e.kill.has(digit) && holdsDigit(digit))
            return false;
    const int span = SpanOf(bet).toInt();
    if ((e.sumExcluded.ticked && e.sumExcluded.has(sum)) || (e.spanExcluded.ticked && e.spanExcluded.has(span)))
        return false;
    if (e.sumTail.ticked && !e.sumTail.has(sum % 10))
        return false;
    const int distinct = int(QSet<QChar>(bet.begin(), bet.end()).size());
    if (e.shape.ticked && !e.shape.has(distinct == 1 ? Triple : distinct == 2 ? Pair : Distinct))
        return false;
    int adjacent = 0;
    for (int digit = 0; digit < 9; ++digit)
        adjacent += holdsDigit(digit) && holdsDigit(digit + 1) ? 1 : 0;
    if (e.run.ticked && !e.run.has(adjacent == 2 ? ThreeRun : adjacent == 1 ? TwoRun : NoRun))
        return false;
    QString bigSmall, oddEven, primes, routes;
    for (int v : d) {
        bigSmall += v >= 5 ? u'大' : u'小';
        oddEven += v % 2 ? u'单' : u'双';
        primes += QStringLiteral("12357").contains(QChar(u'0' + v)) ? u'质' : u'合';
        routes += QChar(u'0' + v % 3);
    }
    const std::pair<const ValueSetCondition*, std::pair<const QStringList*, QString>> patterns[] = {
        {&e.bigSmall, {&ExtendedValues::bigSmall(), bigSmall}},
        {&e.oddEven, {&ExtendedValues::oddEven(), oddEven}},
        {&e.primeComposite, {&ExtendedValues::primeComposite(), primes}},
        {&e.route, {&ExtendedValues::routes(), routes}}};
    for (const auto& [set, pattern] : patterns)
        if (set->ticked && !set->has(int(pattern.first->indexOf(pattern.second))))
            return false;
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j) {
            if (e.pairSumTail.ticked && e.pairSumTail.has((d[i] + d[j]) % 10))
                return false;
            if (e.pairDiff.ticked && e.pairDiff.has(std::abs(d[i] - d[j])))
                return false;
        }
    int repeat = 0, neighbour = 0;
    const QString last = latest.left(3);
    for (int v : d) {
        repeat += last.contains(QChar(u'0' + v)) ? 1 : 0;
        neighbour += (v > 0 && last.contains(QChar(u'0' + v - 1))) || (v < 9 && last.contains(QChar(u'0' + v + 1)));
    }
    return between(e.repeat, repeat) && between(e.neighbour, neighbour);
}

// A random mix of every condition, each ticked one time in three, with
// bounds and sets that sometimes let little or nothing through.
GenerationConditions randomConditions(std::mt19937& engine)
{
    auto chance = [&](int percent) { return int(engine() % 100) < percent; };
    auto value = [&](int low, int high) { return low + int(engine() % unsigned(high - low + 1)); };
    auto range = [&](int max) {
        RangeCondition r{chance(33), value(0, max), value(0, max)};
        if (r.low > r.high && chance(80))
            std::swap(r.low, r.high);
        return r;
    };
    auto set = [&](int count) {
        ValueSetCondition s{chance(33), 0};
        for (int v = 0; v < count; ++v)
            s.set(v, chance(60));
        return s;
    };
    GenerationConditions c;
    c.sum = range(30), c.odd = range(3), c.big = range(3), c.ac = range(4), c.same = range(3);
    c.span = range(9), c.prime = range(3), c.route0 = range(3), c.route1 = range(3);
    if (chance(20)) {
        std::vector<int> sums;
        for (int n = value(0, 12); n > 0; --n)
            sums.push_back(value(0, 27));
        c.singleSums = sums;
    }
    ExtendedConditions& e = c.extended;
    e.dan = set(10), e.kill = set(10), e.sumExcluded = set(28), e.spanExcluded = set(10), e.sumTail = set(10);
    e.danMode = chance(50) ? DanMode::All : DanMode::AtLeastOne;
    if (e.dan.ticked) // a shorter 胆码 list, or "all" would rarely hold
        e.dan.values &= ((1u << value(0, 10)) - 1) & (engine() | engine());
    e.shape = set(3), e.run = set(3), e.bigSmall = set(8), e.oddEven = set(8), e.primeComposite = set(8);
    e.route = set(27), e.pairSumTail = set(10), e.pairDiff = set(10);
    if (e.pairSumTail.ticked)
        e.pairSumTail.values &= engine() & engine();
    if (e.pairDiff.ticked)
        e.pairDiff.values &= engine() & engine();
    e.repeat = range(3), e.neighbour = range(3);
    return c;
}

QString randomDigits(std::mt19937& engine)
{
    QString digits = kAll;
    std::shuffle(digits.begin(), digits.end(), engine);
    return digits.left(1 + int(engine() % 10));
}

TEST(ExtendedConditionsTest, GenerationUnderARandomMixMatchesAPlainEnumeration)
{
    std::mt19937 engine(20251210);
    int kept = 0;
    for (int round = 0; round < 400; ++round) {
        GenerationConditions c = randomConditions(engine);
        const QString digits[3] = {randomDigits(engine), randomDigits(engine), randomDigits(engine)};
        const auto kind = BetKind(engine() % 3);
        const QString latest =
            round % 7 == 0 ? QString() : QStringLiteral("%1").arg(engine() % 1000, 3, 10, QChar('0'));
        if (round % 5 == 0)
            c.limit = int(engine() % 20);

        // Every candidate in generation order, then the plain test and the limit.
        QStringList expected;
        for (const Bet& bet : generateBets(digits[0], digits[1], digits[2], kind, {}, latest).bets)
            if (plainPasses(bet.text(), c, latest) && (!c.limit || expected.size() < std::max(*c.limit, 1)))
                expected << bet.text();
        QStringList actual;
        for (const Bet& bet : generateBets(digits[0], digits[1], digits[2], kind, c, latest).bets)
            actual << bet.text();
        ASSERT_EQ(actual, expected) << "round " << round;
        kept += int(actual.size());
    }
    EXPECT_GT(kept, 300); // the mix lets enough through to mean something
}

TEST(ExtendedConditionsTest, RandomSelectionAppliesTheExtendedConditionsOnlyWhenAsked)
{
    RandomConditions c;
    c.extended.shape = setOf({Triple});
    const RandomResult ignored = selectRandomBets(50, c, QString(), 7);
    EXPECT_TRUE(std::any_of(ignored.bets.begin(), ignored.bets.end(), [](Bet b) { return b.value % 111 != 0; }));
    c.useExtended = true;
    const RandomResult triples = selectRandomBets(50, c, QString(), 7);
    ASSERT_EQ(triples.bets.size(), 10u); // every 豹子, each once
    EXPECT_EQ(triples.available, 10);
    for (const Bet& bet : triples.bets)
        EXPECT_EQ(bet.value % 111, 0) << bet.value;

    c.extended.repeat = {true, 3, 1};
    EXPECT_EQ(checkRandomSelection("5", c).problem, SelectText::kBadRepeatRange);
}

TEST(ExtendedConditionsTest, InvertedCountRangesAreRefusedBeforeAnyRun)
{
    GenerationInput input;
    input.digits1 = input.digits2 = input.digits3 = kAll;
    input.ranges.extended.neighbour = {true, 2, 1};
    ASSERT_TRUE(checkGeneration(input));
    EXPECT_EQ(checkGeneration(input)->message, SelectText::kBadNeighbourRange);
}

std::vector<BacktestDraw> history(const QStringList& numbers)
{
    std::vector<BacktestDraw> list;
    for (int i = 0; i < numbers.size(); ++i)
        list.push_back({QString::number(2025001 + i), numbers[i], i > 0 ? numbers[i - 1] : QString()});
    return list;
}

TEST(ExtendedConditionsTest, BacktestMatchesAGenerationRunPerDraw)
{
    std::mt19937 engine(77);
    QStringList numbers;
    for (int i = 0; i < 60; ++i)
        numbers << QStringLiteral("%1").arg(engine() % 1000, 3, 10, QChar('0'));
    numbers[10] = numbers[9]; // the same latest draw twice in a row
    const std::vector<BacktestDraw> draws = history(numbers);
    for (int round = 0; round < 40; ++round) {
        GenerationConditions c = randomConditions(engine);
        if (round % 4 == 0)
            c.limit = int(engine() % 30);
        const QString digits[3] = {randomDigits(engine), randomDigits(engine), randomDigits(engine)};
        const auto kind = BetKind(round % 3);
        const BacktestResult result = runBacktest(digits[0], digits[1], digits[2], kind, c, draws);
        for (size_t i = 0; i < draws.size(); ++i) {
            const BetList bets = generateBets(digits[0], digits[1], digits[2], kind, c, draws[i].previousNumber).bets;
            const bool hit =
                std::any_of(bets.begin(), bets.end(), [&](Bet b) { return betWins(b, draws[i].number, kind); });
            ASSERT_EQ(result.rows[i].bets, int(bets.size())) << round << " " << i;
            ASSERT_EQ(result.rows[i].hit, hit) << round << " " << i;
        }
    }
}

// Twelve draws, counted by hand. 和值范围 10-20 and 杀码 {0} on the drawn
// number, 重号个数 0-1 against the draw before it; the first draw has none.
//   draw  sum  sum ok  holds 0  repeats  kept(all)
//   123    6     -       -        0         -
//   456   15     +       -        0         +
//   789   24     -       -        0         -
//   780   15     +       0        2         -
//   555   15     +       -        0         +
//   505   10     +       0        3         -
//   190   10     +       0        0         -
//   911   11     +       -        2         -
//   348   15     +       -        0         +
//   843   15     +       -        3         -
//   222    6     -       -        0         -
//   264   12     +       -        1         +
TEST(ConditionCheckTest, HandCountedTwelveDraws)
{
    GenerationConditions c;
    c.sum = {true, 10, 20};
    c.extended.kill = setOf({0});
    c.extended.repeat = {true, 0, 1};
    const std::vector<ConditionCheckRow> rows =
        checkConditions(c, BetKind::Direct,
                        history({"123", "456", "789", "780", "555", "505", "190", "911", "348", "843", "222", "264"}));
    ASSERT_EQ(rows.size(), 4u);
    struct Expected
    {
        std::optional<ConditionId> condition;
        int kept, currentMiss, longestMiss;
    };
    const Expected expected[] = {{ConditionId::Sum, 9, 0, 1},
                                 {ConditionId::Kill, 9, 0, 2},
                                 {ConditionId::Repeat, 8, 0, 1},
                                 {std::nullopt, 4, 0, 3}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i].condition, expected[i].condition) << i;
        EXPECT_EQ(rows[i].draws, 12) << i;
        EXPECT_EQ(rows[i].kept, expected[i].kept) << i;
        EXPECT_EQ(rows[i].currentMiss, expected[i].currentMiss) << i;
        EXPECT_EQ(rows[i].longestMiss, expected[i].longestMiss) << i;
    }
    EXPECT_DOUBLE_EQ(rows.back().keptShare(), 4.0 / 12);

    // Without the last draw the run of misses is still open.
    const std::vector<ConditionCheckRow> open = checkConditions(
        c, BetKind::Direct, history({"123", "456", "789", "780", "555", "505", "190", "911", "348", "843", "222"}));
    EXPECT_EQ(open.back().currentMiss, 2);
    EXPECT_EQ(open.back().longestMiss, 3);
}

TEST(ConditionCheckTest, GroupKindsJudgeTheAscendingDigits)
{
    GenerationConditions c;
    c.extended.bigSmall = setOf({0b001}); // 小小大: 921 only as 129
    const auto draws = history({"921"});
    EXPECT_EQ(checkConditions(c, BetKind::Direct, draws)[0].kept, 0);
    EXPECT_EQ(checkConditions(c, BetKind::Group6, draws)[0].kept, 1);
}

TEST(ConditionCheckTest, NothingTickedGivesTheRowOfAllAndAnUnreadableDrawIsNotJudged)
{
    const std::vector<ConditionCheckRow> rows =
        checkConditions(GenerationConditions{}, BetKind::Direct, history({"123", "1x3", "456"}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].condition);
    EXPECT_EQ(rows[0].draws, 2);
    EXPECT_EQ(rows[0].kept, 2);
}

} // namespace
