#include "store/DrawStore.h"

#include "core/ConversionError.h"
#include "core/HistoryCheck.h"
#include "core/IssueArithmetic.h"
#include "store/Database.h"
#include "store/DrawRow.h"
#include "store/DrawSchema.h"
#include "store/FileReplace.h"
#include "store/RangeBinding.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <numeric>
#include <sqlite3.h>

const QString DrawStore::kKey = QStringLiteral("qemxoda");
const QString DrawStore::kFileName = QStringLiteral("db1.mdb");
const QString DrawStore::kBackupName = QStringLiteral("备份数据.mdb");

namespace {

constexpr Game kGames[] = {Game::Fucai, Game::Ticai};

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

bool isIntegerColumn(const QString& name)
{
    static const QStringList integers{QStringLiteral("Asum"), QStringLiteral("ACValue"),
                                      QStringLiteral("SameToLast"), QStringLiteral("kuadu"),
                                      QStringLiteral("zhishu")};
    return integers.contains(name, Qt::CaseInsensitive);
}

QString createTableSql(const QString& table)
{
    QStringList columns;
    for (const QString& name : drawColumns())
        columns << name + (isIntegerColumn(name) ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    return QStringLiteral("create table %1 (%2)").arg(table, columns.join(QStringLiteral(", ")));
}

// Range reads (analysis, charts, omission) find every column they need in
// this index, a few megabytes instead of the whole table.
QString readIndexSql(const QString& table)
{
    return QStringLiteral("create index if not exists %1_analysis on %1 (qs, AllNumber, Asum, kuadu)").arg(table);
}

// An issue is stored once: a second writer's insert of it fails even if a
// check were ever missed.
QString uniqueIssueIndexSql(const QString& table)
{
    return QStringLiteral("create unique index if not exists %1_issue on %1 (qs)").arg(table);
}

} // namespace

namespace {

// The declared type's affinity, as the engine derives it: a column of
// another affinity stores the same text differently (an issue 08123 as the
// integer 8123).
QChar affinity(const QString& declared)
{
    const QString type = declared.toUpper();
    if (type.contains(QLatin1String("INT")))
        return u'I';
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB")) ||
        type.contains(QLatin1String("TEXT")))
        return u'T';
    if (type.isEmpty() || type.contains(QLatin1String("BLOB")))
        return u'B';
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA")) ||
        type.contains(QLatin1String("DOUB")))
        return u'R';
    return u'N';
}

// The indexes this program makes on a draw table: the plain issue index of
// older files, the unique one that replaces it, and the read index.
struct OwnIndex
{
    const char* suffix;
    bool unique;
    QStringList columns;
};

const std::vector<OwnIndex>& ownIndexes()
{
    static const std::vector<OwnIndex> indexes{
        {"_qs", false, {QStringLiteral("qs")}},
        {"_issue", true, {QStringLiteral("qs")}},
        {"_analysis", false, {QStringLiteral("qs"), QStringLiteral("AllNumber"), QStringLiteral("Asum"),
                              QStringLiteral("kuadu")}},
    };
    return indexes;
}

// The engine this program is built with has no table-valued pragmas, so an
// index is looked at by its own name, and only by one this program gives:
// no name from the file is ever put into SQL text.
bool isOwnIndex(const Database& db, const QString& table, const QString& name)
{
    for (const OwnIndex& own : ownIndexes()) {
        const QString ownName = table + QLatin1String(own.suffix);
        if (name.compare(ownName, Qt::CaseInsensitive) != 0)
            continue;
        Statement list(db, QStringLiteral("pragma index_list(%1)").arg(table));
        bool shapeKnown = false;
        while (list.step())
            if (list.text(1).compare(ownName, Qt::CaseInsensitive) == 0)
                shapeKnown = list.integer(2) == int(own.unique) && list.integer(4) == 0;
        if (!shapeKnown)
            return false;
        // An expression in an index reads as a column without a name.
        Statement info(db, QStringLiteral("pragma index_xinfo(%1)").arg(ownName));
        QStringList columns;
        while (info.step())
            if (info.integer(5) == 1)
                columns << (info.isNull(2) ? QStringLiteral("?") : info.text(2));
        return columns.join(u',').compare(own.columns.join(u','), Qt::CaseInsensitive) == 0;
    }
    return false;
}

QString kindOf(const QString& type)
{
    if (type == QLatin1String("trigger"))
        return QStringLiteral("触发器");
    if (type == QLatin1String("view"))
        return QStringLiteral("视图");
    if (type == QLatin1String("index"))
        return QStringLiteral("索引");
    return QStringLiteral("数据表");
}

// The differences of one draw table's columns from the draw columns.
QStringList columnProblems(const Database& db, const QString& table)
{
    Statement columns(db, QStringLiteral("pragma table_info(%1)").arg(table));
    QStringList wanted = drawColumns();
    QStringList extra;
    QStringList otherKind;
    while (columns.step()) {
        const QString name = columns.text(1);
        qsizetype found = -1;
        for (qsizetype i = 0; i < wanted.size() && found < 0; ++i)
            if (wanted[i].compare(name, Qt::CaseInsensitive) == 0)
                found = i;
        if (found < 0) {
            extra << name;
            continue;
        }
        if (affinity(columns.text(2)) != (isIntegerColumn(name) ? u'I' : u'T'))
            otherKind << name;
        wanted.removeAt(found);
    }
    QStringList problems;
    if (!wanted.isEmpty())
        problems << QStringLiteral("数据表 %1 缺少列 %2").arg(table, wanted.join(QStringLiteral("、")));
    if (!extra.isEmpty())
        problems << QStringLiteral("数据表 %1 多出列 %2").arg(table, extra.join(QStringLiteral("、")));
    if (!otherKind.isEmpty())
        problems << QStringLiteral("数据表 %1 的列 %2 类型不同").arg(table, otherKind.join(QStringLiteral("、")));
    return problems;
}

} // namespace

QString foreignSchema(const Database& db)
{
    QStringList tables;
    for (Game game : kGames)
        tables << tableName(game);
    QStringList foreign;
    QStringList present;
    Statement objects(db, QStringLiteral("select type, name, tbl_name, coalesce(sql, '') from sqlite_master"));
    while (objects.step()) {
        const QString type = objects.text(0);
        const QString name = objects.text(1);
        const QString owner = objects.text(2);
        const bool plainTable = objects.text(3).simplified().startsWith(QLatin1String("CREATE TABLE"),
                                                                       Qt::CaseInsensitive);
        if (type == QLatin1String("table") && plainTable && tables.contains(name, Qt::CaseInsensitive)) {
            present << name.toLower();
            continue;
        }
        if (type == QLatin1String("index") && tables.contains(owner, Qt::CaseInsensitive) &&
            isOwnIndex(db, owner.toLower(), name))
            continue;
        foreign << kindOf(type) + QLatin1Char(' ') + name;
    }
    QStringList problems;
    if (!foreign.isEmpty())
        problems << QStringLiteral("数据文件含有本程序不会建立的对象：") + foreign.join(QStringLiteral("、"));
    for (const QString& table : tables) {
        if (!present.contains(table))
            problems << QStringLiteral("数据文件中没有开奖数据表 %1").arg(table);
        else
            problems << columnProblems(db, table);
    }
    return problems.join(QStringLiteral("；"));
}

void requireOwnSchema(const Database& db)
{
    if (const QString problems = foreignSchema(db); !problems.isEmpty())
        throw DatabaseError(QStringLiteral("%1（%2）").arg(problems, db.path()));
}

namespace {

bool hasUniqueIssueIndex(const Database& db, const QString& table)
{
    Statement unique(db, QStringLiteral("select count(*) from sqlite_master where type='index' and name=?"));
    unique.bind(1, table + QLatin1String("_issue"));
    return unique.step() && unique.integer(0) > 0;
}

// A history holding an issue twice keeps working as it is; 数据检查 lists
// the duplicates.
bool holdsAnIssueTwice(const Database& db, const QString& table)
{
    Statement twice(db, QStringLiteral("select qs from %1 group by qs having count(*)>1 limit 1").arg(table));
    return twice.step();
}

} // namespace

// Files made before the read index or the unique issue index get them once
// (a few seconds for a million draws). A file that cannot be written is
// read without them.
void completeSchema(Database& db)
{
    if (db.readOnly())
        return;
    try {
        Transaction transaction(db);
        for (Game game : kGames) {
            const QString table = tableName(game);
            db.exec(readIndexSql(table));
            if (hasUniqueIssueIndex(db, table) || holdsAnIssueTwice(db, table))
                continue;
            // The engine drops an index only while no statement is reading.
            db.exec(uniqueIssueIndexSql(table));
            db.exec(QStringLiteral("drop index if exists %1_qs").arg(table));
        }
        transaction.commit();
    } catch (const DatabaseError&) {
    }
}

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
    return (others << 32) | quint32(sqlite3_total_changes(db().handle()));
}

Database& DrawStore::db() const
{
    if (!m_db)
        throw DatabaseError(QStringLiteral("数据库未连接，请重新启动程序 (%1)").arg(m_path));
    return *m_db;
}

bool DrawStore::createEmpty(const QString& path)
{
    if (QFileInfo::exists(path))
        return false;
    // Built under another name and moved into place whole, so a half-made
    // database never carries the real name.
    const QString temp = siblingTempPath(path, "new");
    try {
        Database db(temp, kKey, Database::Mode::CreateIfMissing);
        Transaction transaction(db);
        for (Game game : kGames) {
            const QString table = tableName(game);
            db.exec(createTableSql(table));
            db.exec(uniqueIssueIndexSql(table));
            db.exec(readIndexSql(table));
        }
        transaction.commit();
    } catch (...) {
        removeWithSideFiles(temp);
        throw;
    }
    // QFile::rename never overwrites: a file that appeared meanwhile is kept.
    if (!QFile::rename(temp, path)) {
        removeWithSideFiles(temp);
        if (QFileInfo::exists(path))
            return false;
        throw DatabaseError(QStringLiteral("无法创建数据库文件 (%1)").arg(path));
    }
    syncFolder(path);
    return true;
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
    return sqlite3_changes(db().handle());
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
