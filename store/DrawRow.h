#pragma once

// Writing one draw row, shared by the entry's append and the import.

#include "core/DrawRecord.h"

#include <QString>

class Statement;

// insert into T (qs, A10, ..., LargeString) values (?, ..., ?)
QString drawInsertSql(const QString& table);
// Binds every column of the record to a statement of drawInsertSql.
void bindDrawRecord(Statement& insert, const DrawRecord& record);
