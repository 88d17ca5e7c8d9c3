#include "core/NumberText.h"

namespace {

char16_t codeOf(QChar c)
{
    return c.unicode();
}

char16_t codeOf(char c)
{
    return char16_t(static_cast<unsigned char>(c));
}

template <typename Text> std::optional<int> valueOf(const Text& text)
{
    if (text.size() != 3)
        return std::nullopt;
    int value = 0;
    for (qsizetype i = 0; i < 3; ++i) {
        const char16_t c = codeOf(text[i]);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

std::optional<int> numberValue(QStringView text)
{
    return valueOf(text);
}

std::optional<int> numberValue(QByteArrayView bytes)
{
    return valueOf(bytes);
}
