#include "ui/main/Clock.h"

#include <QLocale>

QString clockText(const QDateTime& now)
{
    static const QLocale chinese(QLocale::Chinese, QLocale::China);
    return chinese.toString(now.toLocalTime(), QStringLiteral("yyyy-MM-dd dddd HH:mm:ss"));
}
