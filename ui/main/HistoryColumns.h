#pragma once

#include <QColor>
#include <QString>

// How the history grid shows each column of the draw table: title ("upper|
// lower" for two levels), width, cell colours and font weight.
struct HistoryColumn
{
    const char* title;
    int width;         // 0: the digit columns, whose width is an option
    QColor background; // invalid: the grid's own
    QColor foreground;
    bool bold;
    bool numeric; // stored as a number: highlighted text is right-aligned
};

// The 41 columns in table order: qs, A10..A39, Asum .. LargeString, in the
// colours of the scheme in force.
const HistoryColumn& historyColumn(int column);
constexpr int kHistoryColumnCount = 41;
// Title text of a column as shown ("第一位|3" for the digit columns).
QString historyTitle(int column);

// Data cells use this font size, in pixels.
constexpr int kHistoryFontPixels = 11;
