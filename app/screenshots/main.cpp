// quorvane-screenshots OUTDIR [--dark]: writes a PNG of every window and
// notable state, from a sample history of 60 draws in a temporary folder,
// in the light colours or with --dark in the dark ones. The screen's size
// and scale are the platform's (tools/screenshots sets them).
#include "app/screenshots/Shots.h"
#include "exchange/OptionsFile.h"
#include "store/DrawEntry.h"
#include "store/DrawStore.h"
#include "ui/main/StartUp.h"
#include "ui/widgets/ColourScheme.h"
#include "ui/widgets/ScreenFit.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The same 60 draws on every run, so pictures compare across builds.
bool fillSampleHistory(DrawStore& store)
{
    quint32 seed = 20250101;
    for (int i = 0; i < 60; ++i) {
        seed = seed * 1103515245u + 12345u;
        const QString number = QStringLiteral("%1").arg((seed >> 8) % 1000, 3, 10, QLatin1Char('0'));
        if (!enterDraw(store, QString::number(2025001 + i), number).stored())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The download window's web engine shares its contexts; set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    prepareApplication(app);
    // As the program does: every window fits its screen.
    ScreenFitter screenFitter;
    app.installEventFilter(&screenFitter);
    const bool dark = argc == 3 && QByteArray(argv[2]) == "--dark";
    if (argc != 2 && !dark) {
        std::fprintf(stderr, "usage: quorvane-screenshots OUTDIR [--dark]\n");
        return 2;
    }
    applyColourScheme(dark ? SchemeChoice::Dark : SchemeChoice::Light);
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir sample;
    if (!QDir().mkpath(outDir) || !sample.isValid()) {
        std::fprintf(stderr, "cannot prepare the folders\n");
        return 1;
    }
    const QString dbPath = QDir(sample.path()).filePath(DrawStore::kFileName);
    if (!DrawStore::createEmpty(dbPath) || !createDefaultUserFiles(sample.path())) {
        std::fprintf(stderr, "cannot create the sample folder\n");
        return 1;
    }
    DrawStore store(dbPath);
    if (!fillSampleHistory(store)) {
        std::fprintf(stderr, "cannot store the sample history\n");
        return 1;
    }
    QuietDialogs dialogs;
    const ShotContext context{outDir, sample.path(), store, dialogs};

    mainWindowShots(context);
    selectShots(context);
    chanceShots(context);
    analysisWindowShots(context);
    liveSwitchShots(context);
    // Last: the download adds draws of its own to the sample history.
    exchangeShots(context);
    return 0;
}
