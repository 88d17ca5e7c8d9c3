#include "app/CommandLine.h"

#include <cstdio>

QString versionText(const QString& program, const QString& more)
{
    QString text = program + u' ' + QStringLiteral(QUORVANE_VERSION);
    if (!more.isEmpty())
        text += u'\n' + more;
    return text;
}

void printLine(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

std::optional<int> answerCommandLine(const QStringList& arguments, const QString& usage, const QString& version,
                                     const QStringList& known)
{
    const QStringList options = arguments.mid(1);
    const auto given = [&options](const char* longName, const char* shortName) {
        return options.contains(QLatin1String(longName)) || options.contains(QLatin1String(shortName));
    };
    if (given("--help", "-h")) {
        printLine(stdout, usage);
        return 0;
    }
    if (given("--version", "-v")) {
        printLine(stdout, version);
        return 0;
    }
    for (const QString& option : options) {
        const QString name = option.section(u'=', 0, 0);
        if (option.startsWith(QLatin1String("--")) && !known.contains(name)) {
            printLine(stderr, usage);
            return kUsageStatus;
        }
    }
    return std::nullopt;
}
