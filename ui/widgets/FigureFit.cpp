#include "ui/widgets/FigureFit.h"

#include <QFontMetrics>
#include <cmath>

namespace {

constexpr double kSmallestScale = 0.75;

QFont scaled(QFont font, double scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::floor(font.pixelSize() * scale))));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

int advance(const QFont& font, const QString& figure)
{
    return QFontMetrics(font).horizontalAdvance(figure) + kFigurePadding;
}

} // namespace

QFont figureFont(const QFont& font, const QString& figure, int width)
{
    if (advance(font, figure) <= width)
        return font;
    // A twentieth at a time: the largest face that fits.
    for (double scale = 0.9; scale > kSmallestScale - 0.01; scale -= 0.05) {
        QFont smaller = scaled(font, scale);
        if (advance(smaller, figure) <= width)
            return smaller;
    }
    return scaled(font, kSmallestScale);
}

int figureWidth(const QFont& font, const QString& figure)
{
    return advance(scaled(font, kSmallestScale), figure);
}
