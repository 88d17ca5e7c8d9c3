#pragma once

// Loads result pages through the page helper (quorvane-page), a process of
// its own: the web engine, the pages' scripts and the memory they take stay
// out of this program, which links no web engine and starts without one.
// The helper loads the addresses of one line of the address list in one
// session and answers with the draws of the last page (exchange/PageFrames.h).
//
// A watchdog ends the helper and everything it started when they hold more
// than kMemoryLimit together, or when the run's deadline passes; a crash, an
// exit other than 0 and an answer out of shape each end the run with one message.

#include "core/Game.h"
#include "exchange/PageFrames.h"
#include "exchange/PageWaits.h"

#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QTimer;

class PageLoader : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 kMemoryLimit = qint64(1536) << 20;
    static constexpr int kWatchMs = 250;

    explicit PageLoader(QObject* parent = nullptr, PageWaits waits = {});
    ~PageLoader() override;

    void setWaits(const PageWaits& waits) { m_waits = waits; }
    // The helper to start and the arguments put before the loader's own
    // (tests start a stand-in); by default quorvane-page beside this program.
    void setProgram(const QString& program, const QStringList& leadingArguments = {});
    void setMemoryLimit(qint64 bytes) { m_memoryLimit = bytes; }
    // Beyond the helper's own waits, for the web engine's start on a busy machine.
    static constexpr int kStartGraceMs = 15000;
    void setStartGraceMs(int ms) { m_startGraceMs = ms; }
    // Arguments passed on to the helper as they are (--verbose, --text-limit N).
    void setExtraArguments(const QStringList& arguments) { m_extra = arguments; }

    // Starts loading `pages` (at least one); a run still going is ended first.
    // Ends in pageRead, failed or (cancel) cancelled.
    void load(const QList<QUrl>& pages, Game game);
    bool isLoading() const { return m_process != nullptr; }
    // Runs started since the loader was made.
    int runs() const { return m_runs; }
    // The most the helper and what it started held together in the last run, as the watchdog saw it.
    qint64 peakMemory() const { return m_peakMemory; }
    void setWatchInterval(int ms);
    // Ends the run now, as the user asked: the helper is ended, cancelled follows.
    void cancel();

    // The run's deadline: every page's load, the wait for draws, and a grace for the helper's own start.
    int deadlineMs(qsizetype pages) const;
    static QString defaultProgram();

signals:
    void pageLoaded(const QUrl& page);
    // The draws of the last page, one "<issue> <number>" per line.
    void pageRead(const QString& draws);
    void logged(const QString& line);
    void failed(const QString& message);
    void cancelled();

private:
    void readOutput();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void startFailed(QProcess::ProcessError error);
    void watch();
    void end(const QString& message); // ends the helper and the run with `message`
    void stopHelper();
    QString address() const;

    PageWaits m_waits;
    QString m_program;
    QStringList m_leading;
    QStringList m_extra;
    qint64 m_memoryLimit = kMemoryLimit;
    int m_startGraceMs = kStartGraceMs;
    QProcess* m_process = nullptr;
    QTimer* m_watchdog;
    PageFrames::Reader m_reader;
    std::optional<PageFrames::Frame> m_answer;
    QList<QUrl> m_pages;
    qsizetype m_opened = 0;
    qint64 m_deadline = 0;
    int m_runs = 0;
    qint64 m_peakMemory = 0;
};
