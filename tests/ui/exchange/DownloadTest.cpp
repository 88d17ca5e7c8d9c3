#include "exchange/ResultPage.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/exchange/PageServer.h"
#include "ui/exchange/DataUpdate.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QWebEnginePage>

namespace {

// The web engine shares its contexts; this must be set before the application exists.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

QByteArray gbkPage(const QString& body)
{
    return toGbk(QStringLiteral("<html><head><title>开奖公告</title></head><body>%1</body></html>").arg(body));
}

const QString kTwoEntries = QStringLiteral("<p>福彩3D 3D号码：08123期456 08124期789 以上为最新开奖</p>");

class DownloadTest : public MainWindowTest
{
protected:
    DownloadTest()
    {
        show();
        download = std::make_unique<TFrm_DataUpdate>(*window, *store, dialogs, Options::downloadListPath(dir.path()),
                                                     window.get());
        download->show();
        dialogs.clear();
    }
    ~DownloadTest() override { download.reset(); }

    template <typename T> T* part(const char* name) const
    {
        T* found = download->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QStringList log() const
    {
        QStringList lines;
        auto* list = part<QListWidget>("ListBox1");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    bool startEnabled() const { return part<QPushButton>("SpeedButton1")->isEnabled(); }
    void addresses(const QStringList& lines) { dir.write("user/DownUpdate.txt", toGbk(lines.join("\r\n") + "\r\n")); }
    void reshow()
    {
        download->hide();
        download->show();
        dialogs.clear();
    }
    // Starts the download and waits until its page has been read and processed.
    bool downloadAndWait(int timeoutMs = 30000)
    {
        QSignalSpy processed(download.get(), &TFrm_DataUpdate::pageProcessed);
        QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
        return processed.wait(timeoutMs);
    }

    std::unique_ptr<TFrm_DataUpdate> download;
};

// One web engine for the whole road: starting it is the slow part.
TEST_F(DownloadTest, DownloadsFromTheLocalServer)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    server.page("/3d", gbkPage(kTwoEntries));
    server.page("/3d-more", gbkPage("3D号码：08124期789 08125期111 "));
    server.page("/3d-two-byte", gbkPage("<pre>3D号码：08126期222  08127期333  </pre>"));
    server.page("/none", gbkPage("今日暂无开奖"));
    QString history;
    for (int i = 0; i < 2000; ++i)
        history += QStringLiteral("%1期%2 ")
                       .arg(10001 + i, 5, 10, QLatin1Char('0'))
                       .arg((i * 37) % 1000, 3, 10, QLatin1Char('0'));
    server.page("/3d-history", gbkPage("3D号码：" + history));
    server.hangingPage("/pl3-latest");
    addresses({server.url("/3d"), server.url("/pl3-latest"), server.url("/3d-history"), ""});

    // The two-entry page: both entered in page order, silently, five log lines after the analysing line.
    ASSERT_TRUE(downloadAndWait());
    EXPECT_EQ(log(), QStringList({TFrm_DataUpdate::kDownloading, TFrm_DataUpdate::kAnalysing, "3D期数:08123",
                                  "开奖号码:456", "3D期数:08124", "开奖号码:789", TFrm_DataUpdate::kUpdated}));
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kUpdated});
    EXPECT_EQ(store->issueList(), QStringList({"08123", "08124"}));
    EXPECT_EQ(store->oneIssue("08124")->allNumber, "789");
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "08125");
    EXPECT_EQ(gridIssues(), QStringList({"08123", "08124"}));
    EXPECT_TRUE(window->AnnounceEntry);
    EXPECT_TRUE(startEnabled());
    EXPECT_TRUE(download->isWaiting());

    // Further download events of the same page read nothing.
    const QStringList before = log();
    download->WebBrowser1DownloadComplete();
    download->WebBrowser1DownloadComplete();
    QTest::qWait(50);
    EXPECT_EQ(log(), before);
    EXPECT_EQ(dialogs.messages().size(), 1);

    // An issue already stored is skipped.
    reshow();
    addresses({server.url("/3d-more")});
    ASSERT_TRUE(downloadAndWait());
    EXPECT_EQ(log().mid(before.size() + 2), QStringList({"3D期数:08125", "开奖号码:111", TFrm_DataUpdate::kUpdated}));
    EXPECT_EQ(store->count(), 3);

    // Two-byte separators: the first entry only.
    reshow();
    addresses({server.url("/3d-two-byte")});
    ASSERT_TRUE(downloadAndWait());
    EXPECT_TRUE(store->issueExists("08126"));
    EXPECT_FALSE(store->issueExists("08127"));

    // No marker: nothing new, said so; found covers a whole showing.
    reshow();
    addresses({server.url("/none")});
    ASSERT_TRUE(downloadAndWait());
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kNothingNew});
    addresses({server.url("/3d-more")}); // both stored already
    ASSERT_TRUE(downloadAndWait());
    EXPECT_EQ(dialogs.messages().last(), TFrm_DataUpdate::kNothingNew);

    // The history page after its question: 2,000 draws, the grid showing the last.
    reshow();
    addresses({server.url("/3d"), server.url("/pl3-latest"), server.url("/3d-history"), ""});
    part<QRadioButton>("SeSkinRadioButton1")->setChecked(true);
    dialogs.answers = {true};
    ASSERT_TRUE(downloadAndWait(60000));
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::OkCancel), QStringList{TFrm_DataUpdate::kAskHistory});
    EXPECT_EQ(store->count(), 2004);
    EXPECT_EQ(gridIssues().last(), "12000");
    EXPECT_EQ(child<QComboBox>("ComboBox15")->currentText(), "12000");

    // The other game: its page never finishes, so the start stays disabled.
    reshow();
    store->setGame(Game::Ticai);
    part<QRadioButton>("SeSkinRadioButton2")->setChecked(true);
    QSignalSpy started(download->page(), &QWebEnginePage::loadStarted);
    QSignalSpy finished(download->page(), &QWebEnginePage::loadFinished);
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    ASSERT_TRUE(started.count() > 0 || started.wait(10000));
    EXPECT_FALSE(download->isWaiting());
    EXPECT_FALSE(finished.wait(500));
    EXPECT_FALSE(startEnabled());
    EXPECT_EQ(store->count(), 0);
}

TEST_F(DownloadTest, PageOfTheOtherGameEntersNothing)
{
    store->setGame(Game::Ticai);
    download->processPageText(kTwoEntries);
    EXPECT_EQ(store->count(), 0);
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kNothingNew});

    download->processPageText("排列三号码：08123期456 ");
    EXPECT_EQ(log(), QStringList({"排列3期数:08123", "开奖号码:456", TFrm_DataUpdate::kUpdated}));
}

TEST_F(DownloadTest, ReloadsTheGridOnceForAPage)
{
    seed(3, "08120");
    window->FormShow();
    QSignalSpy resets(child<QTableView>("DBGridEh1")->model(), &QAbstractItemModel::modelReset);
    download->processPageText("3D号码：08123期456 08124期789 08125期000 ");
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(gridIssues().mid(gridIssues().size() - 3), QStringList({"08123", "08124", "08125"}));
    EXPECT_EQ(window->statusPanelText(0), "您成功录入8125期数据信息！");
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "08126");
    EXPECT_EQ(store->oneIssue("08123")->sameToLast, deriveDrawRecord("08123", "456", "074").sameToLast);
    // Entry by hand still reloads at once.
    enter("08126", "111");
    EXPECT_EQ(resets.count(), 2);
}

TEST_F(DownloadTest, StopsBeforeLoadingOnCancelOrABadAddressList)
{
    addresses({"http://127.0.0.1:9/3d", "", "http://127.0.0.1:9/3d-history"});
    // Cancel on the history question loads nothing.
    part<QRadioButton>("SeSkinRadioButton1")->setChecked(true);
    dialogs.answers = {false};
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::OkCancel), QStringList{TFrm_DataUpdate::kAskHistory});
    EXPECT_EQ(download->page(), nullptr);
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(startEnabled());

    // An empty address is refused.
    store->setGame(Game::Ticai);
    part<QRadioButton>("SeSkinRadioButton2")->setChecked(true);
    dialogs.clear();
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kNoAddress});
    EXPECT_EQ(download->page(), nullptr);
    EXPECT_TRUE(startEnabled());

    // A missing address file is named in the error.
    QFile::remove(Options::downloadListPath(dir.path()));
    dialogs.clear();
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical)[0].contains("DownUpdate.txt"));
    EXPECT_EQ(download->page(), nullptr);
    EXPECT_TRUE(startEnabled());
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(DownloadTest, MenuShowsTheWindowWithItsCaption)
{
    window->setDownloadWindow(download.get());
    download->setWindowTitle("x");
    action("N41")->trigger();
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList{"最新开奖号码下载"});
}

} // namespace
