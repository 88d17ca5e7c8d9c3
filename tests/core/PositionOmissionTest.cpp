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
    // 123, 456, 123, 777, 120: hundreds digit 1 at draws 0, 2, 4.
    const auto rows = positionOmission({123, 456, 123, 777, 120});
    ASSERT_EQ(rows.size(), 61u);
    const struct
    {
        const char *group, *item;
        int current, largest, appearances;
        bool hasAverage;
        double average, ratio;
    } cases[] = {
        {"百位", "1", 0, 1, 3, true, 2.0 / 3, 0},   {"百位", "4", 3, 3, 1, true, 4.0, 0.75},
        {"百位", "9", 5, 5, 0, false, 0, 0}, // never drawn: the whole run
        {"十位", "2", 0, 1, 3, true, 2.0 / 3, 0},   {"个位", "3", 2, 2, 2, true, 1.5, 2.0 / 1.5},
        {"形态", "豹子", 1, 3, 1, true, 4.0, 0.25}, {"形态", "组三", 5, 5, 0, false, 0, 0},
        {"形态", "组六", 0, 1, 4, true, 0.25, 0},   {"和值", "6", 2, 2, 2, true, 1.5, 2.0 / 1.5},
        {"和值", "3", 0, 4, 1, true, 4.0, 0},       {"和值", "21", 1, 3, 1, true, 4.0, 0.25},
        {"和值", "27", 5, 5, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        const OmissionFigures& f = find(rows, c.group, c.item);
        SCOPED_TRACE(std::string(c.group) + " " + c.item);
        EXPECT_EQ(f.current, c.current);
        EXPECT_EQ(f.largest, c.largest);
        EXPECT_EQ(f.appearances, c.appearances);
        EXPECT_EQ(f.hasAverage, c.hasAverage);
        EXPECT_DOUBLE_EQ(f.average, c.average);
        EXPECT_DOUBLE_EQ(f.ratio, c.ratio);
    }
}

TEST(PositionOmission, OneDrawAndNoDraws)
{
    const auto one = positionOmission({505});
    EXPECT_EQ(find(one, "百位", "5").appearances, 1);
    EXPECT_EQ(find(one, "百位", "5").current, 0);
    EXPECT_DOUBLE_EQ(find(one, "百位", "5").average, 0);
    EXPECT_EQ(find(one, "十位", "5").current, 1);
    EXPECT_EQ(find(one, "形态", "组三").appearances, 1);

    const auto none = positionOmission({});
    ASSERT_EQ(none.size(), 61u);
    for (const OmissionFigures& f : none) {
        EXPECT_EQ(f.current, 0);
        EXPECT_EQ(f.largest, 0);
        EXPECT_FALSE(f.hasAverage);
    }
    // An unreadable number is a draw in which nothing appears.
    EXPECT_EQ(find(positionOmission({-1, 111}), "百位", "1").largest, 1);
}

} // namespace
