#include "tests/ui/MainWindowFixture.h"
#include "ui/widgets/ScreenFit.h"

#include <QScreen>

namespace {

// The main window's designed 1024×776 on today's screens: a 1366×768 laptop
// with a 40-pixel panel, and 2560×1440 at scale 2 (1280×720 logical pixels).
TEST(ScreenFit, WindowsFitTheAvailableArea)
{
    const QMargins frame(4, 32, 4, 4);
    struct Case
    {
        const char* screen;
        QRect current, available;
        QSize minimum;
    };
    const Case cases[] = {
        {"1366x768", {0, 0, 1024, 776}, {0, 0, 1366, 728}, {0, 0}},
        {"scale 2", {0, 0, 1024, 776}, {0, 40, 1280, 680}, {0, 0}},
        {"fixed dialog bigger than the screen", {100, 100, 1400, 900}, {0, 0, 1280, 680}, {1400, 900}},
        {"second screen", {0, 0, 640, 480}, {1920, 0, 1366, 728}, {0, 0}},
    };
    for (const Case& c : cases) {
        const QRect fitted = fittedGeometry(c.current, c.minimum, frame, c.available);
        EXPECT_TRUE(c.available.contains(fitted.marginsAdded(frame))) << c.screen;
        EXPECT_EQ(fitted.width(), std::min(c.current.width(), c.available.width() - 8)) << c.screen;
        EXPECT_EQ(fitted.height(), std::min(c.current.height(), c.available.height() - 36)) << c.screen;
    }
    // A window that fits stays where it is.
    EXPECT_EQ(fittedGeometry({50, 60, 400, 300}, {}, frame, {0, 0, 1366, 728}), QRect(50, 60, 400, 300));
}

using ScreenFitWindowTest = MainWindowTest;

// On this test screen the main window is shrunk to fit, and its grid takes
// the room the window has.
TEST_F(ScreenFitWindowTest, MainWindowLiesOnTheScreenAndItsGridGrows)
{
    seed(50);
    ScreenFitter fitter;
    qApp->installEventFilter(&fitter);
    show();
    qApp->removeEventFilter(&fitter);
    QCoreApplication::processEvents();
    const QRect available = window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window->geometry())) << available.width() << "x" << available.height();

    auto* grid = child<QTableView>("DBGridEh1");
    const int before = grid->height();
    window->resize(window->width(), window->height() - 100);
    QCoreApplication::processEvents();
    EXPECT_LT(grid->height(), before) << "the grid follows the window";
}

} // namespace
