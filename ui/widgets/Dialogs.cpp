#include "ui/widgets/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <memory>

void QtDialogs::message(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void QtDialogs::critical(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

bool QtDialogs::askOkCancel(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
           QMessageBox::Ok;
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

int QtDialogs::exec(QDialog* dialog)
{
    return dialog->exec();
}

QInputDialog* makeTextDialog(QWidget* parent, const QString& title, const QString& label, const QString& text)
{
    auto* dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(label);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextValue(text);
    return dialog;
}

QInputDialog* makeItemDialog(QWidget* parent, const QString& title, const QString& label, const QStringList& items)
{
    auto* dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(label);
    dialog->setComboBoxItems(items);
    dialog->setComboBoxEditable(false);
    // A list to pick from at once, rather than a closed combo box.
    dialog->setOption(QInputDialog::UseListViewForComboBoxItems);
    return dialog;
}

namespace {

std::optional<QString> answerOf(QInputDialog* dialog)
{
    std::unique_ptr<QInputDialog> owned(dialog);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}

} // namespace

std::optional<QString> QtDialogs::askText(QWidget* parent, const QString& title, const QString& label,
                                          const QString& text)
{
    return answerOf(makeTextDialog(parent, title, label, text));
}

std::optional<QString> QtDialogs::chooseItem(QWidget* parent, const QString& title, const QString& label,
                                             const QStringList& items)
{
    return answerOf(makeItemDialog(parent, title, label, items));
}
