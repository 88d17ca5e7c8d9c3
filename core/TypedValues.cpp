#include "core/TypedValues.h"

#include <QStringList>
#include <algorithm>

namespace {

bool isSeparator(QChar c)
{
    return c == u' ' || c == u'\u3000' || c == u',' || c == u'，' || c == u'、';
}

QString allowed(int highest)
{
    return highest <= 9 ? QStringLiteral("只能输入数字0–9，可用空格分隔。")
                        : QStringLiteral("只能输入0–%1的数，用空格或逗号分隔。").arg(highest);
}

// The character at `at` as the user sees it: a pair of surrogates whole, a
// control character by its code.
QString shownCharacter(const QString& text, qsizetype at)
{
    const QChar c = text[at];
    if (c.isHighSurrogate() && at + 1 < text.size())
        return text.mid(at, 2);
    if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
        c.category() == QChar::Other_Surrogate)
        return QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    return QString(c);
}

} // namespace

TypedValues readTypedValues(const QString& text, int highest)
{
    TypedValues read;
    const auto keep = [&read](int value) {
        if (std::find(read.values.begin(), read.values.end(), value) == read.values.end())
            read.values.push_back(value);
    };
    int number = -1;       // the value being read; none yet
    qsizetype started = 0; // where it started
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text[i] : QChar(u' ');
        // Only the ASCII digits: a full-width digit or another script's is refused.
        if (c >= u'0' && c <= u'9') {
            const int digit = c.unicode() - u'0';
            if (highest <= 9) {
                keep(digit);
                continue;
            }
            if (number < 0)
                started = i;
            number = number < 0 ? digit : number * 10 + digit;
            if (number > highest) {
                qsizetype end = i;
                while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
                    ++end;
                read.values.clear();
                read.problem =
                    QStringLiteral("“%1”超出范围，").arg(text.mid(started, std::min<qsizetype>(end - started, 12))) +
                    allowed(highest);
                return read;
            }
            continue;
        }
        if (isSeparator(c)) {
            if (number >= 0)
                keep(number);
            number = -1;
            continue;
        }
        read.values.clear();
        read.problem = QStringLiteral("不能输入“%1”，").arg(shownCharacter(text, i)) + allowed(highest);
        return read;
    }
    return read;
}

QString typedValuesText(const std::vector<int>& values, int highest)
{
    QStringList parts;
    for (int value : values)
        parts << QString::number(value);
    return parts.join(highest <= 9 ? QString() : QStringLiteral(" "));
}
