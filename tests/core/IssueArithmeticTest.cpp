#include "core/IssueArithmetic.h"

#include "core/ConversionError.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(IssueArithmetic, NeighboursKeepTheWidth)
{
    struct Case
    {
        const char* issue;
        const char* next;
        const char* previous;
    };
    const Case cases[] = {
        {"08123", "08124", "08122"},
        {"08999", "09000", "08998"},
        {"09000", "09001", "08999"},
        {"2025217", "2025218", "2025216"},
        {"2025001", "2025002", "2025000"},
        {"99999", "100000", "99998"},
        {"1", "2", "0"},
        {"8123", "8124", "8122"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nextIssue(c.issue), c.next) << c.issue;
        EXPECT_EQ(previousIssue(c.issue), c.previous) << c.issue;
    }
    EXPECT_EQ(previousIssue("00000"), QString());
}

TEST(IssueArithmetic, ValueTextDropsLeadingZeros)
{
    EXPECT_EQ(issueValueText("08123"), "8123");
    EXPECT_EQ(issueValueText("2025217"), "2025217");
}

TEST(IssueArithmetic, NonDecimalIssueIsAConversionError)
{
    for (const char* bad : {"", "08a23", "-0812", " 0812", "08'1", "1234567890123456789"}) {
        EXPECT_THROW(nextIssue(bad), ConversionError) << bad;
        EXPECT_THROW(previousIssue(bad), ConversionError) << bad;
        EXPECT_FALSE(isIssueText(bad) && QString(bad).size() < 19) << bad;
    }
}

TEST(IssueArithmetic, IssueAtWidthAddsOrDropsTheCentury)
{
    struct Case
    {
        const char* issue;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {"25217", 7, "2025217"}, {"2025217", 5, "25217"},
        {"08123", 7, "2008123"}, {"2008123", 5, "08123"},
        {"25217", 5, "25217"},   {"2025217", 7, "2025217"},
        {"25217", 0, "25217"},   {"123456", 7, "123456"},
        {"2a217", 7, "2a217"},   {"", 7, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(issueAtWidth(c.issue, c.width), c.expected) << c.issue << " at " << c.width;
}

// The rule itself on a fixed day; the readers, the entry and 统一期号 run one
// table of issues through it in tests/exchange/ImpossibleIssueTest.cpp.
TEST(IssueArithmetic, ImpossibleIssuesAreOutsideTheGamesYearsAndDays)
{
    const QDate today(2026, 12, 11);
    struct Case
    {
        const char* issue;
        std::optional<Game> game;
        const char* why; // part of the reason; empty when the issue can exist
    };
    const Case cases[] = {
        {"2025217", {}, ""},        {"25217", {}, ""},          {"2002001", {}, ""},
        {"2027366", {}, ""},        {"27001", Game::Ticai, ""}, {"2004001", Game::Ticai, ""},
        {"0000000", {}, "年份0000"},   {"00000", {}, "年份2000"},  {"2031000", {}, "年份2031"},
        {"2025000", {}, "序号000"}, {"2024367", {}, "序号367"}, {"1925003", {}, "年份1925"},
        {"2125004", {}, "年份2125"}, {"2028001", {}, "2027年"},  {"28001", {}, "年份2028"},
        {"2003100", Game::Ticai, "2004至"}, {"03100", Game::Ticai, "年份2003"},
        {"2025", {}, "五位"},       {"20250011", {}, "七位"},   {"2025a01", {}, "数字"},
    };
    for (const Case& c : cases) {
        const QString why = impossibleIssue(c.issue, c.game, today);
        if (*c.why == '\0')
            EXPECT_TRUE(why.isEmpty()) << c.issue << ": " << why.toStdString();
        else
            EXPECT_TRUE(why.contains(QString::fromUtf8(c.why))) << c.issue << ": " << why.toStdString();
    }
}

} // namespace
