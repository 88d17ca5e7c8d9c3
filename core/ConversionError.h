#pragma once

#include <QString>
#include <stdexcept>

// Raised when a text that must be a decimal number (a digit of a draw, an
// issue, a range bound, an option value) is not one. Its text is shown to
// the user as it stands.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString& offendingText);
    QString text() const { return QString::fromUtf8(what()); }
};

// Strict decimal conversion: optional sign, digits only, no blanks.
int toIntStrict(const QString& text);
qlonglong toLongStrict(const QString& text);
