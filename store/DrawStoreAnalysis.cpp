// The analysis windows' reads: each statistic over an issue range in one
// statement, plus the one-statement-per-candidate forms kept as a reference.
// Counting and grouping happen here in C++: the engine's sorter takes seconds
// over a million rows that a plain read of the range delivers in a fraction.
#include "store/Database.h"
#include "store/DrawStore.h"
#include "store/RangeBinding.h"

#include <cctype>

namespace {

const QString kInRange = QStringLiteral("qs>=? and qs<=?");

// A stored number shares the text of its candidate: a million rows then hold
// a thousand strings.
QString sharedNumber(QByteArrayView bytes)
{
    if (bytes.size() == 3 && std::isdigit(uchar(bytes[0])) && std::isdigit(uchar(bytes[1])) &&
        std::isdigit(uchar(bytes[2])))
        return AllNumbers()[(bytes[0] - '0') * 100 + (bytes[1] - '0') * 10 + (bytes[2] - '0')];
    return QString::fromUtf8(bytes);
}

// The like pattern of the numbers holding `digit`: "%3%".
QString containsDigit(int digit)
{
    return QLatin1Char('%') + QString::number(digit) + QLatin1Char('%');
}

// One integer column of the range, in no particular order.
std::vector<int> readIntegers(Statement& query)
{
    std::vector<int> values;
    while (query.step())
        values.push_back(query.integer(0));
    return values;
}

} // namespace

std::vector<IssueNumber> DrawStore::issueNumbers(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select qs,allnumber from %1 where %2 order by qs").arg(table(), kInRange));
    bindIssueRange(query, first, last);
    std::vector<IssueNumber> rows;
    while (query.step())
        rows.push_back({query.text(0), sharedNumber(query.utf8(1))});
    return rows;
}

std::vector<IssueValue> DrawStore::issueSpans(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select kuadu,qs from %1 where %2 order by qs").arg(table(), kInRange));
    bindIssueRange(query, first, last);
    std::vector<IssueValue> rows;
    while (query.step())
        rows.push_back({query.text(1), query.integer(0)});
    return rows;
}

QStringList DrawStore::drawnNumbers(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select allnumber from %1 where %2").arg(table(), kInRange));
    bindIssueRange(query, first, last);
    QStringList numbers;
    while (query.step())
        numbers << sharedNumber(query.utf8(0));
    numbers.removeDuplicates();
    return numbers;
}

std::vector<int> DrawStore::drawnSums(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select distinct Asum from %1 where %2").arg(table(), kInRange));
    bindIssueRange(query, first, last);
    return readIntegers(query);
}

std::vector<ValueCount> DrawStore::sumFrequency(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select Asum from %1 where %2").arg(table(), kInRange));
    bindIssueRange(query, first, last);
    return CountValues(readIntegers(query));
}

std::vector<ValueCount> DrawStore::spanFrequency(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select kuadu from %1 where %2").arg(table(), kInRange));
    bindIssueRange(query, first, last);
    return CountValues(readIntegers(query));
}

std::array<int, 10> DrawStore::digitDrawCounts(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select allnumber from %1 where %2").arg(table(), kInRange));
    bindIssueRange(query, first, last);
    std::array<int, 10> counts{};
    while (query.step())
        AddDigitDraw(counts, sharedNumber(query.utf8(0)));
    return counts;
}

std::vector<int> DrawStore::sumsNeverDrawnPerCandidate(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select asum from %1 where %2 and Asum=?").arg(table(), kInRange));
    std::vector<int> missing;
    for (int sum = 0; sum <= kLargestSum; ++sum) {
        query.reset();
        bindIssueRange(query, first, last).bind(3, sum);
        if (!query.step())
            missing.push_back(sum);
    }
    return missing;
}

QStringList DrawStore::numbersNeverDrawnPerCandidate(const QString& first, const QString& last) const
{
    Statement query(db(), QStringLiteral("select allnumber from %1 where %2 and allnumber=?").arg(table(), kInRange));
    QStringList missing;
    for (const QString& number : AllNumbers()) {
        query.reset();
        bindIssueRange(query, first, last).bind(3, number);
        if (!query.step())
            missing << number;
    }
    return missing;
}

std::array<int, 10> DrawStore::digitDrawCountsPerCandidate(const QString& first, const QString& last) const
{
    Statement query(db(),
                    QStringLiteral("select allnumber from %1 where %2 and allnumber like ?").arg(table(), kInRange));
    std::array<int, 10> counts{};
    for (int digit = 0; digit < 10; ++digit) {
        query.reset();
        bindIssueRange(query, first, last).bind(3, containsDigit(digit));
        while (query.step())
            ++counts[digit];
    }
    return counts;
}

std::vector<RepeatedDraw> DrawStore::repeatedNumbersPerCandidate(const QString& first, const QString& last) const
{
    Statement repeated(db(),
                       QStringLiteral("select allnumber, count(allnumber) as 次数 from %1 where %2 group by "
                                      "allnumber having count(allnumber) > 1 order by count(allnumber), allnumber")
                           .arg(table(), kInRange));
    bindIssueRange(repeated, first, last);
    Statement issues(db(),
                     QStringLiteral("select qs from %1 where allnumber=? and %2 order by qs").arg(table(), kInRange));
    std::vector<RepeatedDraw> rows;
    while (repeated.step()) {
        const QString number = repeated.text(0);
        issues.reset();
        issues.bind(1, number);
        bindIssueRange(issues, first, last, 2);
        while (issues.step())
            rows.push_back({issues.text(0), number, repeated.integer(1)});
    }
    return rows;
}
