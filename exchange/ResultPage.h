#pragma once

// Reading a results page. The page text (converted to GBK) carries the game's
// marker followed by fixed-width entries of 11 bytes: five bytes of issue,
// the two bytes of "期", three digits of the number and one separator byte.
// Only the first marker counts, and reading stops at the first entry whose
// mark is not "期".

#include "core/Game.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct PageDraw
{
    QString issue;
    QString number;
    bool operator==(const PageDraw&) const = default;
};

namespace ResultPage {
constexpr int kEntrySize = 11;
constexpr int kIssueSize = 5;
constexpr int kMarkSize = 2;
constexpr int kNumberSize = 3;
} // namespace ResultPage

// "3D号码：" for fucai, "排列三号码：" for ticai, as GBK bytes (8 and 12 bytes).
QByteArray resultMarker(Game game);
// The page text as GBK bytes; characters GBK cannot hold become "?".
QByteArray toGbk(QStringView text);
inline QByteArray toGbk(const QString& text)
{
    return toGbk(QStringView(text));
}
// The entries after the game's first marker, in page order.
std::vector<PageDraw> readResultPage(const QByteArray& gbkText, Game game);
