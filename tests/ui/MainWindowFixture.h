#pragma once

#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "core/IssueArithmetic.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TestDir.h"
#include "ui/main/Main.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A folder laid out as beside the executable (empty database, default user
// files), a store on it and a main window driven through a scripted dialogs fake.
class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        EXPECT_TRUE(DrawStore::createEmpty(dbPath()));
        EXPECT_TRUE(createDefaultUserFiles(dir.path()));
        store = std::make_unique<DrawStore>(dbPath());
    }

    QString dbPath() const { return dir.file(DrawStore::kFileName); }
    void setOption(const QString& section, const QString& key, const QString& value)
    {
        IniFile(Options::optionsPath(dir.path())).writeString(section, key, value);
    }

    // Stores `count` draws with consecutive issues from `first`.
    QStringList seed(int count, const QString& first = "2025001")
    {
        QStringList issues;
        QString issue = first;
        for (int i = 0; i < count; ++i) {
            const QString number = QStringLiteral("%1").arg((i * 37) % 1000, 3, 10, QLatin1Char('0'));
            EXPECT_TRUE(enterDraw(*store, issue, number).stored());
            issues << issue;
            // The next issue of the same width; past day 366, day 001 of the next year.
            issue = nextIssue(issue);
            if (issue.right(3).toInt() > 366)
                issue = nextIssue(issue.left(issue.size() - 3)) + QStringLiteral("001");
        }
        return issues;
    }

    // Creates and shows the main window, which runs its start-up preparation.
    TFrmMain& show(TFrm_Splash* splash = nullptr)
    {
        window = std::make_unique<TFrmMain>(*store, dialogs, folder);
        window->setSplash(splash);
        window->show();
        return *window;
    }

    template <typename T> T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

    void enter(const QString& issue, const QString& number)
    {
        child<QLineEdit>("Edit3")->setText(issue);
        child<QLineEdit>("Edit4")->setText(number);
        click("SpeedButton13");
    }

    QStringList gridIssues() const
    {
        QStringList issues;
        auto* model = child<QTableView>("DBGridEh1")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            issues << model->index(row, 0).data().toString();
        return issues;
    }

    TestDir dir;
    // The folder beside the executable, by default the test's own folder.
    QString folder = dir.path();
    FakeDialogs dialogs;
    std::unique_ptr<DrawStore> store;
    std::unique_ptr<TFrmMain> window;
};
