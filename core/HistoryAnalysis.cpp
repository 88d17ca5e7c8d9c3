#include "core/HistoryAnalysis.h"

#include "core/Myfunction.h"

#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

// Positions of `current` whose digit meets `related` with some digit of `previous`.
int positionsRelated(const QString& current, const QString& previous, const std::function<bool(int, int)>& related)
{
    int count = 0;
    for (QChar c : current) {
        const int x = DigitValue(c);
        for (QChar p : previous)
            if (related(x, DigitValue(p))) {
                ++count; // a position counts once
                break;
            }
    }
    return count;
}

int countDigits(const QString& number, bool (*member)(int))
{
    int count = 0;
    for (QChar c : number)
        count += member(DigitValue(c)) ? 1 : 0;
    return count;
}

int sumDigits(const QString& number, bool (*member)(int))
{
    int sum = 0;
    for (QChar c : number) {
        const int digit = DigitValue(c);
        sum += member(digit) ? digit : 0;
    }
    return sum;
}

bool isOdd(int d)
{
    return d % 2 == 1;
}
bool isEven(int d)
{
    return d % 2 == 0;
}
bool isBig(int d)
{
    return d >= 5;
}
bool isSmall(int d)
{
    return d <= 4;
}
bool isAny(int)
{
    return true;
}

// Column of the odd/even pattern among the computed columns.
constexpr int kPatternColumn = 9;

} // namespace

int RiseByOneCount(const QString& current, const QString& previous)
{
    return positionsRelated(current, previous, [](int x, int y) { return y == x - 1; });
}

int FallByOneCount(const QString& current, const QString& previous)
{
    return positionsRelated(current, previous, [](int x, int y) { return y == x + 1; });
}

int FarDigitCount(const QString& current, const QString& previous)
{
    return positionsRelated(current, previous, [](int x, int y) { return std::abs(x - y) >= 2; });
}

QString OddEvenBits(const QString& number)
{
    QString bits;
    for (QChar c : number)
        bits += isOdd(DigitValue(c)) ? QLatin1Char('1') : QLatin1Char('0');
    return bits;
}

int OddDigitCount(const QString& number)
{
    return countDigits(number, isOdd);
}
int EvenDigitCount(const QString& number)
{
    return countDigits(number, isEven);
}
int BigDigitCount(const QString& number)
{
    return countDigits(number, isBig);
}
int SmallDigitCount(const QString& number)
{
    return countDigits(number, isSmall);
}
int BigOddCount(const QString& number)
{
    return countDigits(number, [](int d) { return isBig(d) && isOdd(d); });
}
int SmallOddCount(const QString& number)
{
    return countDigits(number, [](int d) { return isSmall(d) && isOdd(d); });
}
int BigEvenCount(const QString& number)
{
    return countDigits(number, [](int d) { return isBig(d) && isEven(d); });
}
int SmallEvenCount(const QString& number)
{
    return countDigits(number, [](int d) { return isSmall(d) && isEven(d); });
}
int BigDigitSum(const QString& number)
{
    return sumDigits(number, isBig);
}
int SmallDigitSum(const QString& number)
{
    return sumDigits(number, isSmall);
}
int OddDigitSum(const QString& number)
{
    return sumDigits(number, isOdd);
}
int EvenDigitSum(const QString& number)
{
    return sumDigits(number, isEven);
}
int DigitSum(const QString& number)
{
    return sumDigits(number, isAny);
}

int RoundedMean(int sum)
{
    return int(std::lround(sum / 3.0));
}

std::vector<AnalysisRow> AnalyseHistory(const std::vector<IssueNumber>& draws)
{
    std::vector<AnalysisRow> rows;
    rows.reserve(draws.size());
    const QString* previous = nullptr;
    for (const IssueNumber& draw : draws) {
        const QString& n = draw.number;
        const int rise = previous ? RiseByOneCount(n, *previous) : 0;
        const int far = previous ? FarDigitCount(n, *previous) : 0;
        const int fall = previous ? FallByOneCount(n, *previous) : 0;
        int pattern = 0;
        for (QChar bit : OddEvenBits(n))
            pattern = pattern * 2 + (bit == QLatin1Char('1') ? 1 : 0);
        const int sum = DigitSum(n);
        const int columns[] = {rise,
                               far,
                               fall,
                               rise,
                               fall + rise,
                               OddDigitCount(n),
                               EvenDigitCount(n),
                               pattern,
                               BigOddCount(n),
                               SmallOddCount(n),
                               BigEvenCount(n),
                               SmallEvenCount(n),
                               BigDigitCount(n),
                               SmallDigitCount(n),
                               BigDigitSum(n),
                               SmallDigitSum(n),
                               OddDigitSum(n),
                               EvenDigitSum(n),
                               PrimeCount(n),
                               sum,
                               RoundedMean(sum)};
        AnalysisRow row;
        for (size_t i = 0; i < row.values.size(); ++i)
            row.values[i] = quint8(columns[i]);
        rows.push_back(row);
        previous = &n;
    }
    return rows;
}

QString AnalysisColumnText(const AnalysisRow& row, int column)
{
    const int value = row.values[column - kFirstComputedColumn];
    if (column == kPatternColumn) {
        QString bits;
        for (int shift = 2; shift >= 0; --shift)
            bits += (value >> shift) & 1 ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    }
    return QString::number(value);
}
