// Imports draws into a folder's database from a history file or from result
// pages on the web, for users who script their updates (cron, a systemd
// timer). A file is read as the main window's "数据导入..." reads it; an
// address is loaded as the download window loads it (the same page helper,
// quorvane-page, and the same waits).
//
//   quorvane-import [--game fucai|ticai] [--skip-bad] SOURCE [FOLDER]
//
// QUORVANE_PAGE_WAITS=READ,DRAWS,LOAD (milliseconds) changes the waits for pages.
// FOLDER defaults to the data folder (see exchange/DataFolder.h); the game defaults to the one
// chosen in FOLDER/user/DefaultSet.ini. Malformed lines of a file are listed
// on stderr and then nothing is stored, unless --skip-bad is given. Exits 1 on
// any failure, 2 on a usage error.
#include "exchange/DownloadList.h"
#include "exchange/HistoryFile.h"
#include "exchange/DrawText.h"
#include "app/CommandLine.h"
#include "exchange/DataFolder.h"
#include "exchange/HistoryImport.h"
#include "exchange/PageLoader.h"
#include "exchange/OptionsFile.h"
#include "store/Database.h"
#include "store/DrawStore.h"
#include "store/FileReplace.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kUsageText = "用法：quorvane-import [--game fucai|ticai] [--skip-bad] SOURCE [FOLDER]\n"
                               "\n"
                               "把开奖号码导入 FOLDER 中的数据库（FOLDER 默认为数据文件夹）。\n"
                               "SOURCE 是开奖数据文件，或者 http:// 、https:// 开头的网址：多个网址用空格隔开、\n"
                               "放在同一个参数里（加引号），按顺序在同一会话中打开，从最后一个网页读取开奖号码。\n"
                               "\n"
                               "选项：\n"
                               "  --game fucai|ticai  导入福彩3D（fucai）或体彩排列3（ticai）；\n"
                               "                      默认为 FOLDER/user/DefaultSet.ini 中选择的彩种\n"
                               "  --skip-bad          跳过文件中格式有误的行，导入其余的开奖号码；\n"
                               "                      不加此项时，有格式有误的行就不导入任何数据\n"
                               "  --no-sandbox        关闭网页引擎的沙箱（以 root 身份导入网址时需要；\n"
                               "                      也可设置环境变量 QTWEBENGINE_DISABLE_SANDBOX=1）\n"
                               "  --verbose           显示网页脚本的控制台信息\n"
                               "  -h, --help          显示本说明\n"
                               "  --version           显示版本和数据文件夹\n"
                               "\n"
                               "成功时退出码为 0，失败为 1，参数有误为 2。";

struct Arguments
{
    std::optional<Game> game;
    bool skipBad = false;
    bool noSandbox = false;
    bool verbose = false;
    bool help = false;
    bool version = false;
    QString source;
    QString folder;
};

bool isAddress(const QString& source)
{
    const QString start = source.trimmed();
    return start.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           start.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

// One entry per option: a new option is one more entry.
struct Option
{
    const char* name;
    bool takesValue;
    bool (*apply)(Arguments& args, const QString& value); // false: the value is not accepted
};

const Option kOptions[] = {
    {"--game", true,
     [](Arguments& args, const QString& value) {
         if (value == tableName(Game::Fucai))
             args.game = Game::Fucai;
         else if (value == tableName(Game::Ticai))
             args.game = Game::Ticai;
         return args.game.has_value();
     }},
    {"--skip-bad", false, [](Arguments& args, const QString&) { return args.skipBad = true; }},
    {"--no-sandbox", false, [](Arguments& args, const QString&) { return args.noSandbox = true; }},
    {"--verbose", false, [](Arguments& args, const QString&) { return args.verbose = true; }},
    {"--help", false, [](Arguments& args, const QString&) { return args.help = true; }},
    {"-h", false, [](Arguments& args, const QString&) { return args.help = true; }},
    {"--version", false, [](Arguments& args, const QString&) { return args.version = true; }},
};

// The arguments as given, before any application exists: whether the web
// engine is needed decides which application to make.
std::optional<Arguments> parseArguments(int argc, char** argv)
{
    Arguments parsed;
    QStringList positional;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!arg.startsWith(u'-') || arg == QLatin1String("-")) {
            positional << arg;
            continue;
        }
        const Option* option = nullptr;
        for (const Option& candidate : kOptions)
            if (arg == QLatin1String(candidate.name))
                option = &candidate;
        if (!option || (option->takesValue && i + 1 >= argc))
            return std::nullopt;
        const QString value = option->takesValue ? QString::fromLocal8Bit(argv[++i]) : QString();
        if (!option->apply(parsed, value))
            return std::nullopt;
    }
    if (parsed.help || parsed.version)
        return parsed;
    if (positional.isEmpty() || positional.size() > 2)
        return std::nullopt;
    parsed.source = positional[0];
    parsed.folder = positional.value(1);
    return parsed;
}

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

// Thrown for a failure whose message is already the whole story.
struct Failure
{
    QString message;
};

// The waits of the download window, unless QUORVANE_PAGE_WAITS gives them
// as "READ,DRAWS,LOAD" in milliseconds (a slow site's longer waits, the
// tests' short ones).
PageWaits pageWaits()
{
    return PageWaits::parse(qEnvironmentVariable("QUORVANE_PAGE_WAITS")).value_or(PageWaits{});
}

// The draws of the last page, loaded as the download window loads them.
QString loadPages(const QString& source, Game game, bool verbose)
{
    QList<QUrl> pages;
    for (const QString& address : splitAddresses(source)) {
        switch (addressProblem(address)) {
        case AddressProblem::None:
            break;
        case AddressProblem::NotWeb:
            throw Failure{QStringLiteral("只能从 http:// 或 https:// 网址导入，没有打开：") + address};
        case AddressProblem::NotAnAddress:
            throw Failure{QStringLiteral("网址无效：") + address};
        }
        pages << downloadUrl(address);
    }
    PageLoader loader(nullptr, pageWaits());
    if (verbose)
        loader.setExtraArguments({QStringLiteral("--verbose")});
    QEventLoop loop;
    QString text;
    QString failure;
    QObject::connect(&loader, &PageLoader::pageRead, &loop, [&](const QString& read) {
        text = read;
        loop.quit();
    });
    QObject::connect(&loader, &PageLoader::failed, &loop, [&](const QString& message) {
        failure = message;
        loop.quit();
    });
    loader.load(pages, game);
    loop.exec();
    if (!failure.isEmpty())
        throw Failure{failure};
    return text;
}

int run(const Arguments& args)
{
    const Game game = args.game ? *args.game
                      : readStartupOptions(Options::optionsPath(args.folder)).isFucai() ? Game::Fucai
                                                                                          : Game::Ticai;
    // The pages may take a minute: the store is opened only once there are
    // draws to enter, so a restore in that time cannot leave this import
    // writing into a file no longer in place.
    ImportFile file = isAddress(args.source) ? readPageDraws(loadPages(args.source, game, args.verbose), game)
                                             : readImportFile(args.source, game);
    if (file.draws.empty() && file.bad.empty()) {
        print(stderr, ImportText::kNoDraws);
        return kFailed;
    }
    DrawStore store(QDir(args.folder).filePath(DrawStore::kFileName));
    store.setGame(game);
    const ImportPlan plan = planImport(file, store.issueWidth());

    if (!plan.bad.empty()) {
        print(stderr, ImportText::badLines(plan.bad, int(plan.bad.size()), badCount(plan)));
        if (!args.skipBad) {
            print(stderr, QStringLiteral("文件中有%1行格式有误，没有导入任何数据（加 --skip-bad 可忽略这些行）。")
                              .arg(badCount(plan)));
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

// The pages are loaded by the page helper, which inherits the environment.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, const Arguments& args)
{
    // The sandbox keeps a hostile page from the user's files; it is turned
    // off only when asked to.
    if (args.noSandbox)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    std::optional<Arguments> args = parseArguments(argc, argv);
    if (!args) {
        std::fputs(kUsageText, stderr);
        std::fputc('\n', stderr);
        return kUsage;
    }
    if (args->help) {
        std::puts(kUsageText);
        return 0;
    }
    if (args->version) {
        QCoreApplication app(argc, argv);
        printLine(stdout, versionText(QStringLiteral("quorvane-import")));
        return 0;
    }
    // The engine's sandbox cannot start for root.
    if (isAddress(args->source) && geteuid() == 0 && !args->noSandbox &&
        qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        std::fputs("以 root 身份导入网址时，网页引擎的沙箱无法启动：请加 --no-sandbox，"
                   "或设置环境变量 QTWEBENGINE_DISABLE_SANDBOX=1 后再试。\n",
                   stderr);
        return kFailed;
    }
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv, *args);
    if (args->folder.isEmpty())
        args->folder = openDataFolder(QCoreApplication::applicationDirPath());
    if (args->folder.isEmpty()) {
        print(stderr, noDataFolderText());
        return kFailed;
    }
    removeLeftovers(args->folder); // of a creation, backup or restore that was killed
    try {
        return run(*args);
    } catch (const Failure& failure) {
        print(stderr, failure.message);
        return kFailed;
    } catch (const std::bad_alloc&) {
        // Nothing was stored: the import's one transaction rolled back.
        print(stderr, QStringLiteral("内存不足，没有导入任何数据。"));
        return kFailed;
    } catch (const std::exception& error) {
        print(stderr, QString::fromUtf8(error.what()));
        return kFailed;
    }
}
