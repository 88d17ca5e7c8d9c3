#include "core/Statistics.h"

#include <algorithm>
#include <array>
#include <cmath>

const QStringList& AllNumbers()
{
    static const QStringList numbers = [] {
        QStringList list;
        for (int n = 0; n < 1000; ++n)
            list << QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        return list;
    }();
    return numbers;
}

QString PercentOfTotal(double count, double total)
{
    const double percent = total > 0 ? 100.0 * count / total : 0.0;
    // Up to two decimals, no trailing zeros.
    return QString::number(std::round(percent * 100.0) / 100.0, 'g', 15) + QStringLiteral(" %");
}
