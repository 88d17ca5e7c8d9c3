#include "core/TypedValues.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char* typed;
    int highest;
    std::vector<int> values;
    const char* named; // a piece of the problem; null when read whole
};

// Candidate digits and filter values: valid shapes, repeats dropped in
// typing order, everything else refused whole with what was wrong.
TEST(TypedValuesTest, ReadsValidRepeatedAndRefusedLists)
{
    const Case cases[] = {
        // valid
        {"", 9, {}, nullptr},
        {"135", 9, {1, 3, 5}, nullptr},
        {"1 3 5", 9, {1, 3, 5}, nullptr},
        {"1,3，5、7", 9, {1, 3, 5, 7}, nullptr},
        {"  9 0  ", 9, {9, 0}, nullptr},
        {"5214", 9, {5, 2, 1, 4}, nullptr},
        {"0123456789", 9, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, nullptr},
        {"3 12 25", 27, {3, 12, 25}, nullptr},
        {"27,0", 27, {27, 0}, nullptr},
        {"007", 27, {7}, nullptr},
        // repeated: the first place kept
        {"1351", 9, {1, 3, 5}, nullptr},
        {"5 5 5", 9, {5}, nullptr},
        {"12 3 12 03", 27, {12, 3}, nullptr},
        // refused
        {"1a3", 9, {}, "a"},
        {"1-3", 9, {}, "-"},
        {"１３", 9, {}, "１"},
        {"1\t3", 9, {}, "\\u0009"},
        {"1.5", 27, {}, "."},
        {"28", 27, {}, "28"},
        {"3 100000000000000000000", 27, {}, "100000000000"},
        {"1😀", 9, {}, "😀"},
        {"-1", 27, {}, "-"},
    };
    for (const Case& c : cases) {
        const TypedValues read = readTypedValues(QString::fromUtf8(c.typed), c.highest);
        EXPECT_EQ(read.values, c.values) << c.typed;
        EXPECT_EQ(read.ok(), c.named == nullptr) << c.typed;
        if (c.named) {
            EXPECT_TRUE(read.problem.contains(QString::fromUtf8(c.named)))
                << c.typed << " " << read.problem.toStdString();
        }
    }
}

TEST(TypedValuesTest, ShowsValuesAsTheBoxDoes)
{
    EXPECT_EQ(typedValuesText({1, 3, 5}, 9), "135");
    EXPECT_EQ(typedValuesText({3, 12, 25}, 27), "3 12 25");
    EXPECT_EQ(typedValuesText({}, 27), "");
    // What is shown reads back as the same list.
    for (int highest : {9, 27}) {
        const std::vector<int> values = {7, 0, highest};
        EXPECT_EQ(readTypedValues(typedValuesText(values, highest), highest).values, values);
    }
}

} // namespace
