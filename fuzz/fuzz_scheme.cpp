// Any bytes as a selection scheme: the load either gives a scheme whose
// values the window can show or refuses with a message, and never crashes.
#include "exchange/SchemeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    QDir().mkpath(Schemes::folder(dir.path()));
    {
        QFile file(QDir(Schemes::folder(dir.path())).filePath(QStringLiteral("方案.ini")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    try {
        const SelectionScheme scheme = Schemes::load(dir.path(), QStringLiteral("方案"));
        // The lists offer 0 .. 63 at most; digit rows hold digits.
        if (scheme.manual.ranges.sum.high > 63)
            std::abort();
        for (const QString& row : {scheme.manual.digits1, scheme.manual.digits2, scheme.manual.digits3}) {
            if (row.size() > 10)
                std::abort();
            for (QChar digit : row) // the window lights panel digit - '0'
                if (digit < u'0' || digit > u'9')
                    std::abort();
        }
        // A mark read is a real date and an issue of digits.
        if (scheme.saved && (!scheme.saved->date.isValid() || scheme.saved->issue.size() > 12))
            std::abort();
        if (scheme.saved)
            for (QChar digit : scheme.saved->issue)
                if (digit < u'0' || digit > u'9')
                    std::abort();
    } catch (const SchemeError&) {
    }
    return 0;
}
