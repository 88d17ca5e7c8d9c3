#pragma once

// Pictures of every window and notable state, for looking at the program as
// its user sees it. Each area of the program adds a function that takes its
// pictures; main.cpp calls them in turn.

#include "ui/widgets/Dialogs.h"

#include <QString>
#include <QStringList>
#include <functional>

class DrawStore;
class QWidget;

// Answers every question with yes, records every text and never blocks. A
// picture function may set `onExec` to photograph a window a command opens.
class QuietDialogs : public Dialogs
{
public:
    void message(QWidget*, const QString& text) override { texts << text; }
    void critical(QWidget*, const QString& text) override { texts << text; }
    bool askOkCancel(QWidget*, const QString&, const QString& text) override
    {
        texts << text;
        return true;
    }
    bool askYesNo(QWidget*, const QString& text) override
    {
        texts << text;
        return true;
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return openAnswer; }
    int exec(QDialog* dialog) override;

    QStringList texts;
    QString openAnswer; // the file every open dialog chooses
    std::function<int(QDialog*)> onExec;
};

struct ShotContext
{
    QString outDir;
    QString appDir; // the sample folder: db1.mdb with 60 draws, user/
    DrawStore& store;
    QuietDialogs& dialogs;
};

// Lays out and paints the window, then writes OUTDIR/<name>.png.
void saveShot(const ShotContext& context, QWidget* window, const QString& name);

void mainWindowShots(const ShotContext& context);
void selectShots(const ShotContext& context);
// 历史回测 after two selections, the scheme list's records, 历史回测 since a save.
void chanceShots(const ShotContext& context);
// The first-start hint, the result download before and after a run, the
// export window, the import of an exported workbook into an empty history.
void exchangeShots(const ShotContext& context);
void analysisWindowShots(const ShotContext& context);
// 深色 chosen while the main window and 分位遗漏 are open (live-switch-*).
void liveSwitchShots(const ShotContext& context);
