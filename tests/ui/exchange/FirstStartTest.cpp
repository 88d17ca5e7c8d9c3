#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/exchange/PageServer.h"
#include "tests/ui/exchange/SourcePages.h"
#include "ui/exchange/DataUpdate.h"
#include "exchange/PageLoader.h"
#include "exchange/PageText.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>

namespace {

class FirstStartTest : public MainWindowTest
{
protected:
    bool hintShown() const
    {
        return child<QStackedWidget>("GridArea")->currentWidget() == child<QWidget>("FirstStartHint");
    }
    void press(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
};

// The hint stands in for the grid exactly while the history is empty,
// whichever command fills or empties it.
TEST_F(FirstStartTest, HintShowsWhileTheHistoryIsEmpty)
{
    show();
    EXPECT_TRUE(hintShown());
    EXPECT_TRUE(child<QPushButton>("FirstStartDownload")->isVisible());

    // The import button runs the import command.
    dir.write("history.csv", "2025001 073\n2025002 456\n");
    dialogs.fileNames = {dir.file("history.csv")};
    press("FirstStartImport");
    EXPECT_EQ(store->count(), 2);
    EXPECT_FALSE(hintShown());
    EXPECT_TRUE(child<QTableView>("DBGridEh1")->isVisible());

    dialogs.answers = {true, true};
    action("N1")->trigger();  // a backup of the two draws
    action("N35")->trigger(); // 全部数据清空
    ASSERT_EQ(store->count(), 0);
    EXPECT_TRUE(hintShown());

    enter("2025003", "111");
    EXPECT_FALSE(hintShown());

    dialogs.answers = {true};
    action("N35")->trigger();
    EXPECT_TRUE(hintShown());
    dialogs.answers = {true};
    action("N12")->trigger(); // the restore brings the backup's draws back
    EXPECT_EQ(store->count(), 2);
    EXPECT_FALSE(hintShown());
}

TEST_F(FirstStartTest, StartsWithADrawAlreadyStoredShowsTheGrid)
{
    seed(1);
    show();
    EXPECT_FALSE(hintShown());
}

// The download button opens the download window on the history of the
// active game and starts it; the downloaded draws replace the hint.
TEST_F(FirstStartTest, DownloadButtonRunsTheHistoryDownload)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    server.page("/3d-history", gbkHtml(QStringLiteral("3D号码：25001期123 25002期456 ")));
    dir.write("user/DownUpdate.txt", toGbk("http://127.0.0.1:9/a\r\nhttp://127.0.0.1:9/b\r\n" +
                                           server.url("/3d-history") + "\r\nhttp://127.0.0.1:9/d\r\n"));
    show();
    TFrm_DataUpdate download(*window, *store, dialogs, Options::downloadListPath(dir.path()), window.get());
    download.loader().setWaits({100, 3000, 5000});
    window->setDownloadWindow(&download);
    dialogs.clear();
    dialogs.answers = {true}; // the history question

    QSignalSpy processed(&download, &TFrm_DataUpdate::pageProcessed);
    press("FirstStartDownload");
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList{"最新开奖号码下载"});
    ASSERT_TRUE(processed.wait(30000));
    EXPECT_TRUE(download.findChild<QRadioButton*>("SeSkinRadioButton1")->isChecked());
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::OkCancel), QStringList{TFrm_DataUpdate::kAskHistory});
    EXPECT_EQ(store->issueList(), QStringList({"25001", "25002"}));
    EXPECT_FALSE(hintShown());
}

} // namespace
