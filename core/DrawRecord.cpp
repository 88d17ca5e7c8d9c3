#include "core/DrawRecord.h"

#include "core/NumberText.h"

#include "core/ConversionError.h"
#include "core/DrawLookup.h"
#include "core/Myfunction.h"

namespace {

// The record derives from the previous number alone; this lookup answers
// nothing so SameToLastCount never needs the store here.
class NoLookup : public DrawLookup
{
public:
    QString latestNumber() const override { return {}; }
    QString numberOfIssue(const QString&) const override { return {}; }
};

} // namespace

const QStringList& drawColumns()
{
    static const QStringList columns = [] {
        QStringList list{QStringLiteral("qs")};
        for (int position = 1; position <= 3; ++position)
            for (int digit = 0; digit <= 9; ++digit)
                list << QStringLiteral("A%1%2").arg(position).arg(digit);
        list << QStringLiteral("Asum") << QStringLiteral("Ascale") << QStringLiteral("Alarge")
             << QStringLiteral("ACValue") << QStringLiteral("SameToLast") << QStringLiteral("kuadu")
             << QStringLiteral("zhishu") << QStringLiteral("AllNumber") << QStringLiteral("SingleString")
             << QStringLiteral("LargeString");
        return list;
    }();
    return columns;
}

bool isDrawNumber(const QString& number)
{
    return numberValue(number).has_value();
}

DrawRecord deriveDrawRecord(const QString& issue, const QString& number, const QString& previousNumber)
{
    if (!isDrawNumber(number))
        throw ConversionError(number);
    DrawRecord record;
    record.qs = issue;
    for (int position = 0; position < 3; ++position) {
        const int digit = DigitValue(number[position]);
        record.hits[position * 10 + digit] = QString(number[position]);
        record.asum += digit;
    }
    record.ascale = OddEvenRatio(number);
    record.alarge = BigSmallRatio(number);
    record.allNumber = number;
    record.acValue = ACValueOf(number, 3);
    record.singleString = OddEvenPattern(number);
    record.largeString = BigSmallPattern(number);
    record.sameToLast = previousNumber.isEmpty() ? 0 : SameToLastCount(number, previousNumber, QString(), NoLookup());
    record.kuadu = SpanOf(number).toInt();
    record.zhishu = PrimeCount(number);
    return record;
}
