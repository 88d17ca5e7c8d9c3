#pragma once

// Checking bets against the number drawn in one issue: a bet wins when its
// three characters equal the drawn number position by position.

#include <QStringList>

struct BetReturn;

namespace PrizeText {
extern const QString kAskIssue;     // "请输入彩票期数！"
extern const QString kNoNumber;     // single query, empty number box
extern const QString kBadNumber;    // single query, not three characters
extern const QString kNoBets;       // batch query, empty list
extern const QString kWon;          // single query, a win
extern const QString kNoWin;        // either query, nothing won
extern const QString kIssueMissing; // the issue is not stored
QString badLine(int line);          // batch line `line` (from 1) is no bet
QString batchWon(int wins);         // batch query, `wins` first prizes
// The line ending a batch summary: what the checked bets return in theory.
QString theoreticalReturn(const BetReturn& checked);
} // namespace PrizeText

// The message of a single query of `bet` against `drawn`, the number of the
// chosen issue (empty when the issue is not stored).
QString SinglePrizeMessage(const QString& bet, const QString& drawn);

// The messages of a batch query of `text`, one bet a line (a final line
// break starts no line), in the order shown: the missing issue once, at the
// first line checked against it, then the summary. A line that is not three
// characters or not an integer ends the query at once with its line message
// and no summary. The summary ends with the theoretical return of the lines
// checked, as 直选 bets. The text is read in place: a list of megabytes costs no
// more than itself.
QStringList BatchPrizeMessages(QStringView text, const QString& drawn);
