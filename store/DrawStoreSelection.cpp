// The draw store's queries for bet selection.
#include "store/Database.h"
#include "store/DrawStore.h"
#include "store/RangeBinding.h"

std::vector<DrawnNumber> DrawStore::numbersInRange(const QString& from, const QString& to) const
{
    Statement query(db(),
                    QStringLiteral("select allNumber,qs from %1 where qs >= ? and qs <= ? order by qs").arg(table()));
    bindIssueRange(query, from, to);
    std::vector<DrawnNumber> numbers;
    while (query.step())
        numbers.push_back({query.text(1), query.text(0)});
    return numbers;
}
