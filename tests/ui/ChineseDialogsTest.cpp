#include "tests/support/TestDir.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtTexts.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

// Runs `answer` on the modal window the next call opens.
void whenModal(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* modal = nullptr;
        (void)QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()) != nullptr; }, 2000);
        ASSERT_NE(modal, nullptr);
        answer(modal);
    });
}

QStringList buttonTexts(QWidget* box)
{
    QStringList texts;
    for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
        if (button->isVisible() || !button->text().isEmpty())
            texts << button->text();
    texts.removeAll(QString());
    texts.sort();
    return texts;
}

// A text in Chinese: at least one CJK character and no Latin letter outside
// an accelerator such as "(&Y)".
bool isChinese(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\(&[A-Za-z]\\)|&")));
    bool cjk = false;
    for (QChar c : text) {
        if (c.isLetter() && c.unicode() < 0x80)
            return false;
        cjk = cjk || (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF);
    }
    return cjk;
}

// Qt's own buttons, whoever makes them, carry Chinese captions: ours, or
// Qt's own catalogue's where one is installed (it is asked first).
TEST(ChineseDialogsTest, StandardButtonsAreChinese)
{
    installChineseQtTexts();
    const QDialogButtonBox::StandardButton buttons[] = {
        QDialogButtonBox::Ok,    QDialogButtonBox::Cancel, QDialogButtonBox::Yes,   QDialogButtonBox::No,
        QDialogButtonBox::Save,  QDialogButtonBox::Close,  QDialogButtonBox::Open,  QDialogButtonBox::Apply,
        QDialogButtonBox::Reset, QDialogButtonBox::Help,   QDialogButtonBox::Abort, QDialogButtonBox::Discard,
    };
    for (QDialogButtonBox::StandardButton which : buttons) {
        QDialogButtonBox box(which);
        EXPECT_TRUE(isChinese(chineseButtonText(which))) << int(which);
        EXPECT_TRUE(isChinese(box.button(which)->text()))
            << int(which) << " " << box.button(which)->text().toStdString();
    }
}

// Every box QtDialogs shows has Chinese buttons, and the offered button
// answers true only when pressed.
TEST(ChineseDialogsTest, MessageBoxesAreChinese)
{
    QtDialogs dialogs;
    const struct
    {
        std::function<bool()> show;
        QStringList buttons;
        int press; // index into the sorted captions
        bool answer;
    } cases[] = {
        {[&] {
             dialogs.message(nullptr, "a");
             return false;
         },
         {"确定"},
         0,
         false},
        {[&] {
             dialogs.critical(nullptr, "a");
             return false;
         },
         {"确定"},
         0,
         false},
        {[&] { return dialogs.askOkCancel(nullptr, "t", "a"); }, {"取消", "确定"}, 1, true},
        {[&] { return dialogs.askOkCancel(nullptr, "t", "a"); }, {"取消", "确定"}, 0, false},
        {[&] { return dialogs.askYesNo(nullptr, "a"); }, {"否(&N)", "是(&Y)"}, 1, true},
        {[&] { return dialogs.offer(nullptr, "a", "打开文件夹"); }, {"打开文件夹", "确定"}, 0, true},
        {[&] { return dialogs.offer(nullptr, "a", "打开文件夹"); }, {"打开文件夹", "确定"}, 1, false},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(row++);
        QStringList seen;
        whenModal([&](QWidget* modal) {
            seen = buttonTexts(modal);
            for (QAbstractButton* button : modal->findChildren<QAbstractButton*>())
                if (button->text() == c.buttons.value(c.press))
                    button->click();
        });
        EXPECT_EQ(c.show(), c.answer);
        EXPECT_EQ(seen, c.buttons);
    }
}

// The file dialog is labelled in Chinese, dates its files year first and
// opens where the user last chose a file while that folder is there.
TEST(ChineseDialogsTest, FileDialogsAreChineseAndRememberTheFolder)
{
    installChineseQtTexts();
    TestDir dir;
    dir.write("a/one.txt", "1");
    dir.write("b/two.txt", "2");
    {
        std::unique_ptr<QFileDialog> dialog(makeFileDialog(nullptr, "保存", dir.file("a"), "文本文件 (*.txt)", true));
        dialog->show();
        EXPECT_EQ(dialog->findChild<QLabel*>("lookInLabel")->text(), "查找范围：");
        EXPECT_EQ(dialog->findChild<QLabel*>("fileNameLabel")->text(), "文件名：");
        EXPECT_EQ(dialog->findChild<QLabel*>("fileTypeLabel")->text(), "文件类型：");
        auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
        EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "取消");
        EXPECT_EQ(dialog->labelText(QFileDialog::Accept), "保存");
        auto* files = dialog->findChild<QTreeView*>("treeView");
        ASSERT_NE(files, nullptr);
        QStringList titles;
        for (int column = 0; column < 4; ++column)
            titles << files->model()->headerData(column, Qt::Horizontal).toString();
        ASSERT_EQ(titles.size(), 4);
        for (const QString& title : titles)
            EXPECT_TRUE(isChinese(title)) << title.toStdString();
        const QModelIndex one = dialog->proxyModel()->mapFromSource(
            static_cast<QFileSystemModel*>(dialog->proxyModel()->sourceModel())->index(dir.file("a/one.txt"), 3));
        (void)QTest::qWaitFor([&] { return !one.data().toString().isEmpty(); }, 2000);
        EXPECT_EQ(one.data().toString(), QFileInfo(dir.file("a/one.txt")).lastModified().toString("yyyy-MM-dd HH:mm"));
    }

    QtDialogs dialogs;
    QStringList openedIn;
    const auto choose = [&](const QString& file) {
        whenModal([&openedIn, file](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            openedIn << dialog->directory().absolutePath();
            if (file.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    };
    choose(dir.file("a/one.txt"));
    EXPECT_EQ(dialogs.openFileName(nullptr, "打开", dir.file("b"), {}), dir.file("a/one.txt"));
    choose({}); // cancelled: the folder chosen before stays
    EXPECT_EQ(dialogs.openFileName(nullptr, "打开", dir.file("b"), {}), QString());
    choose({});
    EXPECT_EQ(dialogs.saveFileName(nullptr, "保存", dir.file("b"), {}), QString());
    QDir(dir.file("a")).removeRecursively();
    choose({});
    dialogs.openFileName(nullptr, "打开", dir.file("b"), {});
    EXPECT_EQ(openedIn, QStringList({dir.file("b"), dir.file("a"), dir.file("a"), dir.file("b")}));
}

} // namespace
