// Test-only worker for the crash-safety test: enters a saved results page
// the way the download window does once the page has loaded (the web engine
// itself is left out: what can be torn is what happens after the page text).
//   download_worker FOLDER PAGE   PAGE holds the page text as GBK bytes
#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
#include "ui/exchange/DataUpdate.h"
#include "ui/main/Main.h"
#include "ui/widgets/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <cstdio>

namespace {

// Answers every question with no and prints what it is shown.
class PrintedDialogs : public Dialogs
{
public:
    void message(QWidget*, const QString& text) override { std::printf("%s\n", qPrintable(text)); }
    void critical(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        failed = true;
    }
    bool askOkCancel(QWidget*, const QString&, const QString&) override { return false; }
    bool askYesNo(QWidget*, const QString&) override { return false; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog*) override { return 0; }
    bool failed = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QFile page(QString::fromLocal8Bit(argv[2]));
    if (!page.open(QIODevice::ReadOnly))
        return 2;
    const QString text = QStringDecoder("GBK").decode(page.readAll());

    PrintedDialogs dialogs;
    DrawStore store(folder.filePath(DrawStore::kFileName));
    TFrmMain window(store, dialogs, folder.path());
    window.show();
    TFrm_DataUpdate download(window, store, dialogs, Options::downloadListPath(folder.path()), &window);
    download.processPageText(text);
    return dialogs.failed ? 1 : 0;
}
