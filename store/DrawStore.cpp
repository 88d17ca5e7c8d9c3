#include "store/DrawStore.h"

#include "core/ConversionError.h"
#include "core/HistoryCheck.h"
#include "core/IssueArithmetic.h"
#include "store/Database.h"
#include "store/DrawRow.h"
#include "store/DrawSchema.h"
#include "store/FileReplace.h"
#include "store/RangeBinding.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <numeric>

const QString DrawStore::kKey = QStringLiteral("qemxoda");
const QString DrawStore::kFileName = QStringLiteral("db1.mdb");
const QString DrawStore::kBackupName = QStringLiteral("备份数据.mdb");

namespace {

// Column positions in drawColumns() order.
enum Column
{
    Qs = 0,
    FirstHit = 1,
    Asum = 31,
    Ascale,
    Alarge,
    AcValue,
    SameToLast,
    Kuadu,
    Zhishu,
    AllNumber,
    SingleString,
    LargeString,
    ColumnCount
};

void bindColumn(Statement& statement, int position, const DrawRecord& record, int column)
{
    switch (column) {
    case Qs:
        statement.bind(position, record.qs);
        return;
    case Asum:
        statement.bind(position, record.asum);
        return;
    case Ascale:
        statement.bind(position, record.ascale);
        return;
    case Alarge:
        statement.bind(position, record.alarge);
        return;
    case AcValue:
        statement.bind(position, record.acValue);
        return;
    case SameToLast:
        statement.bind(position, record.sameToLast);
        return;
    case Kuadu:
        statement.bind(position, record.kuadu);
        return;
    case Zhishu:
        statement.bind(position, record.zhishu);
        return;
    case AllNumber:
        statement.bind(position, record.allNumber);
        return;
    case SingleString:
        statement.bind(position, record.singleString);
        return;
    case LargeString:
        statement.bind(position, record.largeString);
        return;
    default:
        statement.bind(position, record.hits[size_t(column - FirstHit)]);
    }
}

const QString& columnList()
{
    static const QString list = drawColumns().join(QStringLiteral(", "));
    return list;
}

// Columns are named rather than taken by "*", so a file whose columns were
// laid out in another order still reads correctly or fails loudly.
QString selectRows(const QString& table, const QString& where)
{
    return QStringLiteral("select %1 from %2 where %3").arg(columnList(), table, where);
}

DrawRecord readRecord(const Statement& row)
{
    DrawRecord record;
    record.qs = row.text(Qs);
    for (int i = 0; i < kHitColumnCount; ++i)
        record.hits[i] = row.text(FirstHit + i);
    record.asum = row.integer(Asum);
    record.ascale = row.text(Ascale);
    record.alarge = row.text(Alarge);
    record.acValue = row.integer(AcValue);
    record.sameToLast = row.integer(SameToLast);
    record.kuadu = row.integer(Kuadu);
    record.zhishu = row.integer(Zhishu);
    record.allNumber = row.text(AllNumber);
    record.singleString = row.text(SingleString);
    record.largeString = row.text(LargeString);
    return record;
}

} // namespace

DrawStore::DrawStore(const QString& path) : m_path(path)
{
    connect();
}

DrawStore::~DrawStore() = default;

void DrawStore::connect()
{
    auto db = std::make_unique<Database>(m_path, kKey, Database::Mode::OpenExisting);
    requireOwnSchema(*db);
    completeSchema(*db);
    m_db = std::move(db);
}

quint64 DrawStore::revision() const
{
    Statement version(db(), QStringLiteral("pragma data_version"));
    const quint64 others = version.step() ? quint64(version.integer(0)) : 0;
    return (others << 32) | quint32(db().totalChanges());
}

Database& DrawStore::db() const
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("数据库未连接，请重新启动程序 (%1)").arg(m_path));
    return *m_db;
}

QStringList DrawStore::issueList() const
{
    Statement query(db(), QStringLiteral("select qs from %1 order by qs").arg(table()));
    QStringList issues;
    while (query.step())
        issues << query.text(0);
    return issues;
}

int DrawStore::issueWidth() const
{
    Statement query(db(), QStringLiteral("select length(qs), count(*) from %1 group by length(qs) "
                                         "order by count(*) desc, length(qs) limit 1")
                              .arg(table()));
    return query.step() ? query.integer(0) : 0;
}

IssueList DrawStore::packedIssueList() const
{
    IssueList issues;
    Statement query(db(), QStringLiteral("select qs from %1 order by qs").arg(table()));
    while (query.step())
        issues.append(query.text(0));
    issues.squeeze();
    return issues;
}

std::vector<DrawRecord> DrawStore::range(const QString& start, const QString& end, bool descending) const
{
    Statement query(db(), selectRows(table(), QStringLiteral("qs>=? and qs<=? order by qs")) +
                              (descending ? QStringLiteral(" desc") : QString()));
    // An empty start binds '' rather than NULL: every issue is >= ''.
    bindIssueRange(query, start, end);
    std::vector<DrawRecord> records;
    while (query.step())
        records.push_back(readRecord(query));
    return records;
}

int DrawStore::rangeCount(const QString& start, const QString& end) const
{
    Statement query(db(), QStringLiteral("select count(*) from %1 where qs>=? and qs<=?").arg(table()));
    bindIssueRange(query, start, end);
    return query.step() ? query.integer(0) : 0;
}

std::vector<DrawRecord> DrawStore::rangePage(const QString& start, const QString& end, bool descending, int offset,
                                             int limit) const
{
    Statement query(db(), selectRows(table(), QStringLiteral("qs>=? and qs<=? order by qs%1 limit ? offset ?")
                                                  .arg(descending ? QStringLiteral(" desc") : QString())));
    bindIssueRange(query, start, end).bind(3, limit).bind(4, offset);
    std::vector<DrawRecord> records;
    records.reserve(std::max(0, limit));
    while (query.step())
        records.push_back(readRecord(query));
    return records;
}

std::vector<DrawPoint> DrawStore::rangePoints(const QString& start, const QString& end) const
{
    Statement query(
        db(), QStringLiteral("select qs, AllNumber, Asum from %1 where qs>=? and qs<=? order by qs").arg(table()));
    bindIssueRange(query, start, end);
    std::vector<DrawPoint> points;
    while (query.step())
        points.push_back({query.text(0), query.text(1), query.integer(2)});
    return points;
}

std::vector<DrawPoint> DrawStore::latestPoints(int count) const
{
    Statement query(db(), QStringLiteral("select qs, AllNumber, Asum from %1 order by qs desc limit ?").arg(table()));
    query.bind(1, std::max(0, count));
    std::vector<DrawPoint> points;
    while (query.step())
        points.push_back({query.text(0), query.text(1), query.integer(2)});
    std::reverse(points.begin(), points.end());
    return points;
}

std::optional<DrawRecord> DrawStore::oneIssue(const QString& issue) const
{
    Statement query(db(), selectRows(table(), QStringLiteral("qs=?")));
    query.bind(1, issue);
    if (!query.step())
        return std::nullopt;
    return readRecord(query);
}

bool DrawStore::issueExists(const QString& issue) const
{
    Statement query(db(), QStringLiteral("select qs from %1 where qs=?").arg(table()));
    query.bind(1, issue);
    return query.step();
}

int DrawStore::count() const
{
    Statement query(db(), QStringLiteral("select count(*) from %1").arg(table()));
    return query.step() ? query.integer(0) : 0;
}

QString DrawStore::latestNumber() const
{
    // Walks the issue index from its end: constant time at any history size.
    Statement query(db(), QStringLiteral("select AllNumber from %1 order by qs desc limit 1").arg(table()));
    return query.step() ? query.text(0) : QString();
}

QString DrawStore::numberOfIssue(const QString& issue) const
{
    Statement query(db(), QStringLiteral("select AllNumber from %1 where qs=?").arg(table()));
    query.bind(1, issue);
    return query.step() ? query.text(0) : QString();
}

QString drawInsertSql(const QString& table)
{
    QStringList marks;
    for (int i = 0; i < ColumnCount; ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("insert into %1 (%2) values (%3)").arg(table, columnList(), marks.join(QStringLiteral(", ")));
}

void bindDrawRecord(Statement& insert, const DrawRecord& record)
{
    for (int column = 0; column < ColumnCount; ++column)
        bindColumn(insert, 1 + column, record, column);
}

void DrawStore::append(const DrawRecord& record)
{
    Transaction transaction(db());
    Statement insert(db(), drawInsertSql(table()));
    bindDrawRecord(insert, record);
    insert.step();
    transaction.commit();
}

std::optional<DrawRecord> DrawStore::appendNew(const QString& issue, const QString& number)
{
    Transaction transaction(db());
    if (issueExists(issue))
        return std::nullopt;
    // The previous draw is found by the previous issue, never by position: a
    // first issue of a new run, or one entered out of order, compares with nothing.
    const QString previous = previousIssue(issue);
    const DrawRecord record =
        deriveDrawRecord(issue, number, previous.isEmpty() ? QString() : numberOfIssue(previous));
    Statement insert(db(), drawInsertSql(table()));
    bindDrawRecord(insert, record);
    insert.step();
    transaction.commit();
    return record;
}

std::vector<DrawRecord> DrawStore::allRecords() const
{
    Statement query(db(), QStringLiteral("select %1 from %2 order by qs").arg(columnList(), table()));
    std::vector<DrawRecord> records;
    while (query.step())
        records.push_back(readRecord(query));
    return records;
}

// Writes every column but the issue into the row(s) of record.qs.
void DrawStore::updateDerived(const DrawRecord& record)
{
    QStringList sets;
    for (int column = FirstHit; column < ColumnCount; ++column)
        sets << drawColumns()[column] + QStringLiteral("=?");
    Statement update(db(), QStringLiteral("update %1 set %2 where qs=?").arg(table(), sets.join(QStringLiteral(", "))));
    for (int column = FirstHit; column < ColumnCount; ++column)
        bindColumn(update, column, record, column);
    update.bind(ColumnCount, record.qs);
    update.step();
}

int DrawStore::rederiveAll()
{
    Transaction transaction(db());
    const std::vector<DrawRecord> records = allRecords();
    QHash<QString, QString> numbers;
    for (const DrawRecord& record : records)
        numbers.insert(record.qs, record.allNumber);
    const auto numberOf = [&numbers](const QString& issue) { return numbers.value(issue); };
    int changed = 0;
    for (const DrawRecord& record : records) {
        if (!isDrawNumber(record.allNumber))
            continue; // nothing to derive from; the check lists it
        const DrawRecord fresh = rederived(record, numberOf);
        if (fresh != record) {
            updateDerived(fresh);
            ++changed;
        }
    }
    transaction.commit();
    return changed;
}

void DrawStore::changeNumber(const QString& issue, const QString& number)
{
    if (!isDrawNumber(number))
        throw ConversionError(number);
    if (!issueExists(issue))
        throw DatabaseError(QStringLiteral("期号 %1 不存在").arg(issue));
    Transaction transaction(db());
    // An issue that is no number has no neighbours to compare with.
    const bool countable = isCountableIssue(issue);
    const QString previous = countable ? previousIssue(issue) : QString();
    updateDerived(deriveDrawRecord(issue, number, previous.isEmpty() ? QString() : numberOfIssue(previous)));
    // The next draw counted its same digits against the old number.
    const QString next = countable ? nextIssue(issue) : QString();
    if (const std::optional<DrawRecord> following = oneIssue(next); following && isDrawNumber(following->allNumber))
        updateDerived(deriveDrawRecord(next, following->allNumber, number));
    transaction.commit();
}

WidthRepair DrawStore::unifyIssueWidth()
{
    Transaction transaction(db());
    const WidthRepair repair = planWidthRepair(issueList(), issueWidth(), game());
    if (!repair.conflicts.isEmpty() || repair.renames.empty())
        return repair;
    Statement rename(db(), QStringLiteral("update %1 set qs=? where qs=?").arg(table()));
    QSet<QString> touched;
    for (const IssueRename& issue : repair.renames) {
        rename.reset();
        rename.bind(1, issue.to).bind(2, issue.from);
        rename.step();
        touched.insert(issue.to);
        // The next draw counted its same digits against nothing while its
        // predecessor had the other width.
        if (isCountableIssue(issue.to))
            touched.insert(nextIssue(issue.to));
    }
    const std::vector<DrawRecord> records = allRecords();
    QHash<QString, QString> numbers;
    for (const DrawRecord& record : records)
        numbers.insert(record.qs, record.allNumber);
    const auto numberOf = [&numbers](const QString& issue) { return numbers.value(issue); };
    for (const DrawRecord& record : records) {
        if (!touched.contains(record.qs) || !isDrawNumber(record.allNumber))
            continue;
        if (const DrawRecord fresh = rederived(record, numberOf); fresh != record)
            updateDerived(fresh);
    }
    transaction.commit();
    return repair;
}

void DrawStore::deleteAll()
{
    db().exec(QStringLiteral("delete from %1").arg(table()));
}

int DrawStore::deleteIssue(const QString& issue)
{
    Statement remove(db(), QStringLiteral("delete from %1 where qs=?").arg(table()));
    remove.bind(1, issue);
    remove.step();
    return db().changes();
}

std::vector<DrawnNumber> DrawStore::numbersInRange(const QString& from, const QString& to) const
{
    Statement query(db(),
                    QStringLiteral("select allNumber,qs from %1 where qs >= ? and qs <= ? order by qs").arg(table()));
    bindIssueRange(query, from, to);
    std::vector<DrawnNumber> numbers;
    while (query.step())
        numbers.push_back({query.text(1), query.text(0)});
    return numbers;
}
