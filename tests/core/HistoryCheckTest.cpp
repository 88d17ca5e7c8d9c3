#include "core/HistoryCheck.h"

#include <gtest/gtest.h>

namespace {

std::vector<DrawRecord> derive(const QStringList& issues, const QStringList& numbers)
{
    std::vector<DrawRecord> records;
    for (qsizetype i = 0; i < issues.size(); ++i)
        records.push_back(deriveDrawRecord(issues[i], numbers[i], i > 0 ? numbers[i - 1] : QString()));
    return records;
}

TEST(HistoryCheck, MissingIssuesAreGapsInsideEachYear)
{
    const struct
    {
        const char* what;
        QStringList issues;
        QStringList missing;
    } cases[] = {
        {"gaps inside a year", {"2025001", "2025002", "2025005", "2025006"}, {"2025003", "2025004"}},
        {"no gap across a year's end, the next year runs from 001",
         {"2024357", "2024358", "2025002", "2025003"},
         {"2025001"}},
        {"a history starting mid-year", {"2024200", "2024201", "2024203"}, {"2024202"}},
        {"five characters", {"08120", "08122", "09001", "09003"}, {"08121", "09002"}},
        {"complete", {"2025001", "2025002"}, {}},
        {"empty", {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(missingIssues(c.issues), c.missing) << c.what;
}

TEST(HistoryCheck, UnusualWidthsAreListed)
{
    EXPECT_EQ(unusualWidthIssues({"2025001", "2025002", "25003", "202500", "2025x04"}),
              (QStringList{"25003", "202500", "2025x04"}));
    EXPECT_EQ(unusualWidthIssues({"08001", "08002", "2025003"}), QStringList{"2025003"});
    EXPECT_TRUE(unusualWidthIssues({"08001", "08002"}).isEmpty());
    // Odd widths stay out of the gap search.
    EXPECT_EQ(missingIssues({"2025001", "2025003", "25009"}), QStringList{"2025002"});
}

TEST(HistoryCheck, WidthRepairRenamesTheOtherWidthUnlessTheNameIsTaken)
{
    const WidthRepair repair =
        planWidthRepair({"2025001", "2025002", "25003", "25002", "2025004", "250050", "2a005", "25006", "2025006"}, 7);
    EXPECT_EQ(repair.renames, (std::vector<IssueRename>{{"25003", "2025003"}}));
    EXPECT_EQ(repair.conflicts, (QStringList{"2025002", "2025006"}));

    const WidthRepair toFive = planWidthRepair({"08123", "2008124", "08125"}, 5);
    EXPECT_EQ(toFive.renames, (std::vector<IssueRename>{{"2008124", "08124"}}));
    EXPECT_TRUE(toFive.conflicts.isEmpty());
    // The same issue given twice in the other width renames once and conflicts once.
    EXPECT_EQ(planWidthRepair({"2025001", "25002", "25002"}, 7).conflicts, QStringList{"2025002"});
    EXPECT_TRUE(planWidthRepair({}, 0).renames.empty());
}

// Stored issues no draw can carry are listed with the reason and stay out of
// the gap search: a day 400 makes no run of 35 missing issues.
TEST(HistoryCheck, ImpossibleIssuesAreListedNotCountedAsGaps)
{
    const QStringList issues{"2025001", "2025003", "2025400", "0000000", "1925003", "25004", "2025a05"};
    const std::vector<ImpossibleIssue> impossible = impossibleIssues(issues);
    QStringList listed;
    for (const ImpossibleIssue& issue : impossible) {
        listed << issue.issue;
        EXPECT_EQ(issue.why, impossibleIssue(issue.issue));
    }
    EXPECT_EQ(listed, (QStringList{"2025400", "0000000", "1925003"}));
    EXPECT_EQ(missingIssues(issues), QStringList{"2025002"});
    // 排列3 began in 2004.
    EXPECT_EQ(impossibleIssues({"2003100"}, Game::Ticai).size(), 1u);
    EXPECT_TRUE(impossibleIssues({"2003100"}, Game::Fucai).empty());
}

TEST(HistoryCheck, StaleRowsAreThoseTheirNumberNoLongerDerives)
{
    std::vector<DrawRecord> records = derive({"2025001", "2025002", "2025003"}, {"123", "124", "555"});
    EXPECT_TRUE(staleRecords(records).isEmpty());
    EXPECT_EQ(records[1].sameToLast, 2);

    // Entered before its predecessor: its same-digit count compared with nothing.
    records[1] = deriveDrawRecord("2025002", "124", QString());
    EXPECT_EQ(staleRecords(records), QStringList{"2025002"});

    records = derive({"2025001", "2025002"}, {"123", "124"});
    records[0].asum = 9;
    records[1].allNumber = "12x";
    EXPECT_EQ(staleRecords(records), (QStringList{"2025001", "2025002"}));
    const HistoryProblems problems = checkHistory(records);
    EXPECT_EQ(problems.stale.size(), 2);
    EXPECT_FALSE(problems.none());
}

TEST(HistoryCheck, IssuesStoredTwiceAreListedOnce)
{
    EXPECT_EQ(duplicateIssues({"2025001", "2025002", "2025003"}), QStringList{});
    EXPECT_EQ(duplicateIssues({"2025003", "2025001", "2025003", "2025002", "2025001", "2025003"}),
              (QStringList{"2025003", "2025001"}));
    const HistoryProblems problems = checkHistory(derive({"2025001", "2025001"}, {"123", "124"}));
    EXPECT_EQ(problems.duplicates, QStringList{"2025001"});
    EXPECT_FALSE(problems.none());
}

} // namespace
