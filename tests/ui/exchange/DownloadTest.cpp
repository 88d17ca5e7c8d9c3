#include "exchange/ResultPage.h"
#include "tests/ui/MainWindowFixture.h"
#include "tests/ui/exchange/PageServer.h"
#include "tests/ui/exchange/SourcePages.h"
#include "ui/exchange/DataUpdate.h"
#include "exchange/PageLoader.h"
#include "exchange/PageText.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

QByteArray gbkPage(const QString& body)
{
    return gbkHtml(body);
}

// Short waits: a page is read again every 100 ms, draws must appear within
// 3 s (a script fills its table after 1 s), a page must load within 10 s
// (the engine's first start is slow on a busy machine); 2 s where a page is
// meant never to finish.
constexpr PageWaits kTestWaits{100, 3000, 10000};
constexpr PageWaits kHangingWaits{100, 3000, 2000};

const QString kTwoEntries = QStringLiteral("<p>福彩3D 3D号码：08123期456 08124期789 以上为最新开奖</p>");

class DownloadTest : public MainWindowTest
{
protected:
    DownloadTest()
    {
        show();
        download = std::make_unique<TFrm_DataUpdate>(*window, *store, dialogs, Options::downloadListPath(dir.path()),
                                                     window.get());
        download->loader().setWaits(kTestWaits);
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
    // The latest-draws line of `game`.
    void latest(Game game, const QString& line)
    {
        addresses(game == Game::Fucai ? QStringList{line} : QStringList{"http://127.0.0.1:9/3d", line});
    }
    void reshow()
    {
        download->hide();
        download->show();
        dialogs.clear();
    }
    // Starts the download and waits until its page has been read and processed.
    ::testing::AssertionResult downloadAndWait(int timeoutMs = 30000)
    {
        QSignalSpy processed(download.get(), &TFrm_DataUpdate::pageProcessed);
        QSignalSpy failed(download.get(), &TFrm_DataUpdate::downloadFailed);
        QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return !processed.isEmpty() || !failed.isEmpty(); }, timeoutMs))
            return ::testing::AssertionFailure() << "neither processed nor failed in time";
        if (processed.isEmpty())
            return ::testing::AssertionFailure() << dialogs.messages().join('\n').toStdString();
        return ::testing::AssertionSuccess();
    }
    // Starts the download and waits until it ends without a page to process.
    bool downloadAndFail(int timeoutMs = 30000)
    {
        QSignalSpy failed(download.get(), &TFrm_DataUpdate::downloadFailed);
        QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
        return failed.wait(timeoutMs);
    }
    // Downloads each source into an emptied history of its game and checks what is stored.
    void downloadSources(const std::vector<SourcePage>& sources)
    {
        for (const SourcePage& source : sources) {
            SCOPED_TRACE(source.name);
            reshow();
            store->setGame(source.game);
            store->deleteAll();
            latest(source.game, source.addresses);
            const int logged = log().size();
            const ::testing::AssertionResult downloaded = downloadAndWait();
            EXPECT_TRUE(downloaded);
            if (!downloaded)
                continue;
            EXPECT_EQ(store->issueList(), source.issues);
            EXPECT_EQ(store->oneIssue(source.issues.last())->allNumber, source.lastNumber);
            // Entered oldest first, each derived against the one before it.
            EXPECT_EQ(log().value(logged + 2).right(source.issues.first().size()), source.issues.first());
            EXPECT_EQ(log().contains(TFrm_DataUpdate::newDraws(int(source.issues.size()))), true);
            EXPECT_EQ(log().contains(TFrm_DataUpdate::missing(source.missing)), !source.missing.isEmpty());
            EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kUpdated});
            EXPECT_TRUE(startEnabled());
        }
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
    // Loads, then its script never lets the page answer again.
    server.page("/busy",
                gbkPage("今日暂无开奖<script>onload = function () { setTimeout(function () { for (;;) {} }, 0); };"
                        "</script>"));
    QString history;
    for (int i = 0; i < 2000; ++i) // 10001 to 15170: every day of six years
        history += QStringLiteral("%1%2期%3 ")
                       .arg(10 + i / 366, 2, 10, QLatin1Char('0'))
                       .arg(i % 366 + 1, 3, 10, QLatin1Char('0'))
                       .arg((i * 37) % 1000, 3, 10, QLatin1Char('0'));
    server.page("/3d-history", gbkPage("3D号码：" + history));
    server.hangingPage("/pl3-latest");
    addresses({server.url("/3d"), server.url("/pl3-latest"), server.url("/3d-history"), ""});

    // The two-entry page: both entered in issue order, silently, then the count of new draws.
    ASSERT_TRUE(downloadAndWait());
    EXPECT_EQ(log(),
              QStringList({TFrm_DataUpdate::kDownloading, TFrm_DataUpdate::kAnalysing, "3D期数:08123", "开奖号码:456",
                           "3D期数:08124", "开奖号码:789", TFrm_DataUpdate::newDraws(2), TFrm_DataUpdate::kUpdated}));
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kUpdated});
    EXPECT_EQ(part<QWidget>("downloadProgress")->toolTip(), "已打开：" + server.url("/3d")); // NavigateComplete2
    EXPECT_EQ(store->issueList(), QStringList({"08123", "08124"}));
    EXPECT_EQ(store->oneIssue("08124")->allNumber, "789");
    EXPECT_EQ(child<QLineEdit>("Edit3")->text(), "08125");
    EXPECT_EQ(gridIssues(), QStringList({"08123", "08124"}));
    EXPECT_TRUE(window->AnnounceEntry);
    EXPECT_TRUE(startEnabled());
    EXPECT_FALSE(download->isLoading());
    const QStringList before = log();

    // An issue already stored is skipped.
    reshow();
    addresses({server.url("/3d-more")});
    ASSERT_TRUE(downloadAndWait());
    EXPECT_EQ(log().mid(before.size() + 2),
              QStringList({"3D期数:08125", "开奖号码:111", TFrm_DataUpdate::newDraws(1), TFrm_DataUpdate::kUpdated}));
    EXPECT_EQ(store->count(), 3);

    // Two-byte separators: the first entry only.
    reshow();
    addresses({server.url("/3d-two-byte")});
    ASSERT_TRUE(downloadAndWait());
    EXPECT_TRUE(store->issueExists("08126"));
    EXPECT_FALSE(store->issueExists("08127"));

    // A page without draws is read until the wait ends, then named.
    reshow();
    addresses({server.url("/none")});
    ASSERT_TRUE(downloadAndFail());
    EXPECT_EQ(dialogs.messages(), QStringList{PageText::noDraws(server.url("/none"))});
    EXPECT_GT(server.requests(), 0);
    EXPECT_TRUE(startEnabled());
    // A page busy in its script ends within the waits all the same.
    addresses({server.url("/busy")});
    ASSERT_TRUE(downloadAndFail(20000));
    EXPECT_EQ(dialogs.messages().last(), PageText::noDraws(server.url("/busy")));
    EXPECT_TRUE(startEnabled());
    // Every draw stored already: nothing new, said so.
    addresses({server.url("/3d-more")});
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
    EXPECT_EQ(gridIssues().last(), "15170");
    EXPECT_EQ(child<QComboBox>("ComboBox15")->currentText(), "15170");

    // The other game: its page never finishes; given up with a message, the start enabled again.
    reshow();
    store->setGame(Game::Ticai);
    part<QRadioButton>("SeSkinRadioButton2")->setChecked(true);
    download->loader().setWaits(kHangingWaits);
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_FALSE(startEnabled());
    EXPECT_TRUE(download->isLoading());
    QSignalSpy failed(download.get(), &TFrm_DataUpdate::downloadFailed);
    ASSERT_TRUE(failed.wait(10000));
    EXPECT_EQ(dialogs.messages(), QStringList{PageText::timedOut(server.url("/pl3-latest"), 2)});
    EXPECT_EQ(log().last(), dialogs.messages().last());
    EXPECT_TRUE(startEnabled());
    EXPECT_EQ(store->count(), 0);
    // The next download after an abandoned one works as ever.
    download->loader().setWaits(kTestWaits);
    store->setGame(Game::Fucai);
    addresses({server.url("/3d-more")});
    ASSERT_TRUE(downloadAndWait());
    EXPECT_EQ(dialogs.messages().last(), TFrm_DataUpdate::kNothingNew);
}

// A page that keeps the download waiting: a busy bar and 取消, which ends the
// run at once, with nothing asked and nothing stored lost.
TEST_F(DownloadTest, CancelEndsAWaitingDownloadAndKeepsTheHistory)
{
    seed(3);
    PageServer server;
    ASSERT_TRUE(server.listening());
    server.hangingPage("/slow");
    addresses({server.url("/slow")});
    auto* progress = part<QWidget>("downloadProgress");
    auto* cancel = part<QPushButton>("cancelButton");
    EXPECT_FALSE(progress->isVisible() || cancel->isVisible());
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_TRUE(download->isLoading());
    EXPECT_TRUE(progress->isVisible() && cancel->isVisible());
    QSignalSpy ended(download.get(), &TFrm_DataUpdate::downloadFailed);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(download->isLoading());
    EXPECT_FALSE(progress->isVisible() || cancel->isVisible());
    EXPECT_TRUE(startEnabled());
    EXPECT_EQ(log().last(), TFrm_DataUpdate::kCancelled);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(store->count(), 3);
}

// Sources of today's shapes the marker-page reader and line reader already read.
TEST_F(DownloadTest, DownloadsPagesFilledByScriptAndQueriesNeedingTheSiteFirst)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    std::vector<SourcePage> sources;
    for (const SourcePage& source : serveSourcePages(server))
        if (!source.readsTablesAndJson)
            sources.push_back(source);

    // The query alone is refused (no cookie yet): named.
    const QString query = server.url("/site-query");
    latest(Game::Fucai, query);
    ASSERT_TRUE(downloadAndFail());
    EXPECT_EQ(dialogs.messages(), QStringList{PageText::notLoaded(query)});
    EXPECT_EQ(store->count(), 0);

    downloadSources(sources);
}

TEST_F(DownloadTest, DownloadsJsonQueriesAndTextHistories)
{
    PageServer server;
    ASSERT_TRUE(server.listening());
    std::vector<SourcePage> sources;
    for (const SourcePage& source : serveSourcePages(server))
        if (source.readsTablesAndJson)
            sources.push_back(source);
    downloadSources(sources);
}

// Entered at the history's width, in issue order, with the gap named.
TEST_F(DownloadTest, EntersAtTheHistoryWidthAndNamesGaps)
{
    seed(2, "2025058");
    window->FormShow();
    download->processPageText("3D号码：25064期111 25063期222 25060期333 ");
    EXPECT_EQ(store->issueList(), QStringList({"2025058", "2025059", "2025060", "2025063", "2025064"}));
    EXPECT_EQ(store->oneIssue("2025060")->sameToLast, deriveDrawRecord("2025060", "333", "037").sameToLast);
    EXPECT_EQ(log(), QStringList({"3D期数:2025060", "开奖号码:333", "3D期数:2025063", "开奖号码:222", "3D期数:2025064",
                                  "开奖号码:111", TFrm_DataUpdate::newDraws(3),
                                  TFrm_DataUpdate::missing({"2025061", "2025062"}), TFrm_DataUpdate::kUpdated}));
}

// An entry command that refuses every other draw, as the entry's checks
// would; the rest it stores.
class RefusingEntry : public EntryCommand
{
public:
    explicit RefusingEntry(DrawStore& store) : m_store(store) {}
    QString enterQuietly(const QString& issue, const QString& number) override
    {
        if (m_calls++ % 2 == 1)
            return QStringLiteral("不收");
        return enterDraw(m_store, issue, number).refusal;
    }

protected:
    void beginEntries() override {}
    void endEntries() override {}

private:
    DrawStore& m_store;
    int m_calls = 0;
};

// The count and the log say what was stored; each refusal is listed once
// and asks nothing of the user.
TEST_F(DownloadTest, CountsOnlyTheStoredDrawsAndListsEachRefusalOnce)
{
    RefusingEntry entry(*store);
    TFrm_DataUpdate refusing(entry, *store, dialogs, Options::downloadListPath(dir.path()));
    refusing.processPageText("3D号码：08123期456 08124期789 08125期111 ");
    EXPECT_EQ(store->issueList(), QStringList({"08123", "08125"}));
    QStringList lines;
    auto* list = refusing.findChild<QListWidget*>("ListBox1");
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    EXPECT_EQ(lines, QStringList({"3D期数:08123", "开奖号码:456", "3D期数:08124：不收", "3D期数:08125", "开奖号码:111",
                                  TFrm_DataUpdate::newDraws(2), TFrm_DataUpdate::missing({"08124"}),
                                  TFrm_DataUpdate::kUpdated}));
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kUpdated});
}

TEST_F(DownloadTest, PageOfTheOtherGameEntersNothing)
{
    store->setGame(Game::Ticai);
    download->processPageText(kTwoEntries);
    EXPECT_EQ(store->count(), 0);
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kNothingNew});

    download->processPageText("排列三号码：08123期456 ");
    EXPECT_EQ(log(), QStringList(
                         {"排列3期数:08123", "开奖号码:456", TFrm_DataUpdate::newDraws(1), TFrm_DataUpdate::kUpdated}));
}

TEST_F(DownloadTest, ReloadsTheGridOnceForAPage)
{
    for (const auto& [issue, number] : {std::pair{"08120", "000"}, {"08121", "037"}, {"08122", "074"}})
        ASSERT_TRUE(enterDraw(*store, issue, number).stored());
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
    EXPECT_EQ(download->loader().runs(), 0);
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(startEnabled());

    // A line whose second address names no page loads nothing.
    part<QRadioButton>("SeSkinRadioButton2")->setChecked(true);
    addresses({"http://127.0.0.1:9/3d not-a-page"});
    dialogs.clear();
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::badAddress("not-a-page")});
    EXPECT_EQ(download->loader().runs(), 0);
    addresses({"http://127.0.0.1:9/3d", "", "http://127.0.0.1:9/3d-history"});

    // An empty address is refused.
    store->setGame(Game::Ticai);
    part<QRadioButton>("SeSkinRadioButton2")->setChecked(true);
    dialogs.clear();
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_DataUpdate::kNoAddress});
    EXPECT_EQ(download->loader().runs(), 0);
    EXPECT_TRUE(startEnabled());

    // A missing address file is named in the error.
    QFile::remove(Options::downloadListPath(dir.path()));
    dialogs.clear();
    QTest::mouseClick(part<QPushButton>("SpeedButton1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.texts(FakeDialogs::Kind::Critical).size(), 1);
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical)[0].contains("DownUpdate.txt"));
    EXPECT_EQ(download->loader().runs(), 0);
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
