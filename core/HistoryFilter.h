#pragma once

// Thinning a bet list against the draws of an issue range: each bet drawn in
// the range is offered for removal, one by one, in list order.

#include "core/Bet.h"

#include <QHash>
#include <QString>
#include <functional>
#include <vector>

struct DrawnNumber
{
    QString qs;
    QString allNumber;
};

// Which numbers were drawn in a range, and at which issue first.
class DrawnIssues
{
public:
    // `draws` in issue order: the earliest issue of a number is kept.
    explicit DrawnIssues(const std::vector<DrawnNumber>& draws);
    // Issue of the first draw whose number equals the bet text exactly;
    // empty when it was not drawn.
    QString firstIssueOf(const QString& bet) const;

private:
    QHash<QString, QString> m_firstIssue;
};

// Offers every drawn bet to `confirm` (bet text, issue) in list order and
// removes it on true; later bets move up and the bet that moved into place
// is examined next. Returns the number removed.
int filterDrawnBets(BetList& bets, const DrawnIssues& drawn,
                    const std::function<bool(const QString& bet, const QString& issue)>& confirm);
