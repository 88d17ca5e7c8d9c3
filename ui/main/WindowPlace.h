#pragma once

// Where the main window was when it last closed: its normal geometry and
// whether it was maximised, kept in the data folder's user/Window.ini.

#include <QRect>
#include <QString>

class QWidget;

struct WindowPlace
{
    QRect geometry; // invalid: none kept
    bool maximised = false;
};

WindowPlace readWindowPlace(const QString& path);
// A failure to write leaves the file as it was; closing goes on.
void saveWindowPlace(const QString& path, const QWidget& window);
// Puts the window back where it was when that still fits wholly on one of
// today's screens; otherwise it keeps the place it has.
void restoreWindowPlace(const WindowPlace& place, QWidget& window);
