#pragma once

#include <QDateTime>
#include <QString>

// Local date and time as the status bar and the splash show it, whatever the
// system's locale: 2026-12-10 星期四 19:18:21.
QString clockText(const QDateTime& now = QDateTime::currentDateTime());
