#pragma once

// Windows were designed for one screen size; today's screens are smaller
// (1366×768 laptops) or scaled (2 on 2560×1440), where a window at its
// designed size runs off the screen and its menu bar or buttons can no
// longer be reached. Every window is fitted into its screen's available area
// as it is first shown: its designed size where that fits, else smaller, and
// always wholly on the screen.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of `size` (at least `minimum`, framed by `frame`) goes on a
// screen whose free area is `available`: the frame lies inside `available`,
// the window keeps its place when it already fits there, else it is centred.
QRect fittedGeometry(const QRect& current, const QSize& minimum, const QMargins& frame, const QRect& available);

void fitIntoScreen(QWidget* window);

// Installed on the application: fits every window as it is first shown.
class ScreenFitter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
