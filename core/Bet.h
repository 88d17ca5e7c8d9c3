#pragma once

// A bet: three digits, leading zeros kept (000 to 999). Kept as its value;
// the text is always the value written with three digits.

#include <QString>
#include <vector>

struct Bet
{
    int value = 0; // 0 .. 999

    QString text() const
    {
        const QChar digits[] = {QChar(u'0' + value / 100), QChar(u'0' + value / 10 % 10), QChar(u'0' + value % 10)};
        return QString(digits, 3);
    }
    int sum() const { return value / 100 + value / 10 % 10 + value % 10; }
    friend bool operator==(Bet a, Bet b) { return a.value == b.value; }
};

// A result list; a bet's serial number is its position plus one.
using BetList = std::vector<Bet>;

// A tick box with its low and high list: takes part only while ticked, both
// bounds inclusive.
struct RangeCondition
{
    bool ticked = false;
    int low = 0;
    int high = 0;

    bool inverted() const { return ticked && low > high; }
};
