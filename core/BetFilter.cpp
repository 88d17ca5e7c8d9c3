#include "core/BetFilter.h"

#include <algorithm>

namespace {

bool inRange(const RangeCondition& c, int value)
{
    return c.low <= value && value <= c.high;
}

const RangeCondition* rangeOf(ConditionId id, const GenerationConditions& c)
{
    switch (id) {
    case ConditionId::Sum:
        return &c.sum;
    case ConditionId::Odd:
        return &c.odd;
    case ConditionId::Big:
        return &c.big;
    case ConditionId::Ac:
        return &c.ac;
    case ConditionId::Same:
        return &c.same;
    case ConditionId::Span:
        return &c.span;
    case ConditionId::Prime:
        return &c.prime;
    case ConditionId::Route0:
        return &c.route0;
    case ConditionId::Route1:
        return &c.route1;
    case ConditionId::Repeat:
        return &c.extended.repeat;
    case ConditionId::Neighbour:
        return &c.extended.neighbour;
    default:
        return nullptr;
    }
}

const ValueSetCondition* setOf(ConditionId id, const ExtendedConditions& e)
{
    switch (id) {
    case ConditionId::Dan:
        return &e.dan;
    case ConditionId::Kill:
        return &e.kill;
    case ConditionId::SumExcluded:
        return &e.sumExcluded;
    case ConditionId::SpanExcluded:
        return &e.spanExcluded;
    case ConditionId::SumTail:
        return &e.sumTail;
    case ConditionId::Shape:
        return &e.shape;
    case ConditionId::Run:
        return &e.run;
    case ConditionId::BigSmall:
        return &e.bigSmall;
    case ConditionId::OddEven:
        return &e.oddEven;
    case ConditionId::PrimeComposite:
        return &e.primeComposite;
    case ConditionId::Route:
        return &e.route;
    case ConditionId::PairSumTail:
        return &e.pairSumTail;
    case ConditionId::PairDiff:
        return &e.pairDiff;
    default:
        return nullptr;
    }
}

} // namespace

QString conditionName(ConditionId id)
{
    static const char16_t* const names[kConditionCount] = {
        u"和值范围",     u"奇数限制",   u"大数限制", u"AC值范围", u"同号个数", u"跨度限制", u"质数限制",
        u"0 路限制",     u"1 路限制",   u"单个和值", u"胆码",     u"杀码",     u"和值排除", u"跨度排除",
        u"和尾",         u"形态",       u"连号",     u"大小形态", u"单双形态", u"质合形态", u"012路形态",
        u"两码和尾排除", u"两码差排除", u"重号个数", u"邻号个数"};
    return QString::fromUtf16(names[int(id)]);
}

bool dependsOnLatest(ConditionId id)
{
    return id == ConditionId::Same || id == ConditionId::Repeat || id == ConditionId::Neighbour;
}

std::vector<ConditionId> tickedConditions(const GenerationConditions& c)
{
    std::vector<ConditionId> ticked;
    for (int i = 0; i < kConditionCount; ++i) {
        const auto id = ConditionId(i);
        const RangeCondition* range = rangeOf(id, c);
        const ValueSetCondition* set = setOf(id, c.extended);
        if ((range && range->ticked) || (set && set->ticked) || (id == ConditionId::SingleSums && c.singleSums))
            ticked.push_back(id);
    }
    return ticked;
}

bool conditionHolds(ConditionId id, const GenerationConditions& c, const NumberTraits& t, const LatestDigits& latest)
{
    const ExtendedConditions& e = c.extended;
    switch (id) {
    case ConditionId::Sum:
        return inRange(c.sum, t.sum);
    case ConditionId::Odd:
        return inRange(c.odd, t.odd);
    case ConditionId::Big:
        return inRange(c.big, t.big);
    case ConditionId::Ac:
        return inRange(c.ac, t.ac);
    case ConditionId::Same:
        return inRange(c.same, sameCount(t, latest));
    case ConditionId::Span:
        return inRange(c.span, t.span);
    case ConditionId::Prime:
        return inRange(c.prime, t.prime);
    case ConditionId::Route0:
        return inRange(c.route0, t.route0);
    case ConditionId::Route1:
        return inRange(c.route1, t.route1);
    case ConditionId::SingleSums:
        return !c.singleSums || std::find(c.singleSums->begin(), c.singleSums->end(), t.sum) != c.singleSums->end();
    case ConditionId::Dan: {
        const unsigned held = t.digitMask & e.dan.values;
        return e.danMode == DanMode::All ? held == e.dan.values : held != 0;
    }
    case ConditionId::Kill:
        return (t.digitMask & e.kill.values) == 0;
    case ConditionId::SumExcluded:
        return !e.sumExcluded.has(t.sum);
    case ConditionId::SpanExcluded:
        return !e.spanExcluded.has(t.span);
    case ConditionId::SumTail:
        return e.sumTail.has(t.sum % 10);
    case ConditionId::Shape:
        return e.shape.has(t.shape);
    case ConditionId::Run:
        return e.run.has(t.run);
    case ConditionId::BigSmall:
        return e.bigSmall.has(t.bigSmall);
    case ConditionId::OddEven:
        return e.oddEven.has(t.oddEven);
    case ConditionId::PrimeComposite:
        return e.primeComposite.has(t.primeComposite);
    case ConditionId::Route:
        return e.route.has(t.route);
    case ConditionId::PairSumTail:
        return (t.pairSumTails & e.pairSumTail.values) == 0;
    case ConditionId::PairDiff:
        return (t.pairDiffs & e.pairDiff.values) == 0;
    case ConditionId::Repeat:
        return inRange(e.repeat, repeatCount(t, latest));
    case ConditionId::Neighbour:
        return inRange(e.neighbour, neighbourCount(t, latest));
    }
    return true;
}

BetFilter::BetFilter(const GenerationConditions& conditions) : m_conditions(conditions)
{
    std::vector<ConditionId> fixed;
    for (ConditionId id : tickedConditions(conditions))
        (dependsOnLatest(id) ? m_latestConditions : fixed).push_back(id);
    const LatestDigits none;
    for (int value = 0; value < 1000; ++value) {
        const NumberTraits& t = traitsOf(value);
        m_fixed[size_t(value)] = std::all_of(fixed.begin(), fixed.end(),
                                             [&](ConditionId id) { return conditionHolds(id, conditions, t, none); });
    }
}

QString conditionHint(ConditionId id)
{
    switch (id) {
    case ConditionId::Sum:
        return QStringLiteral("只保留三个数字之和在所选范围内的号码");
    case ConditionId::Odd:
        return QStringLiteral("只保留奇数（1 3 5 7 9）个数在所选范围内的号码");
    case ConditionId::Big:
        return QStringLiteral("只保留大数（5-9）个数在所选范围内的号码");
    case ConditionId::Ac:
        return QStringLiteral("只保留AC值（三个数字两两之差有几种）在所选范围内的号码");
    case ConditionId::Same:
        return QStringLiteral("只保留与最新一期同位相同的数字个数在所选范围内的号码");
    case ConditionId::Span:
        return QStringLiteral("只保留跨度（最大数字减最小数字）在所选范围内的号码");
    case ConditionId::Prime:
        return QStringLiteral("只保留质数（1 2 3 5 7）个数在所选范围内的号码");
    case ConditionId::Route0:
        return QStringLiteral("只保留0路数字（0 3 6 9）个数在所选范围内的号码");
    case ConditionId::Route1:
        return QStringLiteral("只保留1路数字（1 4 7）个数在所选范围内的号码");
    case ConditionId::SingleSums:
        return QStringLiteral("只保留和值为所填各值之一的号码，和值之间用逗号隔开");
    case ConditionId::Dan:
        return QStringLiteral("只保留含有所选胆码的号码（含任一个或全部含有）");
    case ConditionId::Kill:
        return QStringLiteral("去掉含有所选数字的号码");
    case ConditionId::SumExcluded:
        return QStringLiteral("去掉和值为所选值的号码");
    case ConditionId::SpanExcluded:
        return QStringLiteral("去掉跨度为所选值的号码");
    case ConditionId::SumTail:
        return QStringLiteral("只保留和值个位为所选数字的号码");
    case ConditionId::Shape:
        return QStringLiteral("只保留所选形态（豹子、组三、组六）的号码");
    case ConditionId::Run:
        return QStringLiteral("按连号情况（无连号、二连号、三连号）只保留所选的号码");
    case ConditionId::BigSmall:
        return QStringLiteral("只保留百十个位大小排列为所选形态的号码");
    case ConditionId::OddEven:
        return QStringLiteral("只保留百十个位单双排列为所选形态的号码");
    case ConditionId::PrimeComposite:
        return QStringLiteral("只保留百十个位质合排列为所选形态的号码");
    case ConditionId::Route:
        return QStringLiteral("只保留百十个位012路排列为所选形态的号码");
    case ConditionId::PairSumTail:
        return QStringLiteral("去掉任意两位之和的个位为所选数字的号码");
    case ConditionId::PairDiff:
        return QStringLiteral("去掉任意两位之差为所选数字的号码");
    case ConditionId::Repeat:
        return QStringLiteral("只保留含有最新一期数字（重号）的个数在所选范围内的号码");
    case ConditionId::Neighbour:
        return QStringLiteral("只保留含有最新一期数字±1（邻号）的个数在所选范围内的号码");
    }
    return {};
}
