#pragma once

// The draw history of both games in one encrypted file. This is the only
// code that writes SQL; every value is bound, and table names come only from
// the two known games.

#include "core/DrawLookup.h"
#include "core/DrawRecord.h"
#include "core/Game.h"
#include "core/HistoryCheck.h"
#include "core/HistoryFilter.h"
#include "core/IssueList.h"
#include "core/IssueRows.h"
#include "core/Statistics.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Database;

// What a chart needs of one draw.
struct DrawPoint
{
    QString qs;
    QString allNumber;
    int asum = 0;
};

class DrawStore : public DrawLookup
{
public:
    static const QString kKey;        // the fixed file key
    static const QString kFileName;   // db1.mdb
    static const QString kBackupName; // 备份数据.mdb

    // Opens an existing file; throws DatabaseError when it is missing,
    // unreadable or of another key.
    explicit DrawStore(const QString& path);
    ~DrawStore() override;

    // Creates a new empty database with both tables and their issue index.
    // Never touches an existing file (returns false then).
    static bool createEmpty(const QString& path);

    void setGame(Game game) { m_game = game; }
    Game game() const { return m_game; }
    QString table() const { return tableName(m_game); }
    // Differs after every change to the stored draws, by this connection or
    // another: what was computed from them may be kept while it stays.
    quint64 revision() const;
    const QString& path() const { return m_path; }

    // select qs from T order by qs
    QStringList issueList() const;
    // The same, packed: for lists as long as the whole history.
    IssueList packedIssueList() const;
    // select * from T where qs>=? and qs<=? order by qs [desc]; an empty start
    // is met by every issue, as the text comparison makes it.
    std::vector<DrawRecord> range(const QString& start, const QString& end, bool descending = false) const;
    // The same range a window at a time, for a grid that never holds it whole.
    int rangeCount(const QString& start, const QString& end) const;
    std::vector<DrawRecord> rangePage(const QString& start, const QString& end, bool descending, int offset,
                                      int limit) const;
    // Issue, number and sum of each draw of the range, in issue order.
    std::vector<DrawPoint> rangePoints(const QString& start, const QString& end) const;
    // How many draws of `table` hold digit d at position p, for the first
    // `positions` positions (index (p - 1) * 10 + d), all from one statement:
    // select Count(A10) as A10, ... from T [where <issueColumn>>=? and <issueColumn><=?].
    // An empty start drops the condition and counts the whole table.
    std::array<int, kHitColumnCount> hitCounts(const QString& start, const QString& end, const QString& issueColumn,
                                               int positions, const QString& table) const;
    // The numbers of the range in issue order as values 0-999 (-1 for a
    // stored number that is not three digits): a million draws in 2 MB.
    std::vector<short> rangeNumberValues(const QString& start, const QString& end) const;
    // The `count` draws before `issue` as the same values, newest first.
    std::vector<short> numberValuesBefore(const QString& issue, int count) const;
    // The newest `count` draws, in issue order.
    std::vector<DrawPoint> latestPoints(int count) const;
    // select * from T where qs=?
    std::optional<DrawRecord> oneIssue(const QString& issue) const;
    bool issueExists(const QString& issue) const;
    int count() const;
    // The issue width most stored draws have (5 for 08123, 7 for 2025217; of
    // two widths equally common the shorter); 0 for an empty history.
    int issueWidth() const;

    // Bet selection: select allNumber,qs from T where qs >= ? and qs <= ? order by qs: the
    // numbers of a range, the earliest issue first.
    std::vector<DrawnNumber> numbersInRange(const QString& from, const QString& to) const;

    QString latestNumber() const override;
    QString numberOfIssue(const QString& issue) const override;

    // Analysis reads over the issue range qs>=first and qs<=last (text
    // bounds; an empty first is met by every issue). Each is one statement
    // (store/DrawStoreAnalysis.cpp).
    // select qs,allnumber ... order by qs
    std::vector<IssueNumber> issueNumbers(const QString& first, const QString& last) const;
    // select kuadu,qs ... order by qs
    std::vector<IssueValue> issueSpans(const QString& first, const QString& last) const;

    void append(const DrawRecord& record); // one transaction
    // The entry's write: in one write transaction, refuses an issue already
    // stored (nullopt), derives the draw from the previous issue's number and
    // inserts it, so no other program can store the issue in between.
    std::optional<DrawRecord> appendNew(const QString& issue, const QString& number);

    // Every row in issue order.
    std::vector<DrawRecord> allRecords() const;
    // Derives every row again from its issue, its number and the previous
    // issue's number, in one transaction; returns how many rows changed.
    // Rows whose number is not three digits are left as they are.
    int rederiveAll();
    // Gives `issue` a new number: that row and the next issue's row are
    // derived again, in one transaction. Throws ConversionError for a number
    // that is not three digits.
    void changeNumber(const QString& issue, const QString& number);
    // "统一期号": renames the issues of the other width to the history's width
    // (planWidthRepair) and derives the renamed rows and the rows after them
    // again, in one transaction. When a new name is taken nothing changes and
    // the returned repair lists the conflicts.
    WidthRepair unifyIssueWidth();
    void deleteAll();                      // delete from T
    int deleteIssue(const QString& issue); // every row of that issue; returns rows deleted

    // Import of many draws at once (DrawStoreImport.cpp). Each draw is derived
    // as the entry derives it, in the order given, its same-to-last count from
    // the previous issue's draw (stored before or earlier in the list); issues
    // already stored are skipped. One transaction: `progress(done)` is asked
    // every kImportProgressStep draws, and a false answer rolls it all back.
    struct NewDraw
    {
        QString issue;
        QString number;
    };
    struct ImportCounts
    {
        int added = 0;
        int skipped = 0; // already stored
        bool cancelled = false;
    };
    static constexpr int kImportProgressStep = 1000;
    ImportCounts appendDraws(const std::vector<NewDraw>& draws, const std::function<bool(int)>& progress = {});
    // While one lives, each write still commits on its own but is not synced
    // to disk until the scope ends: a downloaded page of many draws pays for
    // one sync, not one per draw.
    class DeferredSync
    {
    public:
        explicit DeferredSync(DrawStore& store);
        ~DeferredSync(); // syncs; never throws
        DeferredSync(const DeferredSync&) = delete;
        DeferredSync& operator=(const DeferredSync&) = delete;

    private:
        DrawStore& m_store;
    };

    // Consistent copy of the live file, even while connected: online backup
    // into a temporary file that then replaces `target`.
    void backupTo(const QString& target) const;

    // What a restore would take away: per game, the draws of the backup and
    // of the live history, and the live draws the backup does not hold.
    struct GameLoss
    {
        Game game = Game::Fucai;
        int backupDraws = 0;
        int liveDraws = 0;
        int lost = 0;
        QString firstLost; // in issue order
        QString lastLost;
    };
    struct RestoreLoss
    {
        std::vector<GameLoss> games;
        quint64 liveRevision = 0; // the live history these counts describe
        int lost() const;
        // The question to ask before restoring, with the counts when anything is lost.
        QString question() const;
    };
    static const QString kRestoreWhileWriting;
    // Compares `source` with the live history. Throws DatabaseError when the
    // backup cannot be used, DatabaseBusy (kRestoreWhileWriting) while
    // another program writes to the history.
    RestoreLoss restoreLoss(const QString& source) const;
    // Replaces the live history with `source`'s through the open connection.
    // Checks first that the source opens with the key and holds our schema,
    // that no other program is writing (refused at once, never waited for)
    // and, given `askedAt`, that the history is still the one the user was
    // asked about. Throws DatabaseError with a user-facing reason when it
    // cannot restore; the live history is then kept.
    void restoreFrom(const QString& source, std::optional<quint64> askedAt = std::nullopt);

private:
    void connect();
    void updateDerived(const DrawRecord& record);
    bool coversMostOfTable(const QString& table, const QString& issueColumn, const QString& start,
                           const QString& end) const;
    // The connection; throws when a failed restore could not reconnect.
    Database& db() const;

    QString m_path;
    Game m_game = Game::Fucai;
    std::unique_ptr<Database> m_db;
};
