#pragma once

#include "core/DrawLookup.h"

// The latest stored draw, read once for a whole run: the store does not
// change while a run lasts, so every bet compares with the same number.
class LatestDraw : public DrawLookup
{
public:
    explicit LatestDraw(QString number) : m_number(std::move(number)) {}
    const QString& number() const { return m_number; }
    QString latestNumber() const override { return m_number; }
    // Runs only ask for the latest draw.
    QString numberOfIssue(const QString&) const override { return {}; }

private:
    QString m_number;
};
