#include "tests/reference/RangeQueries.h"

#include "store/RangeBinding.h"
#include "tests/reference/ReferenceStatistics.h"

namespace {

const QString kInRange = QStringLiteral("qs>=? and qs<=?");

std::vector<int> readIntegers(Statement& query)
{
    std::vector<int> values;
    while (query.step())
        values.push_back(query.integer(0));
    return values;
}

} // namespace

QStringList drawnNumbers(const Database& db, const QString& table, const QString& first, const QString& last)
{
    Statement query(db, QStringLiteral("select allnumber from %1 where %2").arg(table, kInRange));
    bindIssueRange(query, first, last);
    QStringList numbers;
    while (query.step())
        numbers << query.text(0);
    numbers.removeDuplicates();
    return numbers;
}

std::vector<int> drawnSums(const Database& db, const QString& table, const QString& first, const QString& last)
{
    Statement query(db, QStringLiteral("select distinct Asum from %1 where %2").arg(table, kInRange));
    bindIssueRange(query, first, last);
    return readIntegers(query);
}

std::vector<ValueCount> sumFrequency(const Database& db, const QString& table, const QString& first, const QString& last)
{
    Statement query(db, QStringLiteral("select Asum from %1 where %2").arg(table, kInRange));
    bindIssueRange(query, first, last);
    return CountValues(readIntegers(query));
}

std::vector<ValueCount> spanFrequency(const Database& db, const QString& table, const QString& first, const QString& last)
{
    Statement query(db, QStringLiteral("select kuadu from %1 where %2").arg(table, kInRange));
    bindIssueRange(query, first, last);
    return CountValues(readIntegers(query));
}

std::array<int, 10> digitDrawCounts(const Database& db, const QString& table, const QString& first, const QString& last)
{
    Statement query(db, QStringLiteral("select allnumber from %1 where %2").arg(table, kInRange));
    bindIssueRange(query, first, last);
    std::array<int, 10> counts{};
    while (query.step())
        AddDigitDraw(counts, query.text(0));
    return counts;
}
