#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of one of our programs: exit status (-1 when it crashed or hung)
// and what it printed, as UTF-8.
struct ProgramRun
{
    int status = -1;
    QString out, err;
};

inline ProgramRun runProgramIn(const QProcessEnvironment& environment, const QString& program,
                               const QStringList& args)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// `dataHome`, when given, is the run's XDG_DATA_HOME.
inline ProgramRun runProgram(const QString& program, const QStringList& args, const QString& dataHome = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!dataHome.isEmpty())
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    return runProgramIn(environment, program, args);
}
