#include "exchange/PageWaits.h"

#include <QStringList>

std::optional<PageWaits> PageWaits::parse(const QString& text)
{
    const QStringList given = text.split(u',');
    if (given.size() != 3)
        return std::nullopt;
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = given[i].trimmed().toInt(&ok);
        if (!ok || values[i] <= 0)
            return std::nullopt;
    }
    return PageWaits{values[0], values[1], values[2]};
}

QString PageWaits::toString() const
{
    return QStringLiteral("%1,%2,%3").arg(readAgainMs).arg(drawsWithinMs).arg(loadWithinMs);
}
