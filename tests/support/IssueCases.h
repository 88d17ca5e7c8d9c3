#pragma once

// One table of issues that can and cannot exist, run through every way an
// issue comes in: the readers, the entry panel and 统一期号.

#include <QDate>
#include <QString>
#include <vector>

struct IssueCase
{
    QString issue;
    bool possible;
};

// Relative to today: the last possible year is next year.
inline std::vector<IssueCase> issueCases()
{
    const int next = QDate::currentDate().year() + 1;
    const QString afterNext = QString::number(next + 1);
    return {
        {"2025217", true},
        {"25217", true},
        {"2002001", true},
        {"02366", true},
        {QString::number(next) + "001", true},
        {QString::number(next).right(2) + "001", true},
        {"0000000", false},
        {"00000", false},   // the year 2000
        {"2031000", false}, // day 000
        {"2025367", false}, // no year has 367 days
        {"1925003", false}, // before 3D began
        {"2125004", false},
        {"2001100", false},
        {"01100", false},
        {afterNext + "001", false}, // after next year
        {afterNext.right(2) + "001", false},
    };
}
