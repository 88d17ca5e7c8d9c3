#include "ui/main/About.h"

#include "ui/widgets/JpegImage.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrm_about::TFrm_about(const QString& dataFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName("Frm_about");
    setWindowTitle(QStringLiteral("关于Quorvane"));

    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    QFile file(":/splash.jpg");
    if (file.open(QIODevice::ReadOnly))
        picture->setPixmap(QPixmap::fromImage(decodeJpeg(file.readAll()))
                               .scaled(230, 164, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* product = new QLabel(QStringLiteral("Quorvane"), this);
    product->setObjectName("ProductName");
    QFont bigger = product->font();
    bigger.setPointSize(bigger.pointSize() + 6);
    bigger.setBold(true);
    product->setFont(bigger);
    auto* version = new QLabel(QStringLiteral("版本：" QUORVANE_VERSION), this);
    version->setObjectName("Version");
    auto* notice = new QLabel(QStringLiteral("本程序仅提供分析缩水平台，所有数据仅提供参考，请用户注意。"), this);
    notice->setObjectName("Comments");
    notice->setWordWrap(true);
    DataFolder = new QLabel(QStringLiteral("数据文件夹：") + QDir::toNativeSeparators(dataFolder), this);
    DataFolder->setObjectName("DataFolder");
    DataFolder->setWordWrap(true);
    DataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Button1 = new QPushButton(QStringLiteral("退出"), this);
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(version);
    text->addWidget(notice);
    text->addWidget(DataFolder);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    setFixedSize(520, 260);
}
