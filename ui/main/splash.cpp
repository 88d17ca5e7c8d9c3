#include "ui/main/splash.h"

#include "ui/main/Clock.h"
#include "ui/widgets/JpegImage.h"

#include <QFile>
#include <QLabel>

TFrm_Splash::TFrm_Splash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("Frm_Splash");
    setFixedSize(460, 327);
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 460, 327);
    Image1->setScaledContents(true);
    QFile picture(":/splash.jpg");
    if (picture.open(QIODevice::ReadOnly))
        Image1->setPixmap(QPixmap::fromImage(decodeJpeg(picture.readAll())));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 290, 428, 24);
    Label1->setStyleSheet("color: white; background: transparent;");
}

void TFrm_Splash::showEvent(QShowEvent* event)
{
    Label1->setText(QStringLiteral("现在时间是：") + clockText());
    QDialog::showEvent(event);
}
