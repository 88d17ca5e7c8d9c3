// Long and repeated inputs, each read by a child process under a 2 GB
// address-space limit as the import reads it: every one ends with its draws
// or a message naming the limit it exceeds, never out of memory, and a text
// file at the size limit is read in under 1 GB.
#include "tests/exchange/ZipFixture.h"
#include "tests/support/TestDir.h"

#include <QProcess>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true; // the sanitizer's shadow memory needs more address space than any limit
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr rlim_t kAddressSpace = rlim_t(2) << 30;
constexpr long kTextPeakKb = 1L << 20; // 1 GB

struct WorkerRun
{
    int status = -1; // -1: killed or hung
    QString out;
    long peakKb = 0;
};

WorkerRun readLimited(const QString& path)
{
    QProcess process;
    process.setChildProcessModifier([] {
        const rlimit limit{kAddressSpace, kAddressSpace};
        setrlimit(RLIMIT_AS, &limit);
    });
    process.start(QStringLiteral(QUORVANE_READ_WORKER), {path});
    WorkerRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    const QString err = QString::fromUtf8(process.readAllStandardError());
    const qsizetype at = err.indexOf(QLatin1String("peak-kb "));
    if (at >= 0)
        run.peakKb = err.mid(at + 8).section(u'\n', 0, 0).toLong();
    return run;
}

// Writes what `next` gives until `bytes` are written (the last piece cut),
// then leaves `sparseTo` - `bytes` of zeros that take no disk.
void writeStreamed(const QString& path, qint64 bytes, const std::function<QByteArray()>& next, qint64 sparseTo = 0)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray buffer;
    qint64 written = 0;
    while (written < bytes) {
        buffer += next();
        if (buffer.size() >= (1 << 20) || written + buffer.size() >= bytes) {
            buffer.truncate(qsizetype(std::min<qint64>(buffer.size(), bytes - written)));
            ASSERT_EQ(file.write(buffer), buffer.size());
            written += buffer.size();
            buffer.clear();
        }
    }
    if (sparseTo > bytes) {
        ASSERT_TRUE(file.resize(sparseTo));
    }
}

// The i-th of more than two million different draws that can all exist.
QByteArray distinctDraw(int i, const char* between)
{
    const int year = 2002 + i / 366'000;
    const int day = i / 1000 % 366 + 1;
    return QByteArray::number(year) + QByteArray::number(day).rightJustified(3, '0') + between +
           QByteArray::number(i % 1000).rightJustified(3, '0');
}

TEST(LongInput, EndsWithItsDrawsOrALimitNeverOutOfMemory)
{
    if (kSanitized)
        GTEST_SKIP() << "no address-space limit under the sanitizer";
    constexpr qint64 MiB = 1 << 20;
    constexpr int kOverTheLimit = 2'000'001;
    struct Case
    {
        const char* name;
        std::function<void(const QString&)> make;
        const char* outcome; // the start of the worker's answer
        bool text;           // a text file: read in under 1 GB
    };
    const Case cases[] = {
        {"one line repeated to 200 MiB",
         [](const QString& path) { writeStreamed(path, 200 * MiB, [] { return QByteArray("2025001,573\n"); }); },
         "draws 1 ", true},
        {"250 MiB without a line end",
         [](const QString& path) { writeStreamed(path, 250 * MiB, [] { return QByteArray("2025001 573 "); }); },
         "draws 1 ", true},
        {"two million and one different draws, then zeros to 255 MiB",
         [](const QString& path) {
             int i = 0;
             writeStreamed(path, qint64(kOverTheLimit) * 12, [&] { return distinctDraw(i++, " ") + '\n'; }, 255 * MiB);
         },
         "refused 无法导入文件", true},
        {"a JSON answer of 100 MiB",
         [](const QString& path) {
             writeStreamed(path, 12, [] { return QByteArray(R"({"result":[)"); }, 100 * MiB);
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write("]}");
         },
         "refused 无法导入文件", true},
        {"a results page of two million and one entries",
         [](const QString& path) {
             int i = 0;
             const QByteArray marker = QStringLiteral("3D号码：").toUtf8();
             const QByteArray mark = QStringLiteral("期").toUtf8();
             writeStreamed(path, marker.size() + qint64(kOverTheLimit) * 12, [&] {
                 if (i == 0) {
                     ++i;
                     return marker;
                 }
                 // Five-digit issues: 25 years of 366 days, then the next number.
                 const int n = i++ - 1;
                 return QByteArray::number(2 + n / 366'000 % 25).rightJustified(2, '0') +
                        QByteArray::number(n / 1000 % 366 + 1).rightJustified(3, '0') + mark +
                        QByteArray::number(n % 1000).rightJustified(3, '0') + ' ';
             });
         },
         "refused 无法导入文件", true},
        {"a workbook of 1,048,577 rows",
         [](const QString& path) {
             const QByteArray row = "<row><c t=\"inlineStr\"><is><t>2025001</t></is></c><c><v>573</v></c></row>";
             ASSERT_TRUE(writeZip(path, workbookParts(row.repeated(1'048'577))));
         },
         "refused 无法读取工作簿", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDir dir;
        const QString path = dir.file(c.text ? "history.txt" : "history.xlsx");
        c.make(path);
        const WorkerRun run = readLimited(path);
        EXPECT_NE(run.status, -1) << "killed or hung";
        EXPECT_NE(run.status, 3) << "out of memory";
        EXPECT_TRUE(run.out.startsWith(QString::fromUtf8(c.outcome))) << run.out.toStdString();
        std::printf("[ %s ] peak %ld MB\n", c.name, run.peakKb >> 10);
        if (c.text) {
            EXPECT_LT(run.peakKb, kTextPeakKb);
        }
    }
}

} // namespace
