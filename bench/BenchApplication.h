#pragma once

#include <QApplication>

// The one application object of the benchmark executable, made on first use
// (offscreen when no display is set).
inline QApplication& benchApplication()
{
    static int argc = 1;
    static char name[] = "quorvane_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}
