#include "core/ConversionError.h"

#include "core/ShownText.h"

#include <limits>

ConversionError::ConversionError(const QString& offendingText)
    : std::runtime_error(QStringLiteral("“%1”不是有效的整数值").arg(shownText(offendingText)).toStdString())
{
}

qlonglong toLongStrict(const QString& text)
{
    bool ok = false;
    // QString::toLongLong accepts surrounding blanks; a strict reader does not.
    const qlonglong value = text.trimmed() == text ? text.toLongLong(&ok, 10) : 0;
    if (!ok)
        throw ConversionError(text);
    return value;
}

int toIntStrict(const QString& text)
{
    const qlonglong value = toLongStrict(text);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw ConversionError(text);
    return static_cast<int>(value);
}
