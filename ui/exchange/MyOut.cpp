#include "ui/exchange/MyOut.h"

#include "exchange/HistoryWorkbook.h"
#include "store/DrawStore.h"
#include "ui/widgets/CommandGuard.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/IssueListModel.h"
#include "ui/widgets/QuickRange.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QUrl>

const QString TFrm_Out::kEmptyRange = QStringLiteral("选择记录无数据！");
const QString TFrm_Out::kOpenFolder = QStringLiteral("打开文件夹");

QString TFrm_Out::nothingOpens(const QString& path)
{
    const QFileInfo file(path);
    return QStringLiteral("数据已导出至文件 %1，但没有找到能打开它的电子表格程序。\n文件所在的文件夹：%2")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

QString TFrm_Out::folderDoesNotOpen(const QString& folder)
{
    return QStringLiteral("无法打开文件夹：") + QDir::toNativeSeparators(folder);
}

TFrm_Out::TFrm_Out(DrawStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs), m_issues(new IssueListModel(this)),
      m_open([](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{
    setObjectName("Frm_Out");
    setWindowTitle(QStringLiteral("历史数据导出"));

    GroupBox1 = new QGroupBox(QStringLiteral("请选择导出期数"), this);
    GroupBox1->setObjectName("GroupBox1");
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setObjectName("ComboBox1");
    Label2 = new QLabel(QStringLiteral("至"), GroupBox1);
    Label2->setObjectName("Label2");
    ComboBox2 = new QComboBox(GroupBox1);
    ComboBox2->setObjectName("ComboBox2");
    for (QComboBox* box : {ComboBox1, ComboBox2}) {
        box->setMaxVisibleItems(20);
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    auto* range = new QHBoxLayout;
    range->addWidget(ComboBox1, 1);
    range->addWidget(Label2);
    range->addWidget(ComboBox2, 1);
    auto* quick = new QuickRange(ComboBox1, ComboBox2, GroupBox1);
    auto* rows = new QVBoxLayout(GroupBox1);
    rows->addLayout(range);
    rows->addWidget(quick, 0, Qt::AlignLeft);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确定"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消"), this);
    BitBtn2->setObjectName("BitBtn2");
    // OK closes the window whatever the export's outcome; Esc rejects as Cancel does.
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1Click();
        accept();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(347, 195);
}

void TFrm_Out::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(m_dialogs, this, [this] { FormShow(); });
}

void TFrm_Out::FormShow()
{
    // Both lists show one packed issue list: a long history stays light.
    auto issues = std::make_shared<const IssueList>(m_store.packedIssueList());
    m_issues->setSlice(issues, 0, issues->size());
    const int first = issues->indexOf(m_first), last = issues->indexOf(m_last);
    const bool known = first >= 0 && last >= 0;
    ComboBox1->setModel(m_issues);
    ComboBox2->setModel(m_issues);
    ComboBox1->setCurrentIndex(known ? first : issues->isEmpty() ? -1 : 0);
    ComboBox2->setCurrentIndex(known ? last : issues->isEmpty() ? -1 : 0);
}

void TFrm_Out::setRange(const QString& first, const QString& last)
{
    m_first = first;
    m_last = last;
}

void TFrm_Out::BitBtn1Click()
{
    runGuarded(m_dialogs, this, [this] {
        const QString first = ComboBox1->currentText();
        const QString last = ComboBox2->currentText();
        const std::vector<DrawRecord> draws = m_store.range(first, last);
        if (draws.empty()) {
            m_dialogs.message(this, kEmptyRange);
            return;
        }
        const QString path = HistoryWorkbook::exportPath(first, last);
        writeHistoryWorkbook(path, draws);
        if (m_open(path))
            return;
        // One message with the way to the file, rather than an error and then a note.
        const QString folder = QFileInfo(path).absolutePath();
        if (m_dialogs.offer(this, nothingOpens(path), kOpenFolder) && !m_open(folder))
            m_dialogs.message(this, folderDoesNotOpen(folder));
    });
}
