#pragma once

// Texts a user may type or paste where an issue or a number is expected:
// characters that mean something to SQL or to LIKE patterns, text that is
// very long, not ASCII, or nothing but blanks. Shared by the bad-input tests
// of every window, so each window meets the same list.

#include <QString>
#include <ostream>
#include <vector>

struct HostileText
{
    const char* name; // readable in a test's name: letters, digits and '_' only
    QString text;
};

inline const std::vector<HostileText>& hostileTexts()
{
    static const std::vector<HostileText> texts = {
        {"SingleQuote", QStringLiteral("08123'")},
        {"QuotedOr", QStringLiteral("' or '1'='1")},
        {"DoubleQuote", QStringLiteral("08123\" or \"1\"=\"1")},
        {"Semicolon", QStringLiteral("1; delete from fucai; --")},
        {"Percent", QStringLiteral("%")},
        {"Underscore", QStringLiteral("_____")},
        {"Comment", QStringLiteral("-- ")},
        {"ArgMarker", QStringLiteral("%1%2")},
        {"VeryLong", QString(100000, QLatin1Char('9'))},
        {"Chinese", QStringLiteral("汉字期号")},
        {"Emoji", QStringLiteral("😀🎲")},
        {"Empty", QString()},
        {"Blanks", QStringLiteral("   ")},
    };
    return texts;
}

// The same texts as issues stored by another program: all but the empty
// one, which as a range start means the whole table, not an issue.
inline const std::vector<HostileText>& hostileIssues()
{
    static const std::vector<HostileText> issues = [] {
        std::vector<HostileText> list;
        for (const HostileText& text : hostileTexts())
            if (!text.text.isEmpty())
                list.push_back(text);
        return list;
    }();
    return issues;
}

// A failing case names itself; the texts are too long to print.
inline void PrintTo(const HostileText& text, std::ostream* out)
{
    *out << text.name;
}

// For INSTANTIATE_TEST_SUITE_P: the case's own name.
struct HostileTextName
{
    template <typename Info> std::string operator()(const Info& info) const { return info.param.name; }
};
