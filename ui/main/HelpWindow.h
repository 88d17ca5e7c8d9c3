#pragma once

// The user manual: an HTML page with its pictures, installed beside a
// portable program (help/) or in the package's share folder, shown with its
// table of contents beside it.

#include <QDialog>

class QListWidget;
class QTextBrowser;

// The manual's index.html for a program in `programFolder`; empty when
// neither place holds it.
QString findManual(const QString& programFolder);

// What "升级帮助" says: how the package and a portable folder are upgraded.
QString upgradeText();

class HelpWindow : public QDialog
{
public:
    HelpWindow(const QString& manual, QWidget* parent = nullptr);

private:
    QListWidget* m_contents;
    QTextBrowser* m_page;
};
