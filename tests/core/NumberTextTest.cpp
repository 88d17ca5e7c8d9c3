// The one reading of a number's text, from text and from stored bytes alike.
#include "core/NumberText.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

TEST(NumberText, OnlyThreeAsciiDigitsNameANumber)
{
    const struct
    {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"000", 0},          {"073", 73},          {"999", 999},        {"73", std::nullopt},
        {"0073", std::nullopt}, {"1 2", std::nullopt}, {"12a", std::nullopt}, {"", std::nullopt},
        {"-12", std::nullopt}, {"+12", std::nullopt}, {" 12", std::nullopt},
        {"\xef\xbc\x91\xef\xbc\x92\xef\xbc\x93", std::nullopt}, // full-width digits
        {"\xd9\xa1\xd9\xa2\xd9\xa3", std::nullopt},             // Arabic-Indic digits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numberValue(QString::fromUtf8(c.text)), c.value);
        EXPECT_EQ(numberValue(QByteArrayView(c.text)), c.value);
    }
}

} // namespace
