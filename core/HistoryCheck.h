#pragma once

#include "core/DrawRecord.h"
#include "core/Game.h"

#include <QStringList>
#include <optional>
#include <vector>

// Checks of a stored history: issues missing from a year's sequence, issues
// of an unusual width, and rows whose derived columns are not what their
// number derives today.
//
// An issue is a year and a three-digit sequence number: seven characters
// (2025217) or five (08123). Within a year the sequence runs from 001 (from
// the lowest stored sequence in the history's first year, which may start
// mid-year) to the highest stored one; a year's end is never a gap.

// Absent issues inside each year's run, in order. `issues` in text order;
// issues of an unusual width, and issues no draw can carry, are left out.
QStringList missingIssues(const QStringList& issues);

// Issues neither five nor seven characters long or not all digits, and
// issues whose width differs from the one most of the history has.
QStringList unusualWidthIssues(const QStringList& issues);

// Issues of five or seven digits that no draw of the game can carry
// (impossibleIssue: a day number beyond 366, a year before the game began or
// after next year), each with the reason.
struct ImpossibleIssue
{
    QString issue;
    QString why;
    bool operator==(const ImpossibleIssue&) const = default;
};
std::vector<ImpossibleIssue> impossibleIssues(const QStringList& issues, std::optional<Game> game = std::nullopt);

// The width most of the issues have (the shorter of two as common); 0 for none.
int mostCommonWidth(const QStringList& issues);

// The record `stored` should be, derived from its issue and number and the
// previous issue's stored number (`numberOf` answers a stored number by issue,
// empty when not stored). Throws ConversionError for a number that is not
// three digits.
template <typename Lookup> DrawRecord rederived(const DrawRecord& stored, const Lookup& numberOf);

// Issues of the records (in issue order) whose stored derived columns differ
// from a fresh derivation, a number that is not three digits included.
QStringList staleRecords(const std::vector<DrawRecord>& records);

// "统一期号": the issues of the other width (five digits in a seven-digit
// history or the reverse) renamed to `width` by issueAtWidth. Issues that
// cannot be brought there (another width, not digits) or that no draw can
// carry before or after (a year 1925 or 2125 would become 25) are left alone;
// a new name already stored, or given to two issues, is a conflict.
struct IssueRename
{
    QString from;
    QString to;
    bool operator==(const IssueRename&) const = default;
};
struct WidthRepair
{
    std::vector<IssueRename> renames; // in the order of `issues`
    QStringList conflicts;            // the new names that are taken
};
WidthRepair planWidthRepair(const QStringList& issues, int width, std::optional<Game> game = std::nullopt);

// Issues stored more than once (a history of an earlier version may hold
// them), each once, in the order of `issues`.
QStringList duplicateIssues(const QStringList& issues);

struct HistoryProblems
{
    QStringList missing;
    QStringList oddWidth;
    QStringList stale;
    std::vector<ImpossibleIssue> impossible;
    QStringList duplicates;
    bool none() const
    {
        return missing.isEmpty() && oddWidth.isEmpty() && stale.isEmpty() && impossible.empty() &&
               duplicates.isEmpty();
    }
};
HistoryProblems checkHistory(const std::vector<DrawRecord>& records, std::optional<Game> game = std::nullopt);

#include "core/IssueArithmetic.h"

template <typename Lookup> DrawRecord rederived(const DrawRecord& stored, const Lookup& numberOf)
{
    const QString previous = isCountableIssue(stored.qs) ? previousIssue(stored.qs) : QString();
    return deriveDrawRecord(stored.qs, stored.allNumber, previous.isEmpty() ? QString() : numberOf(previous));
}
