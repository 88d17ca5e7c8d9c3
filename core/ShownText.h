#pragma once

// A text a user gave, as a message quotes it: a line of a file or a typed
// value may be megabytes long, and a message box shows only the start of it.

#include <QString>

inline QString shownText(const QString& text, qsizetype limit = 40)
{
    return text.size() <= limit ? text : text.left(limit) + QStringLiteral("…");
}
