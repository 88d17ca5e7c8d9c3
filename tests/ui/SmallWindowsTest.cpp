#include "ui/main/About.h"
#include "ui/main/splash.h"
#include "ui/widgets/JpegImage.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(SmallWindows, SplashShowsItsPictureAndTheTime)
{
    TFrm_Splash splash;
    splash.show();
    EXPECT_EQ(splash.size(), QSize(460, 327));
    EXPECT_FALSE(splash.Image1->pixmap().isNull());
    EXPECT_TRUE(splash.Label1->text().startsWith("现在时间是："));
}

TEST(SmallWindows, JpegDecoderReadsOursAndRefusesGarbage)
{
    QFile file(":/splash.jpg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QImage image = decodeJpeg(file.readAll());
    EXPECT_EQ(image.size(), QSize(460, 327));
    EXPECT_TRUE(decodeJpeg("not a picture").isNull());
    EXPECT_TRUE(decodeJpeg(QByteArray()).isNull());
}

TEST(SmallWindows, AboutNamesTheProductAndCloses)
{
    TFrm_about about("/home/someone/.local/share/quorvane");
    about.show();
    EXPECT_EQ(about.windowTitle(), "关于Quorvane");
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Quorvane"));
    EXPECT_TRUE(texts.contains("版本：1.9"));
    EXPECT_TRUE(texts.contains("本程序仅提供分析缩水平台，所有数据仅提供参考，请用户注意。"));
    EXPECT_TRUE(texts.contains("数据文件夹：/home/someone/.local/share/quorvane"));
    QTest::mouseClick(about.Button1, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
