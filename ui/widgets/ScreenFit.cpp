#include "ui/widgets/ScreenFit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QRect fittedGeometry(const QRect& current, const QSize& minimum, const QMargins& frame, const QRect& available)
{
    const QSize room(std::max(1, available.width() - frame.left() - frame.right()),
                     std::max(1, available.height() - frame.top() - frame.bottom()));
    const QSize size = current.size().boundedTo(room).expandedTo(minimum.boundedTo(room));
    QRect placed(current.topLeft(), size);
    const QRect inner = available.marginsRemoved(frame);
    if (!inner.contains(placed))
        placed.moveCenter(inner.center());
    // Centring an odd size may leave it a pixel out; clamp the corner.
    placed.moveLeft(std::clamp(placed.left(), inner.left(), std::max(inner.left(), inner.right() - size.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), inner.top(), std::max(inner.top(), inner.bottom() - size.height() + 1)));
    return placed;
}

void fitIntoScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    // Before the first showing the frame is unknown; a title bar and borders
    // of this size are what desktops draw.
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    if (frame.isNull())
        frame = QMargins(4, 32, 4, 4);
    const QRect fitted = fittedGeometry(window->geometry(), window->minimumSize(), frame, screen->availableGeometry());
    // A fixed-size dialog may be made smaller than designed: its layout
    // then squeezes, which beats controls beyond the screen's edge.
    if (fitted.size() != window->size())
        window->setMinimumSize(window->minimumSize().boundedTo(fitted.size()));
    // The window itself, not its frame: move() would place the frame's
    // corner where the window's should be, a frame's width too low.
    window->setGeometry(fitted);
}

bool ScreenFitter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen &&
            !widget->property("screenFitted").toBool()) {
            widget->setProperty("screenFitted", true);
            fitIntoScreen(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}
