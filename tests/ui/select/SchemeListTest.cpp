// The scheme list's 删除 and 重命名: after every step of each sequence, the
// list, the files and the selection window's caption agree with a model.
#include "exchange/SchemeFile.h"
#include "tests/support/FolderPermissions.h"
#include "tests/ui/select/SelectFixture.h"
#include "ui/select/SchemeListWindow.h"

#include <QPushButton>
#include <QTableWidget>

namespace {

struct Step
{
    enum Kind
    {
        Delete,
        Rename
    } kind;
    QString name;
    QString to; // typed for a rename
    bool yes;   // the answer to the question, when one is asked
};

class SchemeListTest : public SelectTest
{
protected:
    // Saves 丙, 甲, 乙 through the window: its caption names 乙.
    void saveThree()
    {
        for (const char* name : {"丙", "甲", "乙"}) {
            dialogs.typed.push_back(QString::fromUtf8(name));
            click("saveSchemeButton");
        }
        dialogs.clear();
    }
    static QStringList listed(QDialog* list)
    {
        auto* table = list->findChild<QTableWidget*>("schemeTable");
        QStringList names;
        for (int row = 0; row < table->rowCount(); ++row)
            names << table->item(row, 0)->text();
        return names;
    }
    static void press(QDialog* list, const char* button)
    {
        QTest::mouseClick(list->findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

TEST_F(SchemeListTest, DeleteAndRenameFollowEachAnswer)
{
    const std::vector<Step> sequences[] = {
        {{Step::Delete, "甲", {}, false}, {Step::Delete, "甲", {}, true}, {Step::Rename, "丙", "丁", true}},
        {{Step::Rename, "甲", "乙", true}, {Step::Rename, "甲", "../外面", true}, {Step::Rename, "甲", " 戊 ", false},
         {Step::Rename, "甲", " 戊 ", true}, {Step::Rename, "戊", "戊", true}},
        {{Step::Rename, "乙", "新乙", true}, {Step::Rename, "新乙", "乙2", true}, {Step::Delete, "乙2", {}, true}},
        {{Step::Delete, "乙", {}, true}, {Step::Delete, "丙", {}, true}, {Step::Delete, "甲", {}, true}},
    };
    for (const std::vector<Step>& steps : sequences) {
        SCOPED_TRACE(steps.front().name.toStdString() + steps.front().to.toStdString());
        for (const QString& name : Schemes::names(dir.path()))
            Schemes::remove(dir.path(), name);
        window = std::make_unique<TFrm_Select>(*store, dialogs, print.get(), history.get(), dir.path());
        window->show();
        saveThree();
        QStringList model{"丙", "甲", "乙"};
        model.sort();
        QString caption = "乙";
        dialogs.modalHandlers.push_back([&](QDialog* list) {
            EXPECT_EQ(list->windowTitle(), SchemeListWindow::kCaption);
            for (const Step& step : steps) {
                SCOPED_TRACE(step.name.toStdString() + "→" + step.to.toStdString());
                dialogs.clear();
                auto* table = list->findChild<QTableWidget*>("schemeTable");
                table->setCurrentCell(int(listed(list).indexOf(step.name)), 0);
                const QString to = step.to.trimmed();
                QStringList asked, said;
                if (step.kind == Step::Delete) {
                    dialogs.answers = {step.yes};
                    press(list, "deleteButton");
                    asked << SchemeListWindow::askDelete(step.name);
                    if (step.yes) {
                        model.removeAll(step.name);
                        if (caption == step.name)
                            caption.clear();
                    }
                } else {
                    dialogs.typed = {step.to};
                    const QString problem = to == step.name || !model.contains(to)
                                                ? Schemes::nameProblem(to)
                                                : QStringLiteral("方案“%1”已经存在，请换一个名称！").arg(to);
                    if (to != step.name && problem.isEmpty()) {
                        dialogs.answers = {step.yes};
                        asked << SchemeListWindow::askRename(step.name, to);
                    }
                    press(list, "renameButton");
                    if (to == step.name)
                        continue; // nothing asked, nothing changed
                    if (!problem.isEmpty()) {
                        said << problem;
                    } else if (step.yes) {
                        model[model.indexOf(step.name)] = to;
                        model.sort();
                        if (caption == step.name)
                            caption = to;
                    }
                }
                EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::YesNo), asked);
                EXPECT_EQ(dialogs.messages(), said);
                EXPECT_EQ(listed(list), model);
                EXPECT_EQ(Schemes::names(dir.path()), model);
                EXPECT_EQ(window->windowTitle(),
                          caption.isEmpty() ? TFrm_Select::kCaption : TFrm_Select::kCaption + " - " + caption);
                for (const char* button : {"loadButton", "renameButton", "deleteButton"})
                    EXPECT_EQ(list->findChild<QPushButton*>(button)->isEnabled(), !model.isEmpty());
            }
            return 0;
        });
        click("loadSchemeButton");
        EXPECT_TRUE(dialogs.modalHandlers.empty());
    }
}

// A folder the user cannot write: neither command goes through, each says
// why, and the scheme stays under its name.
TEST_F(SchemeListTest, AFolderThatCannotBeWrittenKeepsTheScheme)
{
    saveThree();
    dialogs.modalHandlers.push_back([this](QDialog* list) {
        const ReadOnlyFolder readOnly(Schemes::folder(dir.path()));
        auto* table = list->findChild<QTableWidget*>("schemeTable");
        table->setCurrentCell(int(listed(list).indexOf("丙")), 0);
        dialogs.answers = {true, true};
        dialogs.typed = {"丁"};
        press(list, "deleteButton");
        press(list, "renameButton");
        return 0;
    });
    click("loadSchemeButton");
    const QStringList said = dialogs.messages();
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[0].startsWith("无法删除方案“丙”")) << said[0].toStdString();
    EXPECT_TRUE(said[1].startsWith("无法将方案“丙”改名为“丁”")) << said[1].toStdString();
    QStringList all{"丙", "甲", "乙"};
    all.sort();
    EXPECT_EQ(Schemes::names(dir.path()), all);
    EXPECT_EQ(window->windowTitle(), TFrm_Select::kCaption + " - 乙");
}

} // namespace
