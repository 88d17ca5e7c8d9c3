#pragma once

#include <QString>
#include <QStringList>
#include <array>

// One stored draw. Every column but the issue and the number is derived once,
// at entry, and never recomputed.
struct DrawRecord
{
    QString qs;
    // Hit markers A10..A39: index (position - 1) * 10 + digit. A null QString
    // is a stored NULL; exactly one marker per position holds its digit.
    std::array<QString, 30> hits;
    int asum = 0;
    QString ascale;
    QString alarge;
    int acValue = 0;
    int sameToLast = 0;
    int kuadu = 0;
    int zhishu = 0;
    QString allNumber;
    QString singleString;
    QString largeString;

    bool operator==(const DrawRecord&) const = default;
};

// Column names of the draw tables in stored order: qs, A10..A39, Asum, ...
const QStringList& drawColumns();
constexpr int kHitColumnCount = 30;

// Builds the whole record for `number` drawn in `issue`, given the number of
// the previous issue's draw (empty when that draw is not stored).
// Throws ConversionError when the number is not three digits.
DrawRecord deriveDrawRecord(const QString& issue, const QString& number, const QString& previousNumber);

// True when the text is exactly three decimal digits.
bool isDrawNumber(const QString& number);
