#pragma once

// Thinning a bet list against the draws of an issue range: the bets drawn in
// the range are listed first, then removed all at once, kept, or offered one
// by one in list order.

#include "core/Bet.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct DrawnNumber
{
    QString qs;
    QString allNumber;
};

// Which numbers were drawn in a range, and in which issues.
class DrawnIssues
{
public:
    // `draws` in issue order: each number's issues keep that order.
    explicit DrawnIssues(const std::vector<DrawnNumber>& draws);
    // Issue of the first draw whose number equals the bet text exactly;
    // empty when it was not drawn.
    QString firstIssueOf(const QString& bet) const;
    // Every issue whose number equals the bet text, earliest first.
    QStringList issuesOf(const QString& bet) const;
    // How many different numbers the range holds.
    int distinctNumbers() const { return int(m_issues.size()); }

private:
    QHash<QString, QStringList> m_issues;
};

namespace HistoryFilterLimits {
// From this many different numbers in the range on, filtering removes nearly
// every bet of any list, which the user is told before choosing.
inline constexpr int kNearlyEveryNumber = 900;
} // namespace HistoryFilterLimits

// A bet of the list that was drawn in the range, with the issues it came in.
struct DrawnBet
{
    Bet bet;
    QStringList issues;
};

// The list's drawn bets, each once, in the order they first appear in it.
std::vector<DrawnBet> drawnBets(const BetList& bets, const DrawnIssues& drawn);

// Removes every drawn bet. Returns the number removed.
int removeDrawnBets(BetList& bets, const DrawnIssues& drawn);

// An answer to the question about one drawn bet.
enum class DrawnAnswer
{
    Remove,
    Keep,
    RemoveRest // this bet and every drawn bet after it, without asking again
};

// Offers every drawn bet to `confirm` (bet text, issue of its first draw) in
// list order; later bets move up and the bet that moved into place is
// examined next. Returns the number removed.
int filterDrawnBets(BetList& bets, const DrawnIssues& drawn,
                    const std::function<DrawnAnswer(const QString& bet, const QString& issue)>& confirm);
