#include "store/DrawSchema.h"

#include "core/DrawRecord.h"
#include "core/Game.h"
#include "store/Database.h"

#include <QSet>
#include <QStringList>
#include <vector>

namespace {

bool isIntegerColumn(const QString& name)
{
    static const QStringList integers{QStringLiteral("Asum"), QStringLiteral("ACValue"),
                                      QStringLiteral("SameToLast"), QStringLiteral("kuadu"),
                                      QStringLiteral("zhishu")};
    return integers.contains(name, Qt::CaseInsensitive);
}

} // namespace

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
