#include "exchange/PageText.h"

namespace PageText {

QString noDraws(const QString& address)
{
    return QStringLiteral("页面中没有找到开奖数据：") + address;
}

QString notLoaded(const QString& address)
{
    return QStringLiteral("网页无法打开，请检查网络连接和下载地址：") + address;
}

QString crashed(const QString& address)
{
    return QStringLiteral("网页进程意外结束，已放弃下载：") + address;
}

QString timedOut(const QString& address, int seconds)
{
    return QStringLiteral("网页在%1秒内没有加载完成，已放弃下载：%2").arg(seconds).arg(address);
}

QString tooLong(const QString& address, qsizetype limit, bool bytes)
{
    const QString size = limit >= (qsizetype(1) << 20) ? QStringLiteral("%1 MB").arg(limit >> 20)
                                                       : QStringLiteral("%1 %2").arg(limit).arg(bytes ? "字节" : "字");
    return QStringLiteral("页面文字超过%1，不是开奖结果页面，没有读取：%2").arg(size, address);
}

QString badRedirect(const QString& address)
{
    return QStringLiteral("网页转向了 http 或 https 以外的地址，已放弃下载：") + address;
}

QString tooManyRedirects(const QString& address)
{
    return QStringLiteral("网页转向超过10次，已放弃下载：") + address;
}

QString helperMissing(const QString& program)
{
    return QStringLiteral("无法启动网页下载程序 %1，请重新安装本软件。").arg(program);
}

QString helperEnded(const QString& address, const QString& how)
{
    return QStringLiteral("网页下载程序意外结束（%1），已放弃下载：%2").arg(how, address);
}

QString helperMalformed(const QString& address, const QString& problem)
{
    return QStringLiteral("网页下载程序的回答无法识别（%1），已放弃下载：%2").arg(problem, address);
}

QString tooMuchMemory(const QString& address, qint64 limitBytes)
{
    return QStringLiteral("网页占用内存超过%1 MB，已放弃下载：%2").arg(limitBytes >> 20).arg(address);
}

} // namespace PageText
