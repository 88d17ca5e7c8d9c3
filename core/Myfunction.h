#pragma once

// Properties of a three-digit draw number given as text, and the range tests
// on them that the bet filters use. Two range forms occur: "start and count"
// (start <= value <= start + count) and "low and high" texts.

#include <QString>

class DrawLookup;

int DigitValue(QChar c); // throws ConversionError for a non-digit

QString SpanOf(const QString& number);
bool SpanInRange(const QString& number, const QString& low, const QString& high);
bool Route0CountInRange(const QString& number, const QString& low, const QString& high);
bool Route1CountInRange(const QString& number, const QString& low, const QString& high);
bool PrimeCountInRange(const QString& number, const QString& low, const QString& high);
int PrimeCount(const QString& number);
QString OddEvenPattern(const QString& number);
QString BigSmallPattern(const QString& number);
QString OddEvenRatio(const QString& number);
QString BigSmallRatio(const QString& number);
int ACValueOf(const QString& number, int n);
bool ACValueInRange(const QString& number, int start, int count, int n);
bool ValueInRange(int value, int start, int count);
bool OddCountInRange(const QString& number, int start, int count);
bool BigCountInRange(const QString& number, int start, int count);
// Positions equal to the previous draw. Without a previous number the store is
// asked: for the draw of `issue`, or for the latest draw when the issue is empty.
int SameToLastCount(const QString& number, const QString& previousNumber, const QString& issue,
                    const DrawLookup& lookup);
bool SameToLastInRange(const QString& number, const QString& previousNumber, int start, int count,
                       const DrawLookup& lookup);
