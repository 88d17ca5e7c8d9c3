#pragma once

#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/support/OmissionHistory.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace omission_history {

// Stores the twelve hand-counted draws as issues 2025001 on; returns the issues.
inline QStringList storeDraws(DrawStore& store)
{
    QStringList issues;
    for (const char* number : kNumbers) {
        issues << QString::number(2025001 + issues.size());
        EXPECT_TRUE(enterDraw(store, issues.last(), number).stored()) << issues.last().toStdString();
    }
    return issues;
}

} // namespace omission_history
