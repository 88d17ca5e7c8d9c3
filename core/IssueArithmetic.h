#pragma once

#include "core/Game.h"

#include <QDate>
#include <QString>
#include <optional>

// Neighbouring issues. The result keeps the width of the given issue, padded
// with zeros (08123 -> 08124, 2025217 -> 2025216), and grows only when the
// value needs more digits (99999 -> 100000). Throws ConversionError when the
// issue is not a decimal number.
QString nextIssue(const QString& issue);
// Empty when there is no issue before it (value 0).
QString previousIssue(const QString& issue);
// The issue's integer value as decimal text, leading zeros dropped (08123 -> 8123).
QString issueValueText(const QString& issue);
// True when the text is one or more decimal digits and nothing else.
bool isIssueText(const QString& issue);
// True when the issue has neighbours: digits, few enough to count with.
// A stored text that is not one (from a file made elsewhere) has none.
bool isCountableIssue(const QString& issue);

// The issue at a history's width: a five-digit issue (yynnn) gains the
// century (25217 -> 2025217) for a seven-digit history, a seven-digit one
// loses it (2025217 -> 25217) for a five-digit history. Any other issue or
// width is returned as it is.
QString issueAtWidth(const QString& issue, int width);

// The first year an issue can name: 3D began drawing in 2002, 排列3 in 2004.
// Without a game, 2002.
int firstIssueYear(std::optional<Game> game = std::nullopt);

// Why no draw can carry the issue, in words for the user; empty when one can.
// An issue is five digits (yynnn, the year 20yy) or seven (yyyynnn); its day
// number nnn is 001–366 (both games draw at most once a day) and its year lies
// between the game's first year and the year after `today`.
QString impossibleIssue(const QString& issue, std::optional<Game> game = std::nullopt,
                        const QDate& today = QDate::currentDate());
