#pragma once

// Binding an issue range to a statement's "qs>=? and qs<=?", shared by the
// store's range reads.

#include "store/Database.h"

// Both bounds bind as text: an empty first is met by every issue, an empty
// last by none.
inline Statement& bindIssueRange(Statement& query, const QString& first, const QString& last, int from = 1)
{
    const QString empty(QLatin1String(""));
    return query.bind(from, first.isNull() ? empty : first).bind(from + 1, last.isNull() ? empty : last);
}
