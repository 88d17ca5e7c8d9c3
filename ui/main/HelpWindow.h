#pragma once

// The user manual: an HTML page with its pictures, installed beside a
// portable program (help/) or in the package's share folder, shown with its
// table of contents beside it.

#include <QDialog>
#include <functional>

class QListWidget;
class QTextBrowser;

// The manual's index.html for a program in `programFolder`; empty when
// neither place holds it.
QString findManual(const QString& programFolder);

// What "升级帮助" says: how the package and a portable folder are upgraded.
QString upgradeText();

// The section of the manual that describes the window `objectName` (its
// anchor); empty for a window the manual describes only in general.
QString helpSection(const QString& objectName);

// F1 in any window but the manual's own calls `open` with the window's
// section (helpSection; empty: the title) instead of reaching the window.
class HelpKey : public QObject
{
public:
    HelpKey(std::function<void(const QString&)> open, QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_open;
};

class HelpWindow : public QDialog
{
public:
    // Opens at `section` (an anchor of the manual), or at the title.
    HelpWindow(const QString& manual, QWidget* parent = nullptr, const QString& section = QString());

private:
    QListWidget* m_contents;
    QTextBrowser* m_page;
};
