#include "ui/main/WindowPlace.h"

#include "exchange/IniFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
const QString kSection = QStringLiteral("主窗口");
const QString kGeometryKey = QStringLiteral("位置");
const QString kMaximisedKey = QStringLiteral("最大化");
} // namespace

WindowPlace readWindowPlace(const QString& path)
{
    const IniFile ini(path);
    WindowPlace place;
    const QStringList parts = ini.readString(kSection, kGeometryKey, QString()).split(QLatin1Char(','));
    if (parts.size() == 4) {
        bool ok[4] = {};
        const int x = parts[0].trimmed().toInt(&ok[0]), y = parts[1].trimmed().toInt(&ok[1]);
        const int w = parts[2].trimmed().toInt(&ok[2]), h = parts[3].trimmed().toInt(&ok[3]);
        if (ok[0] && ok[1] && ok[2] && ok[3] && w > 0 && h > 0)
            place.geometry = QRect(x, y, w, h);
    }
    place.maximised = ini.readString(kSection, kMaximisedKey, QStringLiteral("0")) == QLatin1String("1");
    return place;
}

void saveWindowPlace(const QString& path, const QWidget& window)
{
    const QRect normal = window.normalGeometry();
    try {
        IniFile(path).writeStrings(
            {{kSection, kGeometryKey,
              QStringLiteral("%1,%2,%3,%4").arg(normal.x()).arg(normal.y()).arg(normal.width()).arg(normal.height())},
             {kSection, kMaximisedKey, window.isMaximized() ? QStringLiteral("1") : QStringLiteral("0")}});
    } catch (const IniWriteError&) {
        // Only the window's place is lost; the history is not touched.
    }
}

void restoreWindowPlace(const WindowPlace& place, QWidget& window)
{
    if (place.geometry.isValid()) {
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(place.geometry)) {
                window.setGeometry(place.geometry);
                break;
            }
        }
    }
    if (place.maximised)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}
