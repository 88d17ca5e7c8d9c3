// Many draws at once: the import (the entry's derivation in one transaction)
// and the deferred sync of a run of single entries.
#include "core/DrawRecord.h"
#include "core/IssueArithmetic.h"
#include "store/Database.h"
#include "store/DrawRow.h"
#include "store/DrawStore.h"

DrawStore::ImportCounts DrawStore::appendDraws(const std::vector<NewDraw>& draws,
                                               const std::function<bool(int)>& progress)
{
    ImportCounts counts;
    Transaction transaction(db());
    // Prepared once: a million draws run these a million times each. Rows
    // inserted earlier in the transaction are seen by the lookups.
    Statement exists(db(), QStringLiteral("select qs from %1 where qs=?").arg(table()));
    Statement previousNumber(db(), QStringLiteral("select AllNumber from %1 where qs=?").arg(table()));
    Statement insert(db(), drawInsertSql(table()));
    int done = 0;
    for (const NewDraw& draw : draws) {
        if (progress && done % kImportProgressStep == 0 && !progress(done)) {
            counts = {};
            counts.cancelled = true;
            return counts; // the transaction rolls back
        }
        ++done;
        exists.reset();
        exists.bind(1, draw.issue);
        if (exists.step()) {
            ++counts.skipped;
            continue;
        }
        QString previous;
        if (const QString issue = previousIssue(draw.issue); !issue.isEmpty()) {
            previousNumber.reset();
            previousNumber.bind(1, issue);
            if (previousNumber.step())
                previous = previousNumber.text(0);
        }
        insert.reset();
        bindDrawRecord(insert, deriveDrawRecord(draw.issue, draw.number, previous));
        insert.step();
        ++counts.added;
    }
    if (progress && !progress(done)) {
        counts = {};
        counts.cancelled = true;
        return counts;
    }
    transaction.commit();
    return counts;
}

// In the log mode the store uses, "normal" syncs only at checkpoints; every
// commit stays atomic, and a crash can lose only the latest unsynced commits.
DrawStore::DeferredSync::DeferredSync(DrawStore& store) : m_store(store)
{
    m_store.db().exec(QStringLiteral("pragma synchronous=normal"));
}

DrawStore::DeferredSync::~DeferredSync()
{
    try {
        m_store.db().exec(QStringLiteral("pragma synchronous=full"));
        m_store.db().exec(QStringLiteral("pragma wal_checkpoint(full)"));
    } catch (const DatabaseError&) {
        // Lost connection: nothing left to sync.
    }
}
