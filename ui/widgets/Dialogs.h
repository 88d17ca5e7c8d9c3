#pragma once

// Every message box, question, file dialog and modal showing of the
// application goes through this interface. The application installs
// QtDialogs; tests install a scripted fake so nothing ever blocks.

#include <QString>

class QDialog;
class QWidget;

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A plain message with an OK button (information icon).
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The standard error box: the error's own text, critical icon.
    virtual void critical(QWidget* parent, const QString& text) = 0;
    // Question icon, OK and Cancel; true only for OK.
    virtual bool askOkCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // Confirmation with Yes and No; true only for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // Empty text when the user cancels.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter) = 0;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter) = 0;
    // Shows a window modally and returns its result code.
    virtual int exec(QDialog* dialog) = 0;
};

class QtDialogs : public Dialogs
{
public:
    void message(QWidget* parent, const QString& text) override;
    void critical(QWidget* parent, const QString& text) override;
    bool askOkCancel(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    int exec(QDialog* dialog) override;
};
