// Reads one history file as the import does (readImportFile, then
// planImport) and says what came of it, for tests that run it under a memory
// limit: "draws <n> repeats <n> bad <n>" or "refused <message>" on stdout,
// "peak-kb <n>" (the peak resident size) on stderr. Exit 0 when read, 1 when
// refused, 3 when memory ran out.
#include "exchange/HistoryImport.h"
#include "exchange/HistoryFile.h"
#include "exchange/ImportFile.h"

#include <QCoreApplication>
#include <cstdio>
#include <new>
#include <sys/resource.h>

namespace {

void reportPeak()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "peak-kb %ld\n", usage.ru_maxrss);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    try {
        const ImportFile file = readImportFile(QString::fromLocal8Bit(argv[1]), Game::Fucai);
        const ImportPlan plan = planImport(file, 0);
        std::printf("draws %zu repeats %d bad %d\n", plan.draws.size(), plan.repeats, badCount(plan));
        reportPeak();
        return 0;
    } catch (const ImportFileError& error) {
        std::printf("refused %s\n", error.text().toUtf8().constData());
        reportPeak();
        return 1;
    } catch (const std::bad_alloc&) {
        std::printf("bad_alloc\n");
        return 3;
    }
}
