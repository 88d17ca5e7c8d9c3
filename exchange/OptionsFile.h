#pragma once

// The start-up options in user/DefaultSet.ini: sections and keys, their
// defaults, and the rules that turn stored texts into settings.

#include <QString>

namespace Options {
inline const QString kStartSection = QStringLiteral("启动设置");
inline const QString kShowCountKey = QStringLiteral("默认显示期数");
inline const QString kShowCountDefault = QStringLiteral("40");
inline const QString kWidthSection = QStringLiteral("列宽");
inline const QString kWidthKey = QStringLiteral("宽度");
inline const QString kWidthDefault = QStringLiteral("16");
inline const QString kKindSection = QStringLiteral("彩票种类");
inline const QString kKindKey = QStringLiteral("种类");
inline const QString kKindDefault = QStringLiteral("1");
inline const QString kKindFucai = QStringLiteral("1");
inline const QString kKindTicai = QStringLiteral("2");
inline const QString kLookSection = QStringLiteral("界面");
inline const QString kSchemeKey = QStringLiteral("配色");
inline const QString kSchemeDefault = QStringLiteral("跟随系统"); // or 浅色, 深色
inline const QString kNoticeKey = QStringLiteral("完成提示");
inline const QString kNoticeBox = QStringLiteral("弹出窗口");
inline const QString kNoticeStatusLine = QStringLiteral("状态栏");

// <appDir>/user/DefaultSet.ini
QString optionsPath(const QString& appDir);
// <appDir>/user/DownUpdate.txt
QString downloadListPath(const QString& appDir);
// <appDir>/user/Window.ini: where the main window was last
QString windowPath(const QString& appDir);
} // namespace Options

// The three options as stored text.
struct StartupOptions
{
    QString defaultShowCount = Options::kShowCountDefault;
    QString columnWidth = Options::kWidthDefault;
    QString kind = Options::kKindDefault;
    QString scheme = Options::kSchemeDefault;
    QString notice = Options::kNoticeBox;

    // Only the exact text "1" selects the welfare game.
    bool isFucai() const { return kind == Options::kKindFucai; }
    // Any other text keeps the boxes, as before the option existed.
    bool noticesOnStatusLine() const { return notice == Options::kNoticeStatusLine; }
};

StartupOptions readStartupOptions(const QString& iniPath);

// Index of the "默认显示期数" item (20, 40, 60, 80, 100) for a stored count:
// (count div 20) - 1, capped at the last item; -1 (no item) below 20.
int showCountItemIndex(int count);

// Creates the options file with its defaults and the download address list,
// each only when it does not exist yet. Returns false when a file could not be written.
bool createDefaultUserFiles(const QString& appDir);
