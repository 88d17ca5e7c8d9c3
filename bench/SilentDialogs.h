#pragma once

#include "ui/widgets/Dialogs.h"

// Answers yes to every question and shows nothing: the benchmarks run unattended.
class SilentDialogs : public Dialogs
{
public:
    void message(QWidget*, const QString&) override {}
    void critical(QWidget*, const QString&) override {}
    bool askOkCancel(QWidget*, const QString&, const QString&) override { return true; }
    bool askYesNo(QWidget*, const QString&) override { return true; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog*) override { return 0; }
};
