#pragma once

// The draw tables' shape as the store checks and completes it on every
// file it opens, its own or a backup's.

#include <QString>

class Database;

// The statements that make a draw table and its indexes (the table name from tableName(Game)).
QString createTableSql(const QString& table);
QString uniqueIssueIndexSql(const QString& table);
QString readIndexSql(const QString& table);

// What the file holds that this program would not have made, in the user's
// words ("数据文件含有本程序不会建立的对象：触发器 t1"); empty for a file of
// ours. Ours is the two draw tables with exactly the draw columns (of their
// text or integer kind) and the program's indexes on them, nothing else.
QString foreignSchema(const Database& db);
// Throws DatabaseError with foreignSchema's text when there is any.
void requireOwnSchema(const Database& db);
// Files made before the read index or the issue's uniqueness get them once;
// a read-only file goes without, and a history holding an issue twice keeps
// its plain issue index until 数据检查 has helped remove the second row.
void completeSchema(Database& db);
