#pragma once

// The conditions of the "扩展过滤" page and the properties of a number they
// look at. A number's properties are worked out once for all 1000 numbers;
// only the counts against the latest draw change from run to run.

#include "core/Bet.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// A tick box over a set of values (digits, sums, patterns): bit v set when
// value v is chosen.
struct ValueSetCondition
{
    bool ticked = false;
    std::uint32_t values = 0;

    bool has(int value) const { return (values >> value) & 1u; }
    void set(int value, bool on) { values = on ? values | (1u << value) : values & ~(1u << value); }
};

enum class DanMode
{
    AtLeastOne, // 至少含一个
    All         // 全部包含
};

struct ExtendedConditions
{
    ValueSetCondition dan; // 胆码
    DanMode danMode = DanMode::AtLeastOne;
    ValueSetCondition kill;           // 杀码
    ValueSetCondition sumExcluded;    // 和值排除, 0..27
    ValueSetCondition spanExcluded;   // 跨度排除, 0..9
    ValueSetCondition sumTail;        // 和尾, 0..9
    ValueSetCondition shape;          // 形态: Shape
    ValueSetCondition run;            // 连号: RunClass
    ValueSetCondition bigSmall;       // 大小形态: patternIndex
    ValueSetCondition oddEven;        // 单双形态
    ValueSetCondition primeComposite; // 质合形态
    ValueSetCondition route;          // 012路形态: routePattern
    ValueSetCondition pairSumTail;    // 两码和尾排除, 0..9
    ValueSetCondition pairDiff;       // 两码差排除, 0..9
    RangeCondition repeat;            // 重号个数, 0..3
    RangeCondition neighbour;         // 邻号个数, 0..3
};

enum Shape
{
    Triple = 0,  // 豹子
    Pair = 1,    // 组三
    Distinct = 2 // 组六
};

enum RunClass
{
    NoRun = 0,   // 无连号
    TwoRun = 1,  // 二连号
    ThreeRun = 2 // 三连号
};

// What the conditions look at in a number 000..999.
struct NumberTraits
{
    std::array<std::uint8_t, 3> digits{};
    std::uint8_t sum = 0, span = 0, ac = 0;
    std::uint8_t odd = 0, big = 0, prime = 0, route0 = 0, route1 = 0; // digit counts
    std::uint8_t shape = 0, run = 0;
    // Position by position, first digit most significant: bit 1 for 大 (5-9),
    // 单, 质 ({1,2,3,5,7}); route: base 3 of digit mod 3.
    std::uint8_t bigSmall = 0, oddEven = 0, primeComposite = 0, route = 0;
    std::uint16_t digitMask = 0;    // bit d: the number holds digit d
    std::uint16_t pairSumTails = 0; // bit t: some pair of positions sums to ...t
    std::uint16_t pairDiffs = 0;    // bit d: some pair of positions differs by d
};

// The table of all 1000 numbers, built on first use.
const NumberTraits& traitsOf(int value);

// The latest draw as the count conditions see it: the digit of each of the
// first three positions (-1 where there is none or it is no digit) and the
// digits it holds. No draw: nothing to match, every count 0.
struct LatestDigits
{
    std::array<int, 3> position{-1, -1, -1};
    std::uint16_t mask = 0;

    static LatestDigits of(const QString& number);
    // 0 .. 1330, one per possible latest draw.
    int key() const { return (position[0] + 1) * 121 + (position[1] + 1) * 11 + (position[2] + 1); }
};

int sameCount(const NumberTraits& number, const LatestDigits& latest);      // same digit in the same place
int repeatCount(const NumberTraits& number, const LatestDigits& latest);    // digit anywhere in the latest
int neighbourCount(const NumberTraits& number, const LatestDigits& latest); // digit one off a latest digit

// The captions of the values of a set condition, in value order ("大小大",
// "021", "豹子", "12"): the texts of its buttons and of a saved scheme.
namespace ExtendedValues {
const QStringList& digits();         // 0 .. 9
const QStringList& sums();           // 0 .. 27
const QStringList& shapes();         // 豹子 组三 组六
const QStringList& runs();           // 无连号 二连号 三连号
const QStringList& bigSmall();       // 8 patterns
const QStringList& oddEven();        // 8 patterns
const QStringList& primeComposite(); // 8 patterns
const QStringList& routes();         // 27 patterns
} // namespace ExtendedValues
