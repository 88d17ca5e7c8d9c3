#include "ui/widgets/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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
