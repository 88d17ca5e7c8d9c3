#include "tests/reference/PerCandidateQueries.h"

#include "store/RangeBinding.h"

namespace {

const QString kInRange = QStringLiteral("qs>=? and qs<=?");

// The like pattern of the numbers holding `digit`: "%3%".
QString containsDigit(int digit)
{
    return QLatin1Char('%') + QString::number(digit) + QLatin1Char('%');
}

} // namespace

std::vector<int> sumsNeverDrawnPerCandidate(const Database& db, const QString& table, const QString& first,
                                            const QString& last)
{
    Statement query(db, QStringLiteral("select asum from %1 where %2 and Asum=?").arg(table, kInRange));
    std::vector<int> missing;
    for (int sum = 0; sum <= kLargestSum; ++sum) {
        query.reset();
        bindIssueRange(query, first, last).bind(3, sum);
        if (!query.step())
            missing.push_back(sum);
    }
    return missing;
}

QStringList numbersNeverDrawnPerCandidate(const Database& db, const QString& table, const QString& first,
                                          const QString& last)
{
    Statement query(db, QStringLiteral("select allnumber from %1 where %2 and allnumber=?").arg(table, kInRange));
    QStringList missing;
    for (const QString& number : AllNumbers()) {
        query.reset();
        bindIssueRange(query, first, last).bind(3, number);
        if (!query.step())
            missing << number;
    }
    return missing;
}

std::array<int, 10> digitDrawCountsPerCandidate(const Database& db, const QString& table, const QString& first,
                                                const QString& last)
{
    Statement query(db,
                    QStringLiteral("select allnumber from %1 where %2 and allnumber like ?").arg(table, kInRange));
    std::array<int, 10> counts{};
    for (int digit = 0; digit < 10; ++digit) {
        query.reset();
        bindIssueRange(query, first, last).bind(3, containsDigit(digit));
        while (query.step())
            ++counts[digit];
    }
    return counts;
}

std::vector<RepeatedDraw> repeatedNumbersPerCandidate(const Database& db, const QString& table, const QString& first,
                                                      const QString& last)
{
    Statement repeated(db,
                       QStringLiteral("select allnumber, count(allnumber) as 次数 from %1 where %2 group by "
                                      "allnumber having count(allnumber) > 1 order by count(allnumber), allnumber")
                           .arg(table, kInRange));
    bindIssueRange(repeated, first, last);
    Statement issues(db,
                     QStringLiteral("select qs from %1 where allnumber=? and %2 order by qs").arg(table, kInRange));
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
