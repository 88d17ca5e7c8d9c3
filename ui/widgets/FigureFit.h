#pragma once

// Figures in narrow cells (a footer's 频率 over a long history, an omission
// in a 16-pixel digit column) are shown whole: first in a smaller face, down
// to three quarters of the cell's own, and where even that is too wide the
// column is widened to what figureWidth says.

#include <QFont>
#include <QString>

// Room kept free beside a figure, so neighbouring figures never touch.
inline constexpr int kFigurePadding = 3;

// The face to draw `figure` in within a cell `width` pixels wide.
QFont figureFont(const QFont& font, const QString& figure, int width);

// The cell width `figure` needs in the smallest face figureFont uses.
int figureWidth(const QFont& font, const QString& figure);
