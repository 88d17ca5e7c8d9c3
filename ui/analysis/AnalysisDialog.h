#pragma once

#include <QDialog>

class Dialogs;
class DrawStore;

// What every analysis window shares: the store it reads, the dialogs it
// talks through, and FormShow run (guarded) each time it is shown.
class AnalysisDialog : public QDialog
{
    Q_OBJECT
public:
    // Fills the issue lists; runs on every showing.
    virtual void FormShow() = 0;

protected:
    AnalysisDialog(DrawStore& store, Dialogs& dialogs, QWidget* parent);
    void showEvent(QShowEvent* event) override;

    DrawStore& m_store;
    Dialogs& m_dialogs;
};
