#include "tests/support/FakeDialogs.h"

#include <gtest/gtest.h>

void FakeDialogs::message(QWidget*, const QString& text)
{
    shown.push_back({Kind::Message, {}, text});
}

void FakeDialogs::critical(QWidget*, const QString& text)
{
    shown.push_back({Kind::Critical, {}, text});
}

bool FakeDialogs::askOkCancel(QWidget*, const QString& title, const QString& text)
{
    shown.push_back({Kind::OkCancel, title, text});
    return nextAnswer();
}

bool FakeDialogs::askYesNo(QWidget*, const QString& text)
{
    shown.push_back({Kind::YesNo, {}, text});
    return nextAnswer();
}

QString FakeDialogs::saveFileName(QWidget*, const QString& caption, const QString& folder, const QString&)
{
    fileDialogFolders << folder;
    return nextFileName(Kind::SaveFile, caption);
}

QString FakeDialogs::openFileName(QWidget*, const QString& caption, const QString& folder, const QString&)
{
    fileDialogFolders << folder;
    return nextFileName(Kind::OpenFile, caption);
}

QString FakeDialogs::nextFileName(Kind kind, const QString& caption)
{
    shown.push_back({kind, caption, {}});
    if (fileNames.empty())
        return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

bool FakeDialogs::offer(QWidget*, const QString& text, const QString& action)
{
    shown.push_back({Kind::Offer, action, text});
    return nextAnswer();
}

int FakeDialogs::exec(QDialog* dialog)
{
    shown.push_back({Kind::Modal, dialog->objectName(), dialog->windowTitle()});
    if (modalHandlers.empty())
        return QDialog::Rejected;
    auto handler = std::move(modalHandlers.front());
    modalHandlers.pop_front();
    return handler(dialog);
}

QStringList FakeDialogs::messages() const
{
    QStringList list;
    for (const Shown& s : shown)
        if (s.kind == Kind::Message || s.kind == Kind::Critical)
            list << s.text;
    return list;
}

QStringList FakeDialogs::texts(Kind kind) const
{
    QStringList list;
    for (const Shown& s : shown)
        if (s.kind == kind)
            list << s.text;
    return list;
}

bool FakeDialogs::nextAnswer()
{
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << shown.back().text.toStdString();
        return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::nextTyped()
{
    if (typed.empty())
        return std::nullopt;
    const QString answer = typed.front();
    typed.pop_front();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

std::optional<QString> FakeDialogs::askText(QWidget*, const QString& title, const QString& label, const QString&)
{
    shown.push_back({Kind::Text, title, label});
    return nextTyped();
}

std::optional<QString> FakeDialogs::chooseItem(QWidget*, const QString& title, const QString& label,
                                               const QStringList& items)
{
    shown.push_back({Kind::Choice, title, label});
    offeredItems = items;
    std::optional<QString> answer = nextTyped();
    if (answer && !items.contains(*answer)) {
        ADD_FAILURE() << "chose an item not offered: " << answer->toStdString();
        return std::nullopt;
    }
    return answer;
}

int FakeDialogs::askButtons(QWidget*, const QString& title, const QString& text, const QStringList& buttons)
{
    shown.push_back({Kind::Buttons, title, text});
    if (pressed.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return 1;
    }
    const int answer = pressed.front();
    pressed.pop_front();
    EXPECT_TRUE(answer >= 0 && answer < buttons.size()) << "pressed a button not offered: " << answer;
    return answer;
}
