#pragma once

// Every message box, question, file dialog and modal showing of the
// application goes through this interface. The application installs
// QtDialogs; tests install a scripted fake so nothing ever blocks.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
class QFileDialog;
class QInputDialog;
class QWidget;

// Where file dialogs start unless the user has chosen a folder since: the
// user's documents folder, or the home folder where there is none.
QString documentsFolder();

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A plain message with an OK button (information icon).
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A message that only confirms what the window already shows: a box, or
    // with "完成提示：状态栏" a line on the status bar.
    void confirm(QWidget* parent, const QString& text)
    {
        if (m_statusLine)
            m_statusLine(text);
        else
            message(parent, text);
    }
    // Where confirmations go instead of a box; none for the box.
    void setStatusLine(std::function<void(const QString&)> statusLine) { m_statusLine = std::move(statusLine); }
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
    // A message with a second button beside 确定 (`action`, such as
    // "打开文件夹"); true only when that button is chosen. Silent
    // implementations show the plain message.
    virtual bool offer(QWidget* parent, const QString& text, const QString& /*action*/)
    {
        message(parent, text);
        return false;
    }
    // Shows a window modally and returns its result code.
    virtual int exec(QDialog* dialog) = 0;
    // A line of text typed by the user, starting from `text`; nothing when
    // the user cancels. Silent implementations cancel.
    virtual std::optional<QString> askText(QWidget*, const QString& /*title*/, const QString& /*label*/,
                                           const QString& /*text*/)
    {
        return std::nullopt;
    }
    // One of `items` chosen by the user; nothing when the user cancels.
    virtual std::optional<QString> chooseItem(QWidget*, const QString& /*title*/, const QString& /*label*/,
                                              const QStringList& /*items*/)
    {
        return std::nullopt;
    }
    // A question answered with one of `buttons` (captions, the first the
    // default, the second what Esc presses): the index pressed. Without a box
    // of its own, the first two buttons stand for OK and Cancel.
    virtual int askButtons(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons)
    {
        return askOkCancel(parent, title, text) || buttons.size() < 2 ? 0 : 1;
    }

private:
    std::function<void(const QString&)> m_statusLine;
};

// A window's save-file dialog: its settings, kept under the window's name
// for it, shown through Dialogs like every other.
struct SaveFileDialog
{
    QString title;
    QString filter;
    QString folder = documentsFolder(); // where the dialog opens
    // The chosen file name; empty when the user cancels.
    QString execute(Dialogs& dialogs, QWidget* parent) const
    {
        return dialogs.saveFileName(parent, title, folder, filter);
    }
};

// The dialogs QtDialogs shows, for pictures of them. The file dialog is Qt's
// own (the same on every desktop) with Chinese labels and dates.
QFileDialog* makeFileDialog(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                            bool save);
QInputDialog* makeTextDialog(QWidget* parent, const QString& title, const QString& label, const QString& text);
QInputDialog* makeItemDialog(QWidget* parent, const QString& title, const QString& label, const QStringList& items);

// Installs the Chinese texts of Qt's own dialogs (QtTexts.h) as it is made.
// File dialogs start in the folder last chosen in one while it exists.
class QtDialogs : public Dialogs
{
public:
    QtDialogs();
    void message(QWidget* parent, const QString& text) override;
    void critical(QWidget* parent, const QString& text) override;
    bool askOkCancel(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    bool offer(QWidget* parent, const QString& text, const QString& action) override;
    int exec(QDialog* dialog) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;
    std::optional<QString> chooseItem(QWidget* parent, const QString& title, const QString& label,
                                      const QStringList& items) override;
    int askButtons(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons) override;

private:
    QString chooseFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                       bool save);
    QString m_lastFolder;
};
