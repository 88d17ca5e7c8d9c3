#include "ui/main/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>

QString findManual(const QString& programFolder)
{
    const QDir folder(programFolder);
    for (const QString& candidate : {folder.filePath(QStringLiteral("help/index.html")),
                                     folder.filePath(QStringLiteral("../share/quorvane/help/index.html"))})
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    return QString();
}

QString upgradeText()
{
    return QStringLiteral("升级安装包：用新版本的安装包覆盖安装，例如 sudo apt-get install ./quorvane_<版本>_amd64.deb。\n"
                          "升级便携版：构建新版本后执行 cmake --install build --prefix <原来的文件夹>。\n"
                          "两种方式都只替换程序，数据文件夹中的开奖历史、备份和用户文件保持不变。");
}

HelpWindow::HelpWindow(const QString& manual, QWidget* parent)
    : QDialog(parent), m_contents(new QListWidget), m_page(new QTextBrowser)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quorvane 用户手册"));
    resize(980, 700);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setWordWrap(true); // a long title wraps instead of scrolling sideways
    m_contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_page->setObjectName(QStringLiteral("helpPage"));
    m_page->setOpenExternalLinks(false);

    // The contents are the manual's sections, read from its headings, so
    // the list never disagrees with the page.
    QFile file(manual);
    QString html;
    if (file.open(QIODevice::ReadOnly))
        html = QString::fromUtf8(file.read(4 << 20));
    static const QRegularExpression section(QStringLiteral("<h2 id=\"([^\"]+)\">([^<]+)</h2>"));
    for (auto match = section.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        auto* item = new QListWidgetItem(found.captured(2), m_contents);
        item->setData(Qt::UserRole, found.captured(1));
    }
    m_page->setSearchPaths({QFileInfo(manual).absolutePath()});
    m_page->setSource(QUrl::fromLocalFile(manual));
    connect(m_contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_page->scrollToAnchor(item->data(Qt::UserRole).toString());
    });

    auto* splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 740});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
}
