#include "exchange/PageLoader.h"

#include "exchange/PageText.h"
#include "exchange/ProcessTree.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <limits>
#include <sys/prctl.h>
#include <unistd.h>

PageLoader::PageLoader(QObject* parent, PageWaits waits)
    : QObject(parent), m_waits(waits), m_program(defaultProgram()), m_watchdog(new QTimer(this))
{
    m_watchdog->setInterval(kWatchMs);
    connect(m_watchdog, &QTimer::timeout, this, &PageLoader::watch);
}

PageLoader::~PageLoader()
{
    stopHelper();
}

QString PageLoader::defaultProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quorvane-page"));
}

void PageLoader::setWatchInterval(int ms)
{
    m_watchdog->setInterval(ms);
}

void PageLoader::setProgram(const QString& program, const QStringList& leadingArguments)
{
    m_program = program;
    m_leading = leadingArguments;
}

int PageLoader::deadlineMs(qsizetype pages) const
{
    const qint64 ms = qint64(m_waits.loadWithinMs) * pages + m_waits.drawsWithinMs + m_waits.readAgainMs + m_startGraceMs;
    return int(std::min<qint64>(ms, std::numeric_limits<int>::max()));
}

void PageLoader::load(const QList<QUrl>& pages, Game game)
{
    stopHelper();
    if (pages.isEmpty())
        return;
    ++m_runs;
    m_pages = pages;
    m_opened = 0;
    m_peakMemory = 0;
    m_reader = {};
    m_answer.reset();
    QStringList arguments = m_leading;
    arguments << QStringLiteral("--game") << tableName(game) << QStringLiteral("--waits") << m_waits.toString()
              << m_extra;
    for (const QUrl& page : pages)
        arguments << page.toString(QUrl::FullyEncoded);

    m_process = new QProcess(this);
    m_process->setProgram(m_program);
    m_process->setArguments(arguments);
    // What the web engine writes on its error channel goes where this program's does.
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->setInputChannelMode(QProcess::ForwardedInputChannel);
    // The helper dies with this program; its own children follow it as their pipes close.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(m_process, &QProcess::readyReadStandardOutput, this, &PageLoader::readOutput);
    connect(m_process, &QProcess::finished, this, &PageLoader::processEnded);
    connect(m_process, &QProcess::errorOccurred, this, &PageLoader::startFailed);
    m_deadline = QDateTime::currentMSecsSinceEpoch() + deadlineMs(pages.size());
    m_watchdog->start();
    m_process->start();
}

QString PageLoader::address() const
{
    return m_pages.value(std::min(m_opened, m_pages.size() - 1)).toString();
}

void PageLoader::readOutput()
{
    if (!m_process)
        return;
    const std::vector<PageFrames::Frame> frames = m_reader.feed(m_process->readAllStandardOutput());
    if (m_reader.failed()) {
        end(PageText::helperMalformed(address(), m_reader.problem()));
        return;
    }
    for (const PageFrames::Frame& frame : frames) {
        switch (frame.kind) {
        case PageFrames::Kind::Opened:
            if (m_opened < m_pages.size())
                ++m_opened;
            emit pageLoaded(QUrl(frame.text));
            break;
        case PageFrames::Kind::Log:
            emit logged(frame.text);
            break;
        case PageFrames::Kind::Draws:
        case PageFrames::Kind::Failed:
            // Taken as the answer once the helper has ended well.
            m_answer = frame;
            break;
        }
        if (!m_process)
            return; // a receiver ended the run
    }
}

void PageLoader::processEnded(int exitCode, QProcess::ExitStatus status)
{
    if (!m_process || sender() != m_process)
        return;
    readOutput();
    if (!m_process)
        return;
    if (status == QProcess::CrashExit) {
        end(PageText::helperEnded(address(), QStringLiteral("崩溃")));
        return;
    }
    if (exitCode != 0) {
        end(PageText::helperEnded(address(), QStringLiteral("退出码 %1").arg(exitCode)));
        return;
    }
    if (!m_answer) {
        end(PageText::helperMalformed(address(), QStringLiteral("没有回答就结束了")));
        return;
    }
    const PageFrames::Frame answer = *m_answer;
    stopHelper();
    if (answer.kind == PageFrames::Kind::Draws)
        emit pageRead(answer.text);
    else
        emit failed(answer.text);
}

void PageLoader::startFailed(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart && m_process && sender() == m_process)
        end(PageText::helperMissing(m_program));
}

void PageLoader::watch()
{
    if (!m_process)
        return;
    const pid_t pid = pid_t(m_process->processId());
    const qint64 memory = pid > 0 ? treeMemoryBytes(processTree(pid)) : 0;
    m_peakMemory = std::max(m_peakMemory, memory);
    if (memory > m_memoryLimit) {
        end(PageText::tooMuchMemory(address(), m_memoryLimit));
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() >= m_deadline)
        end(PageText::timedOut(address(), (deadlineMs(m_pages.size()) + 999) / 1000));
}

void PageLoader::end(const QString& message)
{
    stopHelper();
    emit failed(message);
}

void PageLoader::cancel()
{
    if (!m_process)
        return;
    stopHelper();
    emit cancelled();
}

// Ends the helper and everything it started, at once; its last signals belong to no run.
void PageLoader::stopHelper()
{
    m_watchdog->stop();
    if (!m_process)
        return;
    QProcess* process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        killTree(pid_t(process->processId()));
        process->waitForFinished(2000);
    }
    process->deleteLater();
}
