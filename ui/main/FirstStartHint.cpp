#include "ui/main/FirstStartHint.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// Broken by hand: a wrapped label in a stacked page is not given the height it needs.
const QString FirstStartHint::kText =
    QStringLiteral("还没有开奖数据。\n\n"
                   "可以从网上下载当前彩种的全部历史开奖号码，\n"
                   "或者导入已有的开奖数据文件（文本、CSV 或 Excel 文件）。\n"
                   "以后每期开奖后，在下面录入新的开奖号码，或用“开奖号码下载”更新。");

FirstStartHint::FirstStartHint(QWidget* parent)
    : QWidget(parent), m_text(new QLabel(kText, this)),
      m_download(new QPushButton(QStringLiteral("下载历史数据"), this)),
      m_import(new QPushButton(QStringLiteral("从文件导入..."), this))
{
    setObjectName("FirstStartHint");
    m_text->setObjectName("FirstStartText");
    m_download->setObjectName("FirstStartDownload");
    m_import->setObjectName("FirstStartImport");
    m_text->setAlignment(Qt::AlignCenter);
    m_download->setDefault(true);
    for (QPushButton* button : {m_download, m_import})
        button->setMinimumWidth(140);
    connect(m_download, &QPushButton::clicked, this, &FirstStartHint::downloadRequested);
    connect(m_import, &QPushButton::clicked, this, &FirstStartHint::importRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_download);
    buttons->addSpacing(16);
    buttons->addWidget(m_import);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(m_text, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch(2);
}
