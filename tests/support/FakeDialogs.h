#pragma once

#include "tests/support/QtPrinters.h"
#include "ui/widgets/Dialogs.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

// Scripted stand-in for every dialog. It records each text shown, in order,
// and answers questions from a queue. A question with no scripted answer
// fails the running test and answers "no".
class FakeDialogs : public Dialogs
{
public:
    enum class Kind
    {
        Message,
        Critical,
        OkCancel,
        YesNo,
        SaveFile,
        OpenFile,
        Modal,
        Text,
        Choice,
        Buttons,
        Offer
    };
    struct Shown
    {
        Kind kind;
        QString title;
        QString text;
    };

    void message(QWidget*, const QString& text) override;
    void critical(QWidget*, const QString& text) override;
    bool askOkCancel(QWidget*, const QString& title, const QString& text) override;
    bool askYesNo(QWidget*, const QString& text) override;
    QString saveFileName(QWidget*, const QString& caption, const QString& folder, const QString&) override;
    QString openFileName(QWidget*, const QString& caption, const QString& folder, const QString&) override;
    // Records the text (the offered button as title) and answers from
    // `answers`: true presses the offered button.
    bool offer(QWidget*, const QString& text, const QString& action) override;
    // Runs the scripted handler for a modal window (which may click its
    // controls), or returns Rejected when none is scripted.
    int exec(QDialog* dialog) override;
    // Answers from `typed`, a null text cancelling; a choice also records
    // the items offered (offeredItems) and fails the test when it answers an
    // item that was not offered. Nothing scripted: cancelled.
    std::optional<QString> askText(QWidget*, const QString& title, const QString& label, const QString&) override;
    std::optional<QString> chooseItem(QWidget*, const QString& title, const QString& label,
                                      const QStringList& items) override;
    // Answers from `pressed`; nothing scripted fails the test and presses
    // the second button (Esc). Records the title and text as Kind::Buttons.
    int askButtons(QWidget*, const QString& title, const QString& text, const QStringList& buttons) override;

    std::deque<bool> answers;
    std::deque<QString> typed;
    std::deque<int> pressed; // askButtons' answers, indexes into its buttons
    QStringList offeredItems;
    std::deque<QString> fileNames;
    // The folder each file dialog was opened in, in order.
    QStringList fileDialogFolders;
    std::deque<std::function<int(QDialog*)>> modalHandlers;
    std::vector<Shown> shown;

    // Texts of every message and error shown, in order (questions excluded).
    QStringList messages() const;
    QStringList texts(Kind kind) const;
    void clear() { shown.clear(); }

private:
    bool nextAnswer();
    QString nextFileName(Kind kind, const QString& caption);
    std::optional<QString> nextTyped();
};
