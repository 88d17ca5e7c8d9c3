#pragma once

// What the analyses read of an issue range: plain rows in issue order.

#include <QString>

// One draw: its issue and its drawn number (three digit characters).
struct IssueNumber
{
    QString qs;
    QString number;
    bool operator==(const IssueNumber&) const = default;
};

// One draw with one integer column (the span).
struct IssueValue
{
    QString qs;
    int value = 0;
    bool operator==(const IssueValue&) const = default;
};

// A value and the number of draws holding it (alias 次数 in the statements).
struct ValueCount
{
    int value = 0;
    int count = 0;
    bool operator==(const ValueCount&) const = default;
};
