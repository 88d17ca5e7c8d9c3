#include "core/PositionOmission.h"

#include <gtest/gtest.h>

namespace {

const OmissionFigures& find(const std::vector<OmissionFigures>& rows, const QString& group, const QString& item)
{
    for (const OmissionFigures& f : rows)
        if (f.group == group && f.item == item)
            return f;
    static const OmissionFigures none;
    ADD_FAILURE() << group.toStdString() << " " << item.toStdString();
    return none;
}

TEST(PositionOmission, FiguresOfAHandCountedRun)
{
    // 123, 456, 123, 777, 120: hundreds digit 1 at draws 0, 2, 4. Nothing
    // before them: the averages are (5 − appearances) / (appearances + 1).
    const auto rows = positionOmission({123, 456, 123, 777, 120});
    ASSERT_EQ(rows.size(), 61u);
    const struct
    {
        const char *group, *item;
        int current, largest, appearances;
        double average, ratio;
    } cases[] = {
        {"百位", "1", 0, 1, 3, 0.5, 0},      {"百位", "4", 3, 3, 1, 2.0, 1.5},
        {"百位", "9", 5, 5, 0, 5.0, 1.0}, // never drawn: the whole run
        {"十位", "2", 0, 1, 3, 0.5, 0},      {"个位", "3", 2, 2, 2, 1.0, 2.0},
        {"形态", "豹子", 1, 3, 1, 2.0, 0.5}, {"形态", "组三", 5, 5, 0, 5.0, 1.0},
        {"形态", "组六", 0, 1, 4, 0.2, 0},   {"和值", "6", 2, 2, 2, 1.0, 2.0},
        {"和值", "3", 0, 4, 1, 2.0, 0},      {"和值", "21", 1, 3, 1, 2.0, 0.5},
        {"和值", "27", 5, 5, 0, 5.0, 1.0},
    };
    for (const auto& c : cases) {
        const OmissionFigures& f = find(rows, c.group, c.item);
        SCOPED_TRACE(std::string(c.group) + " " + c.item);
        EXPECT_EQ(f.current, c.current);
        EXPECT_EQ(f.largest, c.largest);
        EXPECT_EQ(f.appearances, c.appearances);
        EXPECT_DOUBLE_EQ(f.average, c.average);
        EXPECT_DOUBLE_EQ(f.ratio, c.ratio);
    }
}

// Shapes and sums carry in from the draws before the range as digits do.
TEST(PositionOmission, ShapesAndSumsCarryInFromBeforeTheRange)
{
    const PositionOmissionBefore before = positionOmissionBefore({120, 777, 123}); // newest first
    EXPECT_FALSE(before.complete);
    const auto rows = positionOmission({456, 111}, before.omission);
    const struct
    {
        const char *group, *item;
        int current, largest;
    } cases[] = {
        {"形态", "豹子", 0, 2}, // 777, then 120: 2 at 456, then 111
        {"形态", "组六", 1, 1}, // 120 just before, 456, then 111 without
        {"形态", "组三", 5, 5}, // never: the three before and both of the range
        {"和值", "3", 0, 1},    // 120 just before, 111 again
        {"和值", "6", 4, 4},    // 123 with two draws after it, and none in the range
        {"百位", "1", 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.group) + " " + c.item);
        EXPECT_EQ(find(rows, c.group, c.item).current, c.current);
        EXPECT_EQ(find(rows, c.group, c.item).largest, c.largest);
    }
}

TEST(PositionOmission, OneDrawAndNoDraws)
{
    const auto one = positionOmission({505});
    EXPECT_EQ(find(one, "百位", "5").appearances, 1);
    EXPECT_EQ(find(one, "百位", "5").current, 0);
    EXPECT_DOUBLE_EQ(find(one, "百位", "5").average, 0);
    EXPECT_EQ(find(one, "十位", "5").current, 1);
    EXPECT_DOUBLE_EQ(find(one, "十位", "5").average, 1);
    EXPECT_EQ(find(one, "形态", "组三").appearances, 1);

    const auto none = positionOmission({});
    ASSERT_EQ(none.size(), 61u);
    for (const OmissionFigures& f : none) {
        EXPECT_EQ(f.current, 0);
        EXPECT_EQ(f.largest, 0);
        EXPECT_DOUBLE_EQ(f.average, 0);
    }
    // An unreadable number is a draw in which nothing appears.
    EXPECT_EQ(find(positionOmission({-1, 111}), "百位", "1").largest, 1);
}

} // namespace
