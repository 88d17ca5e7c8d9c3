// The analysis windows' and the grid footers' reads: each statistic over an
// issue range in one statement.
// Counting and grouping happen here in C++: the engine's sorter takes seconds
// over a million rows that a plain read of the range delivers in a fraction.
#include "core/NumberText.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "store/RangeBinding.h"


namespace {

const QString kInRange = QStringLiteral("qs>=? and qs<=?");

// A stored number shares the text of its candidate: a million rows then hold
// a thousand strings.
QString sharedNumber(QByteArrayView bytes)
{
    if (const std::optional<int> value = numberValue(bytes))
        return AllNumbers()[*value];
    return QString::fromUtf8(bytes);
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

std::array<int, kHitColumnCount> DrawStore::hitCounts(const QString& start, const QString& end,
                                                      const QString& issueColumn, int positions,
                                                      const QString& table) const
{
    std::array<int, kHitColumnCount> counts{};
    positions = std::min(positions, kHitColumnCount / 10);
    if (positions <= 0)
        return counts;
    // Names reach the text only when they are names we know.
    if (table != tableName(Game::Fucai) && table != tableName(Game::Ticai))
        throw DatabaseError(QStringLiteral("未知的数据表：%1").arg(table));
    if (!drawColumns().contains(issueColumn))
        throw DatabaseError(QStringLiteral("未知的期数列：%1").arg(issueColumn));
    QStringList columns;
    for (int i = 0; i < positions * 10; ++i) {
        const QString name = drawColumns()[1 + i]; // the hit columns follow the issue
        columns << QStringLiteral("Count(%1) as %1").arg(name);
    }
    QString sql = QStringLiteral("select %1 from %2").arg(columns.join(QStringLiteral(", ")), table);
    if (!start.isEmpty()) {
        // The issue index pays for a narrow range; across most of the table
        // one pass straight through the rows is several times faster than a
        // lookup per row. Either way the counts are the same.
        if (coversMostOfTable(table, issueColumn, start, end))
            sql += QStringLiteral(" not indexed");
        sql += QStringLiteral(" where %1>=? and %1<=?").arg(issueColumn);
    }
    Statement query(db(), sql);
    if (!start.isEmpty())
        query.bind(1, start).bind(2, end);
    if (query.step())
        for (int i = 0; i < positions * 10; ++i)
            counts[i] = query.integer(i);
    return counts;
}

namespace {

// A stored number as 0-999, -1 when it is not three digits.
short storedValue(QByteArrayView number)
{
    return short(numberValue(number).value_or(-1));
}

} // namespace

std::vector<short> DrawStore::rangeNumberValues(const QString& start, const QString& end) const
{
    // Read from the read index, already in issue order.
    Statement query(db(), QStringLiteral("select AllNumber from %1 where qs>=? and qs<=? order by qs").arg(table()));
    bindIssueRange(query, start, end);
    std::vector<short> values;
    while (query.step())
        values.push_back(storedValue(query.utf8(0)));
    return values;
}

std::vector<short> DrawStore::numberValuesBefore(const QString& issue, int count) const
{
    Statement query(db(), QStringLiteral("select AllNumber from %1 where qs<? order by qs desc limit ?").arg(table()));
    query.bind(1, issue).bind(2, std::max(0, count));
    std::vector<short> values;
    while (query.step())
        values.push_back(storedValue(query.utf8(0)));
    return values;
}

// Rows are appended in issue order, so the row numbers of the range's first
// and last issue estimate its share of the table; three index probes, however
// long the table.
bool DrawStore::coversMostOfTable(const QString& table, const QString& issueColumn, const QString& start,
                                  const QString& end) const
{
    auto probe = [this](const QString& sql, const QString& bound) {
        Statement query(db(), sql);
        if (!bound.isNull())
            query.bind(1, bound);
        return query.step() && !query.isNull(0) ? qint64(query.integer(0)) : -1;
    };
    const qint64 last = probe(QStringLiteral("select max(rowid) from %1").arg(table), QString());
    const qint64 from =
        probe(QStringLiteral("select rowid from %1 where %2>=? order by %2 limit 1").arg(table, issueColumn), start);
    const qint64 to =
        probe(QStringLiteral("select rowid from %1 where %2<=? order by %2 desc limit 1").arg(table, issueColumn), end);
    if (last <= 0 || from < 0 || to < 0)
        return false;
    return (to - from + 1) * 4 > last;
}
