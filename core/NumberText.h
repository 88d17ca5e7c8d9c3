#pragma once

// A drawn number's text as the program stores and shows it: exactly three
// ASCII digits, "000" to "999". Every place that turns such a text into its
// value (0–999) asks here, so a text that is not one ("73", "1234", "1 2 3",
// full-width digits) is none everywhere alike.

#include <QByteArrayView>
#include <QStringView>
#include <optional>

std::optional<int> numberValue(QStringView text);
// The same for the bytes of a stored text, before any conversion.
std::optional<int> numberValue(QByteArrayView bytes);
