#pragma once

#include <QString>

// The two questions the number properties ask of the stored history. The
// draw store answers them; core code never depends on the store itself.
class DrawLookup
{
public:
    virtual ~DrawLookup() = default;
    // AllNumber of the latest stored draw (the last in issue order); empty when none.
    virtual QString latestNumber() const = 0;
    // AllNumber of the first stored draw with this issue; empty when none.
    virtual QString numberOfIssue(const QString& issue) const = 0;
};
