#include "ui/widgets/Dialogs.h"

#include "ui/widgets/QtTexts.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <memory>

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

namespace {

// The file list's dates as the year-first digits Chinese readers expect,
// whatever the system's locale.
class ChineseDates : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (files && role == Qt::DisplayRole && index.column() == 3)
            return files->lastModified(mapToSource(index)).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        return QIdentityProxyModel::data(index, role);
    }
};

// Qt's message box with our captions on its buttons, whatever the platform
// theme would put there.
int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preferred)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(preferred);
    for (QAbstractButton* button : box.buttons())
        button->setText(chineseButtonText(box.standardButton(button)));
    return box.exec();
}

} // namespace

QtDialogs::QtDialogs()
{
    installChineseQtTexts();
}

void QtDialogs::message(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Information, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

void QtDialogs::critical(QWidget* parent, const QString& text)
{
    showBox(parent, QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

bool QtDialogs::askOkCancel(QWidget* parent, const QString& title, const QString& text)
{
    return showBox(parent, QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                   QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text)
{
    return showBox(parent, QMessageBox::Question, QApplication::applicationDisplayName(), text,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtDialogs::offer(QWidget* parent, const QString& text, const QString& action)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(chineseButtonText(QMessageBox::Ok));
    QPushButton* chosen = box.addButton(action, QMessageBox::ActionRole);
    box.setDefaultButton(chosen);
    box.exec();
    return box.clickedButton() == chosen;
}

QFileDialog* makeFileDialog(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                            bool save)
{
    auto* dialog = new QFileDialog(parent, caption, folder, filter);
    // Qt's own dialog, so the labels below are what the user reads on any desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("查找范围："));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("文件名："));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("文件类型："));
    dialog->setLabelText(QFileDialog::Accept, save ? QStringLiteral("保存") : QStringLiteral("打开"));
    dialog->setLabelText(QFileDialog::Reject, chineseButtonText(QMessageBox::Cancel));
    dialog->setProxyModel(new ChineseDates(dialog));
    return dialog;
}

QString QtDialogs::chooseFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                              bool save)
{
    const QString start = !m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir() ? m_lastFolder : folder;
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(parent, caption, start, filter, save));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog->selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter)
{
    return chooseFile(parent, caption, directory, filter, true);
}

QString QtDialogs::openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter)
{
    return chooseFile(parent, caption, directory, filter, false);
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
    dialog->setOkButtonText(chineseButtonText(QMessageBox::Ok));
    dialog->setCancelButtonText(chineseButtonText(QMessageBox::Cancel));
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
    dialog->setOkButtonText(chineseButtonText(QMessageBox::Ok));
    dialog->setCancelButtonText(chineseButtonText(QMessageBox::Cancel));
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

int QtDialogs::askButtons(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons) {
        QPushButton* button = box.addButton(caption, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        if (added.isEmpty())
            box.setDefaultButton(button);
        added << button;
    }
    if (added.size() > 1)
        box.setEscapeButton(added[1]);
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}
