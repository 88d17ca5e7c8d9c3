#pragma once

// --help and --version for the three programs. Usage texts are Chinese and
// name every option; an unknown option prints the usage on stderr.

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

constexpr int kUsageStatus = 2;

// "<program> <version>", then `more` on lines of its own when given.
QString versionText(const QString& program, const QString& more = QString());

// The answer to a command line that asks for help or the version, or holds an
// option the program does not know: printed, with the exit status (0, or
// kUsageStatus for the unknown option). Empty when the program should run.
// `known` lists the program's other options; the help and version options
// win over everything else, a "--" argument outside `known` is
// unknown, and anything else is left to the program.
std::optional<int> answerCommandLine(const QStringList& arguments, const QString& usage, const QString& version,
                                     const QStringList& known = {});

void printLine(FILE* stream, const QString& text);
