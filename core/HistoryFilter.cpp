#include "core/HistoryFilter.h"

DrawnIssues::DrawnIssues(const std::vector<DrawnNumber>& draws)
{
    m_firstIssue.reserve(qsizetype(draws.size()));
    for (const DrawnNumber& draw : draws)
        if (!m_firstIssue.contains(draw.allNumber))
            m_firstIssue.insert(draw.allNumber, draw.qs);
}

QString DrawnIssues::firstIssueOf(const QString& bet) const
{
    return m_firstIssue.value(bet);
}

int filterDrawnBets(BetList& bets, const DrawnIssues& drawn,
                    const std::function<bool(const QString& bet, const QString& issue)>& confirm)
{
    int removed = 0;
    std::size_t position = 0;
    while (position < bets.size()) {
        const QString bet = bets[position].text();
        const QString issue = drawn.firstIssueOf(bet);
        if (!issue.isEmpty() && confirm(bet, issue)) {
            bets.erase(bets.begin() + std::ptrdiff_t(position));
            ++removed;
            continue;
        }
        ++position;
    }
    return removed;
}
