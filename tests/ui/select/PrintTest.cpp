// Real printing through the CUPS scheduler that tools/print-setup.sh starts
// (loopback only) with a cups-pdf queue as the default printer.
#include "ui/select/Print.h"

#include "core/SelectionText.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TestDir.h"

#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kPdfFolder = QStringLiteral("/var/spool/cups-pdf");

struct Job
{
    int id;
    QString title;
    ipp_jstate_t state;
};

std::vector<Job> jobs()
{
    cups_job_t* list = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> result;
    for (int i = 0; i < count; ++i)
        result.push_back({list[i].id, QString::fromUtf8(list[i].title), list[i].state});
    cupsFreeJobs(count, list);
    return result;
}

int lastJobId()
{
    int last = 0;
    for (const Job& job : jobs())
        last = std::max(last, job.id);
    return last;
}

// The default queue's name, or why there is none.
QString defaultQueueProblem()
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (dest) {
        cupsFreeDests(1, dest);
        return {};
    }
    return QStringLiteral("no default CUPS printer (%1). Run tools/print-setup.sh as root: it starts the scheduler "
                          "and makes a cups-pdf queue the default.")
        .arg(QString::fromUtf8(cupsLastErrorString()));
}

template <typename F> bool waitFor(F ready, int seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!ready()) {
        if (timer.elapsed() > seconds * 1000)
            return false;
        QTest::qWait(100);
    }
    return true;
}

// The PDF cups-pdf wrote for a job: its name ends in "job_<id>.pdf".
QString pdfOfJob(int id)
{
    QDirIterator files(kPdfFolder, {QStringLiteral("*job_%1.pdf").arg(id)}, QDir::Files, QDirIterator::Subdirectories);
    return files.hasNext() ? files.next() : QString();
}

// Pages rendered by Ghostscript and, per page, the number of bands of
// dark pixel rows (lines of text).
QList<int> textLinesPerPage(const QString& pdf, const TestDir& dir)
{
    QProcess gs;
    gs.start(QStringLiteral("gs"), {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r100",
                                    "-sOutputFile=" + dir.file("page-%d.png"), pdf});
    if (!gs.waitForFinished(60'000) || gs.exitCode() != 0)
        return {};
    QList<int> lines;
    for (int page = 1; QFile::exists(dir.file(QStringLiteral("page-%1.png").arg(page))); ++page) {
        const QImage image(dir.file(QStringLiteral("page-%1.png").arg(page)));
        int bands = 0;
        bool inBand = false;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < image.width() && !ink; ++x)
                ink = qGray(image.pixel(x, y)) < 128;
            bands += ink && !inBand ? 1 : 0;
            inBand = ink;
        }
        lines << bands;
    }
    return lines;
}

TEST(PrintTest, PrintsTheMemoAsOneJobOnTheDefaultPrinter)
{
    const QString problem = defaultQueueProblem();
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    // Suites run side by side on one machine share the scheduler: one print
    // test at a time, so the only new job is this one.
    QLockFile lock(QDir::temp().filePath(QStringLiteral("quorvane-print-test.lock")));
    ASSERT_TRUE(lock.tryLock(180'000)) << "another print test holds the printer";
    const int before = lastJobId();

    FakeDialogs dialogs;
    TFrm_Print print(dialogs);
    print.setBetLines({"1=000=0", "2=001=1"});
    // A line the user typed is printed too.
    auto* memo = print.findChild<QPlainTextEdit*>("Memo1");
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "3=002=2");
    QTest::mouseClick(print.findChild<QWidget*>("SpeedButton2"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages().isEmpty());

    std::optional<Job> job;
    const bool completed = waitFor(
        [&] {
            std::vector<Job> added;
            for (const Job& j : jobs())
                if (j.id > before)
                    added.push_back(j);
            if (added.size() == 1)
                job = added.front();
            return added.size() > 1 || (job && job->state >= IPP_JSTATE_CANCELED);
        },
        60);
    ASSERT_TRUE(completed && job) << "no finished print job after 60 s";
    EXPECT_EQ(job->title, SelectText::kPrintTitle);
    EXPECT_EQ(job->state, IPP_JSTATE_COMPLETED);
    EXPECT_EQ(lastJobId(), job->id) << "more than one job was sent";

    QString pdf;
    ASSERT_TRUE(waitFor([&] { return !(pdf = pdfOfJob(job->id)).isEmpty(); }, 30))
        << "cups-pdf wrote no file for job " << job->id;
    TestDir pages;
    EXPECT_EQ(textLinesPerPage(pdf, pages), QList<int>({3})) << pdf.toStdString();
    QFile::remove(pdf);
}

TEST(PrintTest, NoDefaultPrinterGetsThePrinterMessage)
{
    // A scheduler nobody listens on: no printer at all for this thread.
    cupsSetServer("/nonexistent/quorvane-cups.sock");
    FakeDialogs dialogs;
    TFrm_Print print(dialogs);
    print.setBetLines({"1=000=0"});
    QTest::mouseClick(print.findChild<QWidget*>("SpeedButton2"), Qt::LeftButton);
    cupsSetServer(nullptr);
    EXPECT_EQ(dialogs.messages(), QStringList({SelectText::kNoPrinter}));
    EXPECT_EQ(dialogs.messages()[0], "找不到打印机或者未安装正确！");
}

} // namespace
