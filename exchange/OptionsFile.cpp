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

QString Options::windowPath(const QString& appDir)
{
    return appDir + QStringLiteral("/user/Window.ini");
}

StartupOptions readStartupOptions(const QString& iniPath)
{
    using namespace Options;
    const IniFile ini(iniPath);
    StartupOptions options;
    options.defaultShowCount = ini.readString(kStartSection, kShowCountKey, kShowCountDefault);
    options.columnWidth = ini.readString(kWidthSection, kWidthKey, kWidthDefault);
    options.kind = ini.readString(kKindSection, kKindKey, kKindDefault);
    options.scheme = ini.readString(kLookSection, kSchemeKey, kSchemeDefault);
    options.notice = ini.readString(kLookSection, kNoticeKey, kNoticeBox);
    return options;
}

int showCountItemIndex(int count)
{
    const int index = count / 20 - 1;
    return index < 0 ? -1 : std::min(index, 4);
}

namespace {

// Public sources of the draws, in the order the download reads them (latest
// 3D, latest Pailie 3, history 3D, history Pailie 3). Third-party addresses
// that may change; the user puts others in their place. The welfare
// lottery's query answers only a session that has opened its site's page
// first, hence two addresses on its line.
const QByteArray kDownloadListDefault = QByteArrayLiteral(
    "https://www.cwl.gov.cn/ygkj/wqkjgg/fc3d/ "
    "https://www.cwl.gov.cn/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=3d&issueCount=&issueStart="
    "&issueEnd=&dayStart=&dayEnd=&pageNo=1&pageSize=30&systemType=PC\r\n"
    "https://webapi.sporttery.cn/gateway/lottery/getHistoryPageListV1.qry?gameNo=35&provinceId=0&pageSize=30"
    "&isVerify=1&pageNo=1\r\n"
    "https://data.17500.cn/3d_asc.txt\r\n"
    "https://data.17500.cn/pl3_asc.txt\r\n");

bool writeDefaultOptions(const QString& path)
{
    using namespace Options;
    try {
        IniFile(path).writeStrings({{kStartSection, kShowCountKey, kShowCountDefault},
                                    {kWidthSection, kWidthKey, kWidthDefault},
                                    {kKindSection, kKindKey, kKindDefault},
                                    {kLookSection, kSchemeKey, kSchemeDefault},
                                    {kLookSection, kNoticeKey, kNoticeBox}});
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
