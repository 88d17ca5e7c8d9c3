#include "ui/main/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QTimer>
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

QString helpSection(const QString& objectName)
{
    static const QHash<QString, QString> sections = {
        {QStringLiteral("Frm_DataUpdate"), QStringLiteral("draws-in")},
        {QStringLiteral("Frm_Out"), QStringLiteral("export")},
        {QStringLiteral("HistoryCheckWindow"), QStringLiteral("export")},
        {QStringLiteral("Frm_Select"), QStringLiteral("select")},
        {QStringLiteral("Frm_SelectHistory"), QStringLiteral("select")},
        {QStringLiteral("Frm_Print"), QStringLiteral("select")},
        {QStringLiteral("DrawnBetsWindow"), QStringLiteral("select")},
        {QStringLiteral("SchemeListWindow"), QStringLiteral("select")},
        {QStringLiteral("Frm_about"), QStringLiteral("backup")},
        {QStringLiteral("ConditionCheckWindow"), QStringLiteral("check")},
        {QStringLiteral("BacktestWindow"), QStringLiteral("check")},
        {QStringLiteral("RandomnessWindow"), QStringLiteral("random")},
        {QStringLiteral("Frm_IsPrize"), QStringLiteral("prize")},
        {QStringLiteral("Frm_DataCount"), QStringLiteral("data-count")},
        {QStringLiteral("Frm_DataAnalyse"), QStringLiteral("data-analyse")},
        {QStringLiteral("Frm_Trend"), QStringLiteral("trend")},
        {QStringLiteral("Frm_LanqiuYilou"), QStringLiteral("omission")},
        {QStringLiteral("PositionOmissionWindow"), QStringLiteral("omission")},
        {QStringLiteral("Frm_itemset"), QStringLiteral("options")},
    };
    return sections.value(objectName);
}

HelpKey::HelpKey(std::function<void(const QString&)> open, QObject* parent) : QObject(parent), m_open(std::move(open))
{
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier || !watched->isWidgetType())
        return false;
    const QString window = static_cast<QWidget*>(watched)->window()->objectName();
    // In the manual itself F1 has nothing more to show.
    if (window == QLatin1String("HelpWindow"))
        return false;
    // A window without a section of its own opens the manual at its title.
    m_open(helpSection(window));
    return true;
}

HelpWindow::HelpWindow(const QString& manual, QWidget* parent, const QString& section)
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
    static const QRegularExpression heading(QStringLiteral("<h2 id=\"([^\"]+)\">([^<]+)</h2>"));
    for (auto match = heading.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        auto* item = new QListWidgetItem(found.captured(2), m_contents);
        item->setData(Qt::UserRole, found.captured(1));
    }
    m_page->setSearchPaths({QFileInfo(manual).absolutePath()});
    QUrl source = QUrl::fromLocalFile(manual);
    if (!section.isEmpty())
        source.setFragment(section);
    m_page->setSource(source);
    for (int row = 0; row < m_contents->count() && !section.isEmpty(); ++row)
        if (m_contents->item(row)->data(Qt::UserRole).toString() == section)
            m_contents->item(row)->setSelected(true);
    // A chosen entry scrolls the page; the list taking the focus (which makes
    // its first entry current without choosing it) leaves the page at its title.
    connect(m_contents, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = m_contents->selectedItems();
        if (!chosen.isEmpty())
            m_page->scrollToAnchor(chosen.constFirst()->data(Qt::UserRole).toString());
    });
    m_page->setFocus();
    // The page lays itself out as the window shows; the section is found then.
    if (!section.isEmpty())
        QTimer::singleShot(0, m_page, [page = m_page, section] { page->scrollToAnchor(section); });

    auto* splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 740});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
}
