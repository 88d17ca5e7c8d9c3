#pragma once

// Checking tickets against the number drawn in one issue. A 直选 ticket wins
// when its three digits equal the drawn number position by position; a 组选
// ticket when they are the drawn digits in any order: 组选3 when the draw
// holds a pair, 组选6 when its digits all differ, nothing on a 豹子 draw.

#include <QStringList>

struct BetReturn;

enum class TicketKind
{
    Direct, // 直选
    Group   // 组选
};

// The prize in yuan of `bet` against `drawn` (both 000-999), 0 when it does not win.
int ticketPrize(int bet, int drawn, TicketKind kind);

namespace PrizeText {
extern const QString kAskIssue;     // "请输入彩票期数！"
extern const QString kNoNumber;     // single query, empty number box
extern const QString kBadNumber;    // single query, not three characters
extern const QString kNoBets;       // batch query, empty list
QString won(int yuan);              // single query, a win of `yuan`
extern const QString kNoWin;        // either query, nothing won
extern const QString kIssueMissing; // the issue is not stored
QString badLine(int line);          // batch line `line` (from 1) is no bet
QString batchWon(int wins);         // batch query, `wins` 直选 wins
QString batchGroupWon(int group3, int group6); // batch query, 组选 wins of each kind
QString totalPrize(qint64 yuan);    // batch query, what the wins pay together
// The line ending a batch summary: what the checked bets return in theory.
QString theoreticalReturn(const BetReturn& checked, TicketKind kind = TicketKind::Direct);
} // namespace PrizeText

// The message of a single query of `bet` against `drawn`, the number of the
// chosen issue (empty when the issue is not stored).
QString SinglePrizeMessage(const QString& bet, const QString& drawn, TicketKind kind = TicketKind::Direct);

// The messages of a batch query of `text`, one bet a line (a final line
// break starts no line), in the order shown: the missing issue once, at the
// first line checked against it, then the summary. A line that is not three
// characters or not an integer ends the query at once with its line message
// and no summary. The summary ends with the theoretical return of the lines
// checked, as tickets of `kind`; wins add the total prize. The text is read
// in place: a list of megabytes costs no more than itself.
QStringList BatchPrizeMessages(QStringView text, const QString& drawn, TicketKind kind = TicketKind::Direct);
