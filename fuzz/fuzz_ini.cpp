// Any bytes as an options file: reading keys (and writing one back) must
// neither crash nor hang.
#include "exchange/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DefaultSet.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    IniFile ini(path);
    for (const char* key : {"默认显示期数", "宽度", "种类"})
        ini.readString(QStringLiteral("启动设置"), QString::fromUtf8(key), QStringLiteral("40"));
    ini.readString(QStringLiteral("列宽"), QStringLiteral("宽度"), QStringLiteral("16"));
    try {
        ini.writeString(QStringLiteral("彩票种类"), QStringLiteral("种类"), QStringLiteral("1"));
    } catch (const std::exception&) {
    }
    ini.readString(QStringLiteral("彩票种类"), QStringLiteral("种类"), QStringLiteral("1"));
    return 0;
}
