#include "core/ConditionValues.h"

#include "core/HistoryAnalysis.h"
#include "core/Myfunction.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace {

// Lowest and highest of `valueOf` over 000-999: the lists follow the
// functions that compute the values, whatever they count.
ValueSpan overAllNumbers(const std::function<int(const QString&)>& valueOf)
{
    ValueSpan span{INT_MAX, INT_MIN};
    for (int n = 0; n < 1000; ++n) {
        const int value = valueOf(QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')));
        span.low = std::min(span.low, value);
        span.high = std::max(span.high, value);
    }
    return span;
}

} // namespace

namespace ConditionValues {

ValueSpan counts()
{
    return {0, 3};
}

ValueSpan sums()
{
    static const ValueSpan values = overAllNumbers([](const QString& n) { return DigitSum(n); });
    return values;
}

ValueSpan acs()
{
    static const ValueSpan values = overAllNumbers([](const QString& n) { return ACValueOf(n, 3); });
    return values;
}

ValueSpan spans()
{
    static const ValueSpan values = overAllNumbers([](const QString& n) { return SpanOf(n).toInt(); });
    return values;
}

} // namespace ConditionValues
