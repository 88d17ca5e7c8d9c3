// Imports a draw history file into a folder's database, for users who script
// their updates. The file is read as the main window's "数据导入..." reads it.
//
//   quorvane-import [--game fucai|ticai] [--skip-bad] FILE [FOLDER]
//
// FOLDER defaults to the data folder of this program; the game defaults to the one
// chosen in FOLDER/user/DefaultSet.ini. Malformed lines are listed on stderr
// and then nothing is stored, unless --skip-bad is given. Exits non-zero on
// any failure.
#include "app/CommandLine.h"
#include "exchange/DataFolder.h"
#include "exchange/HistoryImport.h"
#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "store/DrawStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct Arguments
{
    std::optional<Game> game;
    bool skipBad = false;
    QString file;
    QString folder;
};

std::optional<Arguments> parseArguments(QStringList args)
{
    Arguments parsed;
    QStringList positional;
    args.removeFirst();
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--game")) {
            const QString name = args.isEmpty() ? QString() : args.takeFirst();
            if (name == tableName(Game::Fucai))
                parsed.game = Game::Fucai;
            else if (name == tableName(Game::Ticai))
                parsed.game = Game::Ticai;
            else
                return std::nullopt;
        } else if (arg == QLatin1String("--skip-bad")) {
            parsed.skipBad = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return std::nullopt;
        } else {
            positional << arg;
        }
    }
    if (positional.isEmpty() || positional.size() > 2)
        return std::nullopt;
    parsed.file = positional[0];
    parsed.folder = positional.size() > 1 ? positional[1] : openDataFolder(QCoreApplication::applicationDirPath());
    return parsed;
}

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

int run(const Arguments& args)
{
    DrawStore store(QDir(args.folder).filePath(DrawStore::kFileName));
    const bool fucai =
        args.game ? *args.game == Game::Fucai : readStartupOptions(Options::optionsPath(args.folder)).isFucai();
    store.setGame(fucai ? Game::Fucai : Game::Ticai);
    const ImportPlan plan = planImport(readImportFile(args.file, store.game()), store.issueWidth());

    if (!plan.bad.empty()) {
        print(stderr, ImportText::badLines(plan.bad, int(plan.bad.size())));
        if (!args.skipBad) {
            print(stderr, QStringLiteral("文件中有%1行格式有误，没有导入任何数据（加 --skip-bad 可忽略这些行）。")
                              .arg(plan.bad.size()));
            return kFailed;
        }
    }
    if (plan.draws.empty()) {
        print(stderr, ImportText::kNoDraws);
        return kFailed;
    }
    print(stdout, ImportText::summary(runImport(store, plan)));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (QCoreApplication::arguments().mid(1) == QStringList{QStringLiteral("--version")}) {
        printLine(stdout, versionText(QStringLiteral("quorvane-import")));
        return 0;
    }
    const std::optional<Arguments> args = parseArguments(QCoreApplication::arguments());
    if (!args) {
        print(stderr, QStringLiteral("usage: quorvane-import [--game fucai|ticai] [--skip-bad] FILE [FOLDER]"));
        return kUsage;
    }
    try {
        return run(*args);
    } catch (const std::exception& error) {
        print(stderr, QString::fromUtf8(error.what()));
        return kFailed;
    }
}
