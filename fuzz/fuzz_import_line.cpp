// Any bytes as an import file, and each of its lines on its own.
#include "exchange/ImportFile.h"

#include <QList>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    parseImportText(bytes);
    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        QString issue, number;
        if (parseImportLine(line, issue, number) && (number.size() != 3 || issue.isEmpty()))
            __builtin_trap();
    }
    return 0;
}
