#pragma once

// Checking tickets against the number drawn in one issue. A 直选 ticket wins
// when its three digits equal the drawn number position by position; a 组选
// ticket when they are the drawn digits in any order: 组选3 when the draw
// holds a pair, 组选6 when its digits all differ. 组选 covers no 豹子: a
// 组选 ticket of three equal digits never wins.

#include "core/ExpectedReturn.h"

#include <QStringList>
#include <vector>

enum class TicketKind
{
    Direct, // 直选
    Group   // 组选
};

// What one ticket won.
enum class TicketWin : quint8
{
    None,
    Direct,
    Group3,
    Group6,
    GroupLeopard // a 组选 ticket of three equal digits: 组选 does not cover it
};

// The prize in yuan of `bet` against `drawn` (both 000-999), 0 when it does not win.
int ticketPrize(int bet, int drawn, TicketKind kind);
TicketWin ticketWin(int bet, int drawn, TicketKind kind);
int winPrize(TicketWin win);

// The ticket (0-999) a line of a list stands for: "123", "1 2 3", "1,2,3"
// or a line of the bet export, "1=123=6" (serial, bet, sum); -1 when the
// line is none of them. Spaces around and between the digits do not count.
int ticketOfLine(QStringView line);

namespace PrizeLimits {
inline constexpr int kBadLinesShown = 20; // bad lines quoted under the result; the rest are counted
inline constexpr int kQuotedLength = 20;  // characters of a bad line quoted
} // namespace PrizeLimits

struct CheckedTicket
{
    int line = 0; // from 1, counting blank lines
    qint16 ticket = 0;
    TicketWin win = TicketWin::None;
};

// A list checked against one draw: every ticket in line order, the lines
// that are no ticket, what won and what the tickets return in theory.
struct PrizeReport
{
    TicketKind kind = TicketKind::Direct;
    std::vector<CheckedTicket> tickets;
    std::vector<int> badLines;
    QStringList badTexts; // the first kBadLinesShown bad lines, cut to kQuotedLength
    int direct = 0, group3 = 0, group6 = 0;
    qint64 prize = 0;
    BetReturn theory;

    int wins() const { return direct + group3 + group6; }
};

// Checks every line of `text` against `drawn` (0-999): blank lines are
// skipped, bad lines kept aside, the rest checked. The text is read in
// place: a list of megabytes costs little more than itself.
PrizeReport checkTicketList(QStringView text, int drawn, TicketKind kind);

namespace PrizeText {
extern const QString kAskIssue;     // "请输入彩票期数！"
extern const QString kNoNumber;     // single query, empty number box
extern const QString kBadNumber;    // single query, not three characters
extern const QString kNoBets;       // batch query, no line with anything on it
extern const QString kNoTickets;    // batch query, not one line is a ticket
QString won(TicketWin win, int yuan); // single query: a win of its kind
extern const QString kNoWin;        // either query, nothing won
extern const QString kGroupNoLeopard; // a 组选 ticket of three equal digits
extern const QString kIssueMissing; // the issue is not stored
QString batchWon(int wins);         // batch query, `wins` 直选 wins
QString batchGroupWon(int group3, int group6); // batch query, 组选 wins of each kind
QString totalPrize(qint64 yuan);    // batch query, what the wins pay together
// The line ending a batch summary: what the checked bets return in theory.
QString theoreticalReturn(const BetReturn& checked, TicketKind kind = TicketKind::Direct);
// The bad lines of a report, by number and text.
QString badLines(const PrizeReport& report);
// The lines under the result table: bad lines (if any), then, when a line
// was checked, the verdict, the total prize (if any) and the theoretical return.
QStringList summary(const PrizeReport& report);
// The table's texts of a ticket: how it is played and what it won.
QString playName(int ticket, TicketKind kind);
QString winName(TicketWin win);
} // namespace PrizeText

// The message of a single query of `bet` against `drawn`, the number of the
// chosen issue (empty when the issue is not stored).
QString SinglePrizeMessage(const QString& bet, const QString& drawn, TicketKind kind = TicketKind::Direct);
