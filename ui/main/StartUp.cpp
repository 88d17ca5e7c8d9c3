#include "ui/main/StartUp.h"

#include "store/Database.h"
#include "store/DrawStore.h"
#include "ui/main/Main.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/QtTexts.h"

#include <algorithm>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <fcntl.h>
#include <unistd.h>

std::unique_ptr<DrawStore> openDrawStore(const QString& appDir, Dialogs& dialogs)
{
    try {
        return std::make_unique<DrawStore>(QDir(appDir).filePath(DrawStore::kFileName));
    } catch (const DatabaseError& error) {
        // What the store found (a file of another program, a foreign object
        // in it, a damaged page) follows the start-up message.
        QString text = TFrmMain::kStoreMissing + QStringLiteral("\n\n") + error.text();
        // The log beside the file must be written even to read it, so a
        // folder that cannot be written keeps a sound file from opening: say so.
        if (faccessat(AT_FDCWD, QFile::encodeName(appDir).constData(), W_OK, AT_EACCESS) != 0)
            text += QStringLiteral("\n\n") + TFrmMain::kFolderReadOnly.arg(appDir);
        dialogs.message(nullptr, text);
    }
    return nullptr;
}

void prepareApplication(QApplication& app)
{
    // The name alone: a display name would be appended to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    // The windows name 宋体, a face made for small print on old screens; a
    // serif CJK face in its place is hard to read, so it maps to the sans
    // face today's desktops use, at the desktop's size and never below 9 pt.
    const QStringList sans{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                           QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), sans);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), sans);
    const qreal systemSize = QApplication::font().pointSizeF();
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(std::max<qreal>(9, systemSize));
    app.setFont(font);

    // Qt's own dialogs in Chinese from our few texts, unless its catalogues
    // are installed: installed later, they are asked first.
    installChineseQtTexts();
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(catalogue), translations))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}
