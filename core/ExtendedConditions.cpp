#include "core/ExtendedConditions.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::uint16_t kPrimeDigits = 0b0010101110; // 1 2 3 5 7

int runClass(std::uint16_t digitMask)
{
    // 9 and 0 are not adjacent: the mask is not wrapped round.
    const std::uint16_t pairs = digitMask & (digitMask >> 1);
    if (pairs & (pairs >> 1))
        return ThreeRun;
    return pairs ? TwoRun : NoRun;
}

NumberTraits traitsFor(int value)
{
    NumberTraits t;
    t.digits = {std::uint8_t(value / 100), std::uint8_t(value / 10 % 10), std::uint8_t(value % 10)};
    const auto [low, high] = std::minmax({t.digits[0], t.digits[1], t.digits[2]});
    t.span = std::uint8_t(high - low);
    std::array<bool, 10> differences{};
    for (int i = 0; i < 3; ++i) {
        const int d = t.digits[i];
        t.sum += std::uint8_t(d);
        t.digitMask |= std::uint16_t(1u << d);
        t.odd += d % 2;
        t.big += d > 4 ? 1 : 0;
        t.prime += (kPrimeDigits >> d) & 1u;
        t.route0 += d % 3 == 0 ? 1 : 0;
        t.route1 += d % 3 == 1 ? 1 : 0;
        t.bigSmall = std::uint8_t(t.bigSmall * 2 + (d > 4 ? 1 : 0));
        t.oddEven = std::uint8_t(t.oddEven * 2 + d % 2);
        t.primeComposite = std::uint8_t(t.primeComposite * 2 + ((kPrimeDigits >> d) & 1u));
        t.route = std::uint8_t(t.route * 3 + d % 3);
        for (int j = i + 1; j < 3; ++j) {
            const int e = t.digits[j];
            differences[std::abs(d - e)] = true;
            t.pairSumTails |= std::uint16_t(1u << ((d + e) % 10));
            t.pairDiffs |= std::uint16_t(1u << std::abs(d - e));
        }
    }
    t.ac = std::uint8_t(std::count(differences.begin(), differences.end(), true));
    const int distinct = std::popcount(unsigned(t.digitMask));
    t.shape = std::uint8_t(distinct == 1 ? Triple : distinct == 2 ? Pair : Distinct);
    t.run = std::uint8_t(runClass(t.digitMask));
    return t;
}

QStringList numbers(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::number(i);
    return list;
}

// The 2^3 patterns of two marks, first position most significant, mark `one`
// for a set bit.
QStringList patterns(QChar zero, QChar one)
{
    QStringList list;
    for (int index = 0; index < 8; ++index) {
        QString text;
        for (int bit = 2; bit >= 0; --bit)
            text += (index >> bit) & 1 ? one : zero;
        list << text;
    }
    return list;
}

} // namespace

const NumberTraits& traitsOf(int value)
{
    static const std::array<NumberTraits, 1000> table = [] {
        std::array<NumberTraits, 1000> all;
        for (int v = 0; v < 1000; ++v)
            all[size_t(v)] = traitsFor(v);
        return all;
    }();
    return table[size_t(value)];
}

LatestDigits LatestDigits::of(const QString& number)
{
    LatestDigits latest;
    for (qsizetype i = 0; i < 3 && i < number.size(); ++i) {
        const char16_t c = number[i].unicode();
        if (c >= u'0' && c <= u'9') {
            latest.position[size_t(i)] = c - u'0';
            latest.mask |= std::uint16_t(1u << (c - u'0'));
        }
    }
    return latest;
}

int sameCount(const NumberTraits& number, const LatestDigits& latest)
{
    int same = 0;
    for (size_t i = 0; i < 3; ++i)
        same += number.digits[i] == latest.position[i] ? 1 : 0;
    return same;
}

int repeatCount(const NumberTraits& number, const LatestDigits& latest)
{
    int count = 0;
    for (std::uint8_t d : number.digits)
        count += (latest.mask >> d) & 1u;
    return count;
}

int neighbourCount(const NumberTraits& number, const LatestDigits& latest)
{
    const unsigned near = ((latest.mask << 1) | (latest.mask >> 1)) & 0x3FFu;
    int count = 0;
    for (std::uint8_t d : number.digits)
        count += (near >> d) & 1u;
    return count;
}

namespace ExtendedValues {
const QStringList& digits()
{
    static const QStringList list = numbers(10);
    return list;
}
const QStringList& sums()
{
    static const QStringList list = numbers(28);
    return list;
}
const QStringList& shapes()
{
    static const QStringList list{QStringLiteral("豹子"), QStringLiteral("组三"), QStringLiteral("组六")};
    return list;
}
const QStringList& runs()
{
    static const QStringList list{QStringLiteral("无连号"), QStringLiteral("二连号"), QStringLiteral("三连号")};
    return list;
}
const QStringList& bigSmall()
{
    static const QStringList list = patterns(u'小', u'大');
    return list;
}
const QStringList& oddEven()
{
    static const QStringList list = patterns(u'双', u'单');
    return list;
}
const QStringList& primeComposite()
{
    static const QStringList list = patterns(u'合', u'质');
    return list;
}
const QStringList& routes()
{
    static const QStringList list = [] {
        QStringList all;
        for (int i = 0; i < 27; ++i)
            all << QString::number(i / 9) + QString::number(i / 3 % 3) + QString::number(i % 3);
        return all;
    }();
    return list;
}
} // namespace ExtendedValues
