#include "core/HistoryFilter.h"

#include <bitset>

DrawnIssues::DrawnIssues(const std::vector<DrawnNumber>& draws)
{
    for (const DrawnNumber& draw : draws)
        m_issues[draw.allNumber] << draw.qs;
}

QString DrawnIssues::firstIssueOf(const QString& bet) const
{
    const auto found = m_issues.constFind(bet);
    return found == m_issues.constEnd() ? QString() : found->first();
}

QStringList DrawnIssues::issuesOf(const QString& bet) const
{
    return m_issues.value(bet);
}

std::vector<DrawnBet> drawnBets(const BetList& bets, const DrawnIssues& drawn)
{
    std::vector<DrawnBet> listed;
    std::bitset<1000> seen;
    for (const Bet& bet : bets) {
        if (bet.value < 0 || bet.value > 999 || seen.test(size_t(bet.value)))
            continue;
        seen.set(size_t(bet.value));
        if (QStringList issues = drawn.issuesOf(bet.text()); !issues.isEmpty())
            listed.push_back({bet, std::move(issues)});
    }
    return listed;
}

int removeDrawnBets(BetList& bets, const DrawnIssues& drawn)
{
    return filterDrawnBets(bets, drawn, [](const QString&, const QString&) { return DrawnAnswer::Remove; });
}

int filterDrawnBets(BetList& bets, const DrawnIssues& drawn,
                    const std::function<DrawnAnswer(const QString& bet, const QString& issue)>& confirm)
{
    int removed = 0;
    bool removeRest = false;
    std::size_t position = 0;
    while (position < bets.size()) {
        const QString bet = bets[position].text();
        const QString issue = drawn.firstIssueOf(bet);
        if (!issue.isEmpty()) {
            if (!removeRest) {
                const DrawnAnswer answer = confirm(bet, issue);
                removeRest = answer == DrawnAnswer::RemoveRest;
                if (answer == DrawnAnswer::Keep) {
                    ++position;
                    continue;
                }
            }
            bets.erase(bets.begin() + std::ptrdiff_t(position));
            ++removed;
            continue;
        }
        ++position;
    }
    return removed;
}
