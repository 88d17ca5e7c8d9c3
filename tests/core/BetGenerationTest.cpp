#include "core/BetGeneration.h"

#include "core/SelectionText.h"
#include "tests/support/QtPrinters.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kAll = QStringLiteral("0123456789");

QStringList texts(const BetList& bets)
{
    QStringList list;
    for (const Bet& bet : bets)
        list << bet.text();
    return list;
}

GenerationResult all(BetKind kind, const GenerationConditions& conditions = {}, const QString& latest = {})
{
    return generateBets(kAll, kAll, kAll, kind, conditions, latest);
}

TEST(BetGenerationTest, EveryDigitGivesThousandNinetyAndHundredTwentyBets)
{
    const GenerationResult direct = all(BetKind::Direct);
    EXPECT_EQ(direct.combinations, 1000);
    EXPECT_TRUE(direct.complete);
    ASSERT_EQ(direct.bets.size(), 1000u);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(direct.bets[std::size_t(i)].value, i);
    EXPECT_EQ(direct.bets.back().text(), "999");
    EXPECT_EQ(direct.bets.back().sum(), 27);

    const QStringList group3 = texts(all(BetKind::Group3).bets);
    ASSERT_EQ(group3.size(), 90);
    EXPECT_EQ(group3.mid(0, 11),
              QStringList({"001", "002", "003", "004", "005", "006", "007", "008", "009", "011", "022"}));

    const QStringList group6 = texts(all(BetKind::Group6).bets);
    ASSERT_EQ(group6.size(), 120);
    EXPECT_EQ(group6.mid(0, 3), QStringList({"012", "013", "014"}));
    for (const QString& bet : group6)
        EXPECT_TRUE(bet[0] < bet[1] && bet[1] < bet[2]) << bet.toStdString();
}

struct OrderCase
{
    const char *digits1, *digits2, *digits3;
    BetKind kind;
    QStringList bets;
    QList<int> sums;
};

void PrintTo(const OrderCase& c, std::ostream* out)
{
    *out << c.digits1 << '/' << c.digits2 << '/' << c.digits3;
}

class GenerationOrderTest : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(GenerationOrderTest, FollowsTheSelectionOrder)
{
    const OrderCase& c = GetParam();
    const GenerationResult result = generateBets(c.digits1, c.digits2, c.digits3, c.kind, {}, {});
    EXPECT_EQ(texts(result.bets), c.bets);
    QList<int> sums;
    for (const Bet& bet : result.bets)
        sums << bet.sum();
    EXPECT_EQ(sums, c.sums);
}

INSTANTIATE_TEST_SUITE_P(Cases, GenerationOrderTest,
                         ::testing::Values(OrderCase{"12", "12", "12", BetKind::Group3, {"112", "122"}, {4, 5}},
                                           OrderCase{"21", "12", "12", BetKind::Group3, {"211", "212"}, {4, 5}},
                                           OrderCase{"12", "12", "12", BetKind::Group6, {}, {}},
                                           OrderCase{"52",
                                                     "0123",
                                                     "9",
                                                     BetKind::Direct,
                                                     {"509", "519", "529", "539", "209", "219", "229", "239"},
                                                     {14, 15, 16, 17, 11, 12, 13, 14}}));

// Each condition against an independent count of the digits.
int countDigits(const QString& bet, const char* set)
{
    int n = 0;
    for (QChar c : bet)
        n += QByteArray(set).contains(char(c.unicode())) ? 1 : 0;
    return n;
}

int acValue(const Bet& bet)
{
    const int d[] = {bet.value / 100, bet.value / 10 % 10, bet.value % 10};
    QList<int> differences;
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j)
            if (!differences.contains(std::abs(d[i] - d[j])))
                differences << std::abs(d[i] - d[j]);
    return int(differences.size());
}

int span(const Bet& bet)
{
    const int d[] = {bet.value / 100, bet.value / 10 % 10, bet.value % 10};
    return *std::max_element(d, d + 3) - *std::min_element(d, d + 3);
}

struct ConditionCase
{
    const char* name;
    RangeCondition GenerationConditions::*field;
    RangeCondition range;
    std::function<int(const Bet&)> measure;
};

void PrintTo(const ConditionCase& c, std::ostream* out)
{
    *out << c.name;
}

class ConditionTest : public ::testing::TestWithParam<ConditionCase>
{
};

TEST_P(ConditionTest, KeepsExactlyTheBetsInsideTheBounds)
{
    const ConditionCase& c = GetParam();
    GenerationConditions conditions;
    conditions.*c.field = c.range;
    QStringList expected;
    for (int value = 0; value < 1000; ++value) {
        const int measured = c.measure(Bet{value});
        if (c.range.low <= measured && measured <= c.range.high)
            expected << Bet{value}.text();
    }
    EXPECT_EQ(texts(all(BetKind::Direct, conditions, "123").bets), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, ConditionTest,
    ::testing::Values(
        ConditionCase{"Sum", &GenerationConditions::sum, {true, 12, 13}, [](const Bet& b) { return b.sum(); }},
        ConditionCase{"Odd",
                      &GenerationConditions::odd,
                      {true, 1, 2},
                      [](const Bet& b) { return countDigits(b.text(), "13579"); }},
        ConditionCase{"Big",
                      &GenerationConditions::big,
                      {true, 2, 3},
                      [](const Bet& b) { return countDigits(b.text(), "56789"); }},
        ConditionCase{"Ac", &GenerationConditions::ac, {true, 2, 2}, acValue},
        ConditionCase{"Span", &GenerationConditions::span, {true, 3, 7}, span},
        ConditionCase{"InvertedSpan", &GenerationConditions::span, {true, 5, 2}, span},
        ConditionCase{"Prime",
                      &GenerationConditions::prime,
                      {true, 1, 1},
                      [](const Bet& b) { return countDigits(b.text(), "12357"); }},
        ConditionCase{"Route0",
                      &GenerationConditions::route0,
                      {true, 0, 1},
                      [](const Bet& b) { return countDigits(b.text(), "0369"); }},
        ConditionCase{"Route1",
                      &GenerationConditions::route1,
                      {true, 2, 3},
                      [](const Bet& b) { return countDigits(b.text(), "147"); }},
        ConditionCase{"SameAsLatest123",
                      &GenerationConditions::same,
                      {true, 0, 0},
                      [](const Bet& b) {
                          return int(b.value / 100 == 1) + int(b.value / 10 % 10 == 2) + int(b.value % 10 == 3);
                      }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BetGenerationTest, SameNumberCountWithoutAStoredDrawIsZero)
{
    GenerationConditions conditions;
    conditions.same = {true, 0, 0};
    EXPECT_EQ(all(BetKind::Direct, conditions).bets.size(), 1000u);
    conditions.same = {true, 1, 3};
    EXPECT_TRUE(all(BetKind::Direct, conditions).bets.empty());
}

TEST(BetGenerationTest, SingleSumsKeepOnlyTheirSums)
{
    GenerationConditions conditions;
    conditions.singleSums = parseSingleSums("7");
    const BetList seven = all(BetKind::Direct, conditions).bets;
    EXPECT_EQ(seven.size(), 36u);
    conditions.singleSums = parseSingleSums("1,2,3");
    const BetList small = all(BetKind::Direct, conditions).bets;
    EXPECT_EQ(small.size(), 3u + 6u + 10u);
    for (const Bet& bet : small)
        EXPECT_TRUE(bet.sum() >= 1 && bet.sum() <= 3);
}

TEST(BetGenerationTest, SingleSumListKeepsNumbersOfTheFirstSixtyFourEntries)
{
    EXPECT_EQ(parseSingleSums("3,,x,15"), std::vector<int>({3, 15}));
    QStringList many;
    for (int i = 0; i < 70; ++i)
        many << QString::number(i);
    const std::vector<int> sums = parseSingleSums(many.join(','));
    ASSERT_EQ(sums.size(), 64u);
    EXPECT_EQ(sums.back(), 63);
}

TEST(BetGenerationTest, LimitEndsTheRunEarly)
{
    struct Case
    {
        int limit;
        std::size_t bets;
        bool complete;
    };
    for (const Case& c : {Case{5, 5, false}, Case{0, 1, false}, Case{1, 1, false}, Case{2000, 1000, true}}) {
        GenerationConditions conditions;
        conditions.limit = c.limit;
        const GenerationResult result = all(BetKind::Direct, conditions);
        EXPECT_EQ(result.bets.size(), c.bets) << c.limit;
        EXPECT_EQ(result.complete, c.complete) << c.limit;
        EXPECT_EQ(result.combinations, 1000);
    }
    EXPECT_EQ(parseLimit("12"), 12);
    EXPECT_EQ(parseLimit("1a"), std::nullopt);
}

struct CheckCase
{
    const char* name;
    std::function<void(GenerationInput&)> change;
    QString message;
    GenerationProblem::Focus focus = GenerationProblem::Focus::None;
};

void PrintTo(const CheckCase& c, std::ostream* out)
{
    *out << c.name;
}

class GenerationCheckTest : public ::testing::TestWithParam<CheckCase>
{
};

// Starts from an input where every check fails, then lets each case repair
// the earlier ones: the first failing check is the one reported.
TEST_P(GenerationCheckTest, ReportsTheFirstFailureInOrder)
{
    GenerationInput input;
    input.ranges.sum = {true, 13, 12};
    input.ranges.odd = {true, 2, 1};
    input.ranges.big = {true, 2, 1};
    input.ranges.ac = {true, 8, 7};
    input.ranges.same = {true, 1, 0};
    input.ranges.span = {true, 5, 2}; // never checked
    input.limitTicked = true;
    input.singleSumsTicked = true;
    GetParam().change(input);
    const auto problem = checkGeneration(input);
    if (GetParam().message.isEmpty()) {
        EXPECT_FALSE(problem);
        return;
    }
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->message, GetParam().message);
    EXPECT_EQ(problem->focus, GetParam().focus);
}

void digits(GenerationInput& in)
{
    in.digits1 = in.digits2 = in.digits3 = "1";
}

INSTANTIATE_TEST_SUITE_P(
    Order, GenerationCheckTest,
    ::testing::Values(CheckCase{"NoDigits1", [](GenerationInput&) {}, SelectText::kNoDigits1},
                      CheckCase{"NoDigits2", [](GenerationInput& in) { in.digits1 = "1"; }, SelectText::kNoDigits2},
                      CheckCase{"NoDigits3", [](GenerationInput& in) { in.digits1 = in.digits2 = "1"; },
                                SelectText::kNoDigits3},
                      CheckCase{"Sum", digits, SelectText::kBadSumRange},
                      CheckCase{"Odd", [](GenerationInput& in) { digits(in), in.ranges.sum.ticked = false; },
                                SelectText::kBadOddRange},
                      CheckCase{"Big",
                                [](GenerationInput& in) {
                                    digits(in);
                                    in.ranges.sum.ticked = in.ranges.odd.ticked = false;
                                },
                                SelectText::kBadBigRange},
                      CheckCase{"Ac",
                                [](GenerationInput& in) {
                                    digits(in);
                                    in.ranges.sum.ticked = in.ranges.odd.ticked = in.ranges.big.ticked = false;
                                },
                                SelectText::kBadAcRange},
                      CheckCase{"Same",
                                [](GenerationInput& in) {
                                    digits(in);
                                    in.ranges.sum.ticked = in.ranges.odd.ticked = in.ranges.big.ticked = false;
                                    in.ranges.ac.low = 7;
                                },
                                SelectText::kBadSameRange},
                      CheckCase{"Limit",
                                [](GenerationInput& in) {
                                    digits(in);
                                    in.ranges = {};
                                },
                                SelectText::kNoLimit, GenerationProblem::Focus::Limit},
                      CheckCase{"NoSums",
                                [](GenerationInput& in) {
                                    digits(in);
                                    in.ranges = {};
                                    in.limitText = "5";
                                },
                                SelectText::kNoSingleSums, GenerationProblem::Focus::SingleSums},
                      CheckCase{"SumsWithoutComma",
                                [](GenerationInput& in) {
                                    digits(in);
                                    in.ranges = {};
                                    in.limitText = "5";
                                    in.singleSumsText = "123";
                                },
                                SelectText::kBadSingleSums, GenerationProblem::Focus::SingleSums},
                      CheckCase{"TwoCharacterSum",
                                [](GenerationInput& in) {
                                    digits(in);
                                    in.ranges = {};
                                    in.limitText = "5";
                                    in.singleSumsText = "12";
                                },
                                QString()},
                      CheckCase{"SumList",
                                [](GenerationInput& in) {
                                    digits(in);
                                    in.ranges = {};
                                    in.limitText = "5";
                                    in.singleSumsText = "1,2,3";
                                },
                                QString()}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
