// The three programs explain themselves, and a program installed where the
// user keeps no history (a folder without db1.mdb, as /usr/bin) works in the
// user's data folder and writes nothing beside itself.
#include "store/DrawStore.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

struct Program
{
    const char* name;
    const char* path;
    bool hasHelp;
};

const Program kPrograms[] = {
    {"quorvane", QUORVANE_APP, true},
    {"quorvane-initdb", QUORVANE_INITDB, true},
    {"quorvane-import", QUORVANE_IMPORT, false},
};

// The three programs in `bin`, a folder without a history, as the package
// lays them out in /usr/bin.
bool installPrograms(const QString& bin)
{
    if (!QDir().mkpath(bin))
        return false;
    for (const Program& program : kPrograms)
        if (!QFile::copy(program.path, bin + '/' + program.name))
            return false;
    return true;
}

TEST(CommandLine, HelpVersionAndUnknownOptions)
{
    TestDir dir;
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.name);
        const QString usage = QStringLiteral("用法：") + program.name;
        if (program.hasHelp) {
            for (const char* option : {"--help", "-h"}) {
                const ProgramRun help = runProgram(program.path, {option});
                EXPECT_EQ(help.status, 0);
                EXPECT_TRUE(help.out.startsWith(usage)) << help.out.toStdString();
                EXPECT_TRUE(help.out.contains("--help") && help.out.contains("--version"));
                EXPECT_EQ(help.err, "");
            }
        }
        const ProgramRun version = runProgram(program.path, {"--version"}, dir.path());
        EXPECT_EQ(version.status, 0);
        EXPECT_TRUE(version.out.startsWith(QStringLiteral("%1 %2\n").arg(program.name, "1.9")))
            << version.out.toStdString();

        const ProgramRun unknown = runProgram(program.path, {"--no-such-option"});
        EXPECT_EQ(unknown.status, 2);
        EXPECT_EQ(unknown.out, "");
        EXPECT_TRUE(unknown.err.contains(program.hasHelp ? usage : QString(program.name))) << unknown.err.toStdString();
    }
}

TEST(CommandLine, ProgramsWithoutAHistoryBesideThemUseTheDataFolder)
{
    TestDir dir;
    const QString bin = dir.file("usr/bin");
    ASSERT_TRUE(installPrograms(bin));
    const auto before = folderContents(bin);
    const QString dataHome = dir.file("home/.local/share");
    const QString data = dataHome + "/quorvane";

    const ProgramRun version = runProgram(bin + "/quorvane", {"--version"}, dataHome);
    EXPECT_TRUE(version.out.contains(QStringLiteral("数据文件夹：") + data)) << version.out.toStdString();

    // The import prepares the data folder on its first use.
    dir.write("draws.txt", "2025001 123\n2025002 456\n");
    const ProgramRun import = runProgram(bin + "/quorvane-import", {dir.file("draws.txt")}, dataHome);
    EXPECT_EQ(import.status, 0) << import.err.toStdString();
    EXPECT_EQ(DrawStore(data + "/" + DrawStore::kFileName).count(), 2);
    EXPECT_TRUE(QFileInfo::exists(data + "/user/DefaultSet.ini"));

    const ProgramRun initdb = runProgram(bin + "/quorvane-initdb", {}, dataHome);
    EXPECT_EQ(initdb.status, 0);
    EXPECT_EQ(initdb.out, "kept " + data + "/" + DrawStore::kFileName + "\n");
    EXPECT_EQ(DrawStore(data + "/" + DrawStore::kFileName).count(), 2);

    EXPECT_EQ(folderContents(bin), before);
}

// A relative XDG_DATA_HOME is ignored for the home's folder; without a home
// the programs say so and stop, making nothing in the working directory.
TEST(CommandLine, DataFolderFollowsTheXdgRulesAndNeedsAHome)
{
    TestDir dir;
    const QString bin = dir.file("usr/bin");
    ASSERT_TRUE(installPrograms(bin));
    dir.write("draws.txt", "2025001 123\n");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", "relative/share");
    environment.insert("HOME", dir.file("home"));
    const ProgramRun withHome = runProgramIn(environment, bin + "/quorvane-initdb", {});
    EXPECT_EQ(withHome.status, 0) << withHome.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.file("home/.local/share/quorvane/") + DrawStore::kFileName));

    environment.remove("HOME");
    for (const char* name : {"quorvane-initdb", "quorvane-import"}) {
        const QStringList args = QString(name) == "quorvane-import" ? QStringList{dir.file("draws.txt")} : QStringList{};
        const ProgramRun run = runProgramIn(environment, bin + '/' + name, args);
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(run.err.contains("HOME")) << name << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists("relative"));
}

} // namespace
