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

} // namespace
