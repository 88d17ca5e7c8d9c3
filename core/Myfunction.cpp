#include "core/Myfunction.h"

#include "core/ConversionError.h"
#include "core/DrawLookup.h"

#include <array>

namespace {

const QChar kColon(0xFF1A); // full-width colon of the ratio texts

int countOf(const QString& number, QStringView digits)
{
    int count = 0;
    for (QChar c : number)
        if (digits.contains(c))
            ++count;
    return count;
}

bool countInTextRange(int count, const QString& low, const QString& high)
{
    return toIntStrict(low) <= count && count <= toIntStrict(high);
}

int oddCount(const QString& number)
{
    int count = 0;
    for (QChar c : number)
        count += DigitValue(c) % 2;
    return count;
}

int bigCount(const QString& number)
{
    int count = 0;
    for (QChar c : number)
        count += DigitValue(c) > 4 ? 1 : 0;
    return count;
}

} // namespace

int DigitValue(QChar c)
{
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        throw ConversionError(QString(c));
    return c.unicode() - '0';
}

QString SpanOf(const QString& number)
{
    if (number.size() < 3)
        throw ConversionError(number);
    const int d1 = DigitValue(number[0]), d2 = DigitValue(number[1]), d3 = DigitValue(number[2]);
    int max = d1 >= d2 ? d1 : d2;
    int min = d1 >= d2 ? d2 : d1;
    if (d3 >= max)
        max = d3;
    else if (d3 < min)
        min = d3;
    return QString::number(max - min);
}

bool SpanInRange(const QString& number, const QString& low, const QString& high)
{
    // Compared as text on purpose: the offered bounds are single digits.
    const QString span = SpanOf(number);
    return span >= low && span <= high;
}

bool Route0CountInRange(const QString& number, const QString& low, const QString& high)
{
    return countInTextRange(countOf(number, u"0369"), low, high);
}

bool Route1CountInRange(const QString& number, const QString& low, const QString& high)
{
    return countInTextRange(countOf(number, u"147"), low, high);
}

bool PrimeCountInRange(const QString& number, const QString& low, const QString& high)
{
    return countInTextRange(PrimeCount(number), low, high);
}

int PrimeCount(const QString& number)
{
    return countOf(number, u"12357");
}

QString OddEvenPattern(const QString& number)
{
    QString pattern;
    for (QChar c : number)
        pattern += DigitValue(c) % 2 == 1 ? QStringLiteral("单") : QStringLiteral("双");
    return pattern;
}

QString BigSmallPattern(const QString& number)
{
    QString pattern;
    for (QChar c : number)
        pattern += DigitValue(c) < 5 ? QStringLiteral("小") : QStringLiteral("大");
    return pattern;
}

QString OddEvenRatio(const QString& number)
{
    const int odd = oddCount(number);
    return QString::number(odd) + kColon + QString::number(number.size() - odd);
}

QString BigSmallRatio(const QString& number)
{
    const int big = bigCount(number);
    return QString::number(big) + kColon + QString::number(number.size() - big);
}

int ACValueOf(const QString& number, int n)
{
    if (n > number.size())
        throw ConversionError(number);
    std::array<bool, 10> seen{};
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            seen[std::abs(DigitValue(number[j]) - DigitValue(number[i]))] = true;
    int distinct = 0;
    for (bool s : seen)
        distinct += s ? 1 : 0;
    return distinct;
}

bool ValueInRange(int value, int start, int count)
{
    return count >= 0 && start <= value && value <= start + count;
}

bool ACValueInRange(const QString& number, int start, int count, int n)
{
    return ValueInRange(ACValueOf(number, n), start, count);
}

bool OddCountInRange(const QString& number, int start, int count)
{
    return ValueInRange(DigitValue(OddEvenRatio(number)[0]), start, count);
}

bool BigCountInRange(const QString& number, int start, int count)
{
    return ValueInRange(DigitValue(BigSmallRatio(number)[0]), start, count);
}

int SameToLastCount(const QString& number, const QString& previousNumber, const QString& issue,
                    const DrawLookup& lookup)
{
    QString comparison = previousNumber;
    if (comparison.isEmpty())
        comparison = issue.isEmpty() ? lookup.latestNumber() : lookup.numberOfIssue(issue);
    if (comparison.isEmpty())
        return 0;
    int same = 0;
    for (qsizetype i = 0; i < number.size() && i < comparison.size(); ++i)
        if (number[i] == comparison[i])
            ++same;
    return same;
}

bool SameToLastInRange(const QString& number, const QString& previousNumber, int start, int count,
                       const DrawLookup& lookup)
{
    return ValueInRange(SameToLastCount(number, previousNumber, QString(), lookup), start, count);
}
