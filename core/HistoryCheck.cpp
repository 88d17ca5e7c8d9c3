#include "core/HistoryCheck.h"

#include "core/ConversionError.h"
#include "core/IssueArithmetic.h"

#include <QHash>
#include <QSet>
#include <map>
#include <set>

namespace {

// Width of the year part for the two issue forms, 0 for anything else.
int yearWidth(const QString& issue)
{
    if (!isIssueText(issue))
        return 0;
    return issue.size() == 7 ? 4 : issue.size() == 5 ? 2 : 0;
}

} // namespace

int mostCommonWidth(const QStringList& issues)
{
    std::map<qsizetype, int> widths;
    for (const QString& issue : issues)
        ++widths[issue.size()];
    qsizetype best = 0;
    int bestCount = 0;
    for (const auto& [width, count] : widths)
        if (count > bestCount)
            best = width, bestCount = count;
    return int(best);
}

QStringList missingIssues(const QStringList& issues)
{
    const int width = mostCommonWidth(issues);
    // year -> stored sequence numbers; std::map keeps the years in order.
    std::map<QString, std::set<int>> years;
    for (const QString& issue : issues) {
        const int year = yearWidth(issue);
        if (year == 0 || issue.size() != width || !impossibleIssue(issue).isEmpty())
            continue;
        years[issue.left(year)].insert(issue.mid(year).toInt());
    }
    QStringList missing;
    bool first = true;
    for (const auto& [year, sequences] : years) {
        const int from = first ? *sequences.begin() : 1;
        first = false;
        for (int sequence = std::max(from, 1); sequence < *sequences.rbegin(); ++sequence)
            if (!sequences.count(sequence))
                missing << year + QStringLiteral("%1").arg(sequence, 3, 10, QLatin1Char('0'));
    }
    return missing;
}

QStringList unusualWidthIssues(const QStringList& issues)
{
    const int width = mostCommonWidth(issues);
    QStringList odd;
    for (const QString& issue : issues)
        if (yearWidth(issue) == 0 || issue.size() != width)
            odd << issue;
    return odd;
}

std::vector<ImpossibleIssue> impossibleIssues(const QStringList& issues, std::optional<Game> game)
{
    std::vector<ImpossibleIssue> impossible;
    for (const QString& issue : issues)
        if (yearWidth(issue) != 0)
            if (QString why = impossibleIssue(issue, game); !why.isEmpty())
                impossible.push_back({issue, std::move(why)});
    return impossible;
}

WidthRepair planWidthRepair(const QStringList& issues, int width, std::optional<Game> game)
{
    WidthRepair repair;
    QSet<QString> taken(issues.begin(), issues.end());
    for (const QString& issue : issues) {
        if (issue.size() == width)
            continue;
        const QString renamed = issueAtWidth(issue, width);
        if (renamed.size() != width || !impossibleIssue(issue, game).isEmpty() ||
            !impossibleIssue(renamed, game).isEmpty())
            continue;
        if (taken.contains(renamed))
            repair.conflicts << renamed;
        else
            repair.renames.push_back({issue, renamed});
        taken.insert(renamed);
    }
    return repair;
}

QStringList staleRecords(const std::vector<DrawRecord>& records)
{
    QHash<QString, QString> numbers;
    numbers.reserve(qsizetype(records.size()));
    for (const DrawRecord& record : records)
        numbers.insert(record.qs, record.allNumber);
    const auto numberOf = [&numbers](const QString& issue) { return numbers.value(issue); };
    QStringList stale;
    for (const DrawRecord& record : records) {
        try {
            if (rederived(record, numberOf) != record)
                stale << record.qs;
        } catch (const ConversionError&) {
            stale << record.qs;
        }
    }
    return stale;
}

QStringList duplicateIssues(const QStringList& issues)
{
    QHash<QString, int> times;
    for (const QString& issue : issues)
        ++times[issue];
    QStringList duplicates;
    for (const QString& issue : issues)
        if (times.value(issue) > 1) {
            duplicates << issue;
            times[issue] = 0; // listed once
        }
    return duplicates;
}

HistoryProblems checkHistory(const std::vector<DrawRecord>& records, std::optional<Game> game)
{
    QStringList issues;
    issues.reserve(qsizetype(records.size()));
    for (const DrawRecord& record : records)
        issues << record.qs;
    return {missingIssues(issues), unusualWidthIssues(issues), staleRecords(records), impossibleIssues(issues, game),
            duplicateIssues(issues)};
}
