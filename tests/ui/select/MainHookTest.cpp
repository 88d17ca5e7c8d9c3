#include "tests/ui/MainWindowFixture.h"
#include "ui/select/Print.h"
#include "ui/select/SelectHistory.h"

namespace {

using SelectOpeningTest = MainWindowTest;

TEST_F(SelectOpeningTest, EveryOpeningIsAFreshWindow)
{
    show();
    TFrm_Print print(dialogs);
    TFrm_SelectHistory history(*store, dialogs);
    window->setPrintWindow(&print);
    window->setSelectHistoryWindow(&history);
    dialogs.clear();
    dialogs.modalHandlers.push_back([](QDialog* select) {
        select->findChild<QLineEdit*>("Edit8")->setText("9");
        QTest::mouseClick(select->findChild<QWidget*>("SpeedButton15"), Qt::LeftButton);
        return 0;
    });
    dialogs.modalHandlers.push_back([](QDialog* select) {
        EXPECT_EQ(select->findChild<QLineEdit*>("Edit8")->text(), "5");
        EXPECT_EQ(select->findChild<QLineEdit*>("Edit1")->text(), "");
        // The long-lived print window is the one the export shows.
        QTest::mouseClick(select->findChild<QWidget*>("SpeedButton3"), Qt::LeftButton);
        QTest::mouseClick(select->findChild<QWidget*>("SpeedButton13"), Qt::LeftButton);
        return 0;
    });
    action("N8")->trigger();
    click("SpeedButton20");
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList({"辅助选择号码", "辅助选择号码", "打印投注"}));
    EXPECT_TRUE(dialogs.modalHandlers.empty());
}

} // namespace
