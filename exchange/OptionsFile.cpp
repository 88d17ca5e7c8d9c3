#include "exchange/OptionsFile.h"

#include "exchange/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

QString Options::optionsPath(const QString& appDir)
{
    return appDir + QStringLiteral("/user/DefaultSet.ini");
}

QString Options::downloadListPath(const QString& appDir)
{
    return appDir + QStringLiteral("/user/DownUpdate.txt");
}

StartupOptions readStartupOptions(const QString& iniPath)
{
    using namespace Options;
    const IniFile ini(iniPath);
    StartupOptions options;
    options.defaultShowCount = ini.readString(kStartSection, kShowCountKey, kShowCountDefault);
    options.columnWidth = ini.readString(kWidthSection, kWidthKey, kWidthDefault);
    options.kind = ini.readString(kKindSection, kKindKey, kKindDefault);
    return options;
}

int showCountItemIndex(int count)
{
    const int index = count / 20 - 1;
    return index < 0 ? -1 : std::min(index, 4);
}

namespace {

// Local example addresses, in the order the download reads them (latest 3D,
// latest Pailie 3, history 3D, history Pailie 3). They load nothing until the
// user puts the addresses of real result pages in their place.
const QByteArray kDownloadListDefault = QByteArrayLiteral("http://127.0.0.1/quorvane/3d-latest.html\r\n"
                                                          "http://127.0.0.1/quorvane/pl3-latest.html\r\n"
                                                          "http://127.0.0.1/quorvane/3d-history.html\r\n"
                                                          "http://127.0.0.1/quorvane/pl3-history.html\r\n");

bool writeDefaultOptions(const QString& path)
{
    using namespace Options;
    try {
        IniFile(path).writeStrings({{kStartSection, kShowCountKey, kShowCountDefault},
                                    {kWidthSection, kWidthKey, kWidthDefault},
                                    {kKindSection, kKindKey, kKindDefault}});
    } catch (const IniWriteError&) {
        return false;
    }
    return true;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

} // namespace

bool createDefaultUserFiles(const QString& appDir)
{
    if (!QDir().mkpath(appDir + QStringLiteral("/user")))
        return false;

    bool ok = true;
    const QString options = Options::optionsPath(appDir);
    if (!QFileInfo::exists(options))
        ok = writeDefaultOptions(options) && ok;
    const QString downloads = Options::downloadListPath(appDir);
    if (!QFileInfo::exists(downloads))
        ok = writeBytes(downloads, kDownloadListDefault) && ok;
    return ok;
}
