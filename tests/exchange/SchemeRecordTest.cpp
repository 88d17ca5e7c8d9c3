#include "exchange/SchemeRecord.h"

#include "store/DrawStore.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

namespace {

// One 直选 bet, 305.
SelectionScheme oneBet()
{
    SelectionScheme s;
    s.manual.digits1 = "3";
    s.manual.digits2 = "0";
    s.manual.digits3 = "5";
    return s;
}

class SchemeRecordTest : public ::testing::Test
{
protected:
    void SetUp() override { open("db1.mdb"); }

    void open(const QString& name)
    {
        store.reset();
        ASSERT_TRUE(DrawStore::createEmpty(dir.file(name)));
        store = std::make_unique<DrawStore>(dir.file(name));
        next[0] = next[1] = 0;
    }

    // Enters `numbers` as the next issues of `game`.
    void enter(Game game, const QStringList& numbers)
    {
        store->setGame(game);
        std::vector<DrawStore::NewDraw> draws;
        for (const QString& number : numbers)
            draws.push_back({QString::number(2025001 + next[int(game)]++), number});
        store->appendDraws(draws);
        store->setGame(Game::Fucai);
    }

    void save(Game game)
    {
        store->setGame(game);
        SelectionScheme s = oneBet();
        s.saved = markNow(*store);
        store->setGame(Game::Fucai);
        Schemes::save(dir.path(), "方案一", s);
    }

    TestDir dir;
    std::unique_ptr<DrawStore> store;
    int next[2] = {0, 0};
};

TEST_F(SchemeRecordTest, TheMarkIsKeptAndAnOldSchemeHasNone)
{
    enter(Game::Ticai, {"123", "456"});
    save(Game::Ticai);
    const SelectionScheme loaded = Schemes::load(dir.path(), "方案一");
    ASSERT_TRUE(loaded.saved);
    EXPECT_EQ(loaded.saved->game, Game::Ticai);
    EXPECT_EQ(loaded.saved->issue, "2025002");
    EXPECT_EQ(loaded.saved->date, QDate::currentDate());
    const QByteArray ini = dir.read("user/方案/方案一.ini");
    EXPECT_TRUE(ini.contains("2025002"));

    // Saved without a mark, as before marks were kept.
    Schemes::save(dir.path(), "旧方案", oneBet());
    const SelectionScheme old = Schemes::load(dir.path(), "旧方案");
    EXPECT_FALSE(old.saved);
    EXPECT_FALSE(schemeRecord(*store, old));
    EXPECT_EQ(SchemeRecordText::line(old, std::nullopt), "没有保存记录（旧方案，重新保存后开始记录）");

    // A mark that cannot be read refuses the scheme, naming the entry.
    QByteArray bad = ini;
    bad.replace(QDate::currentDate().toString("yyyy-MM-dd").toUtf8(), "2025-13-40");
    dir.write("user/方案/坏日期.ini", bad);
    try {
        Schemes::load(dir.path(), "坏日期");
        ADD_FAILURE() << "a bad date was read";
    } catch (const SchemeError& error) {
        EXPECT_TRUE(error.text().contains("2025-13-40")) << error.text().toStdString();
    }
}

// After every step the record counts exactly the draws of the scheme's game
// entered since it was last saved, and the hits among them.
TEST_F(SchemeRecordTest, RecordCountsOnlyTheDrawsAfterTheSave)
{
    struct Step
    {
        enum
        {
            Enter,
            Save
        } action;
        Game game;
        QStringList numbers;
    };
    using S = Step;
    const std::vector<std::vector<Step>> sequences = {
        {{S::Save, Game::Fucai, {}}, {S::Enter, Game::Fucai, {"305", "111"}}, {S::Enter, Game::Fucai, {"305"}}},
        {{S::Enter, Game::Fucai, {"305", "222"}},
         {S::Save, Game::Fucai, {}},
         {S::Enter, Game::Ticai, {"305", "305"}},
         {S::Enter, Game::Fucai, {"999"}},
         {S::Save, Game::Fucai, {}},
         {S::Enter, Game::Fucai, {"305"}}},
        {{S::Enter, Game::Ticai, {"000"}},
         {S::Save, Game::Ticai, {}},
         {S::Enter, Game::Fucai, {"305"}},
         {S::Enter, Game::Ticai, {"305", "123"}}},
    };
    for (size_t n = 0; n < sequences.size(); ++n) {
        open(QString("db%1.mdb").arg(n + 2));
        std::optional<Game> savedGame;
        int draws = 0, hits = 0;
        for (const Step& step : sequences[n]) {
            if (step.action == Step::Save) {
                save(step.game);
                savedGame = step.game;
                draws = hits = 0;
            } else {
                enter(step.game, step.numbers);
                if (savedGame == step.game) {
                    draws += int(step.numbers.size());
                    hits += int(step.numbers.count("305"));
                }
            }
            if (!savedGame)
                continue;
            const SelectionScheme scheme = Schemes::load(dir.path(), "方案一");
            const std::optional<SchemeRecord> record = schemeRecord(*store, scheme);
            ASSERT_TRUE(record) << n;
            EXPECT_EQ(record->summary.draws, draws) << n;
            EXPECT_EQ(record->summary.hits, hits) << n;
            EXPECT_EQ(record->summary.net(), hits * 1040 - draws * 2) << n;
            EXPECT_EQ(store->game(), Game::Fucai) << n; // the active game is left alone
            const QString line = SchemeRecordText::line(scheme, record);
            EXPECT_EQ(line.contains("还没有新的开奖"), draws == 0) << n << " " << line.toStdString();
        }
    }
}

TEST_F(SchemeRecordTest, RecordLineAndDrawsAfterADeletedMark)
{
    enter(Game::Fucai, {"111", "222"});
    save(Game::Fucai);
    enter(Game::Fucai, {"305", "111", "444"});
    const SelectionScheme scheme = Schemes::load(dir.path(), "方案一");
    const std::optional<SchemeRecord> record = schemeRecord(*store, scheme);
    ASSERT_TRUE(record);
    EXPECT_EQ(SchemeRecordText::listItem("方案一", scheme, record),
              QString("方案一　—　保存于 %1（3D 第2025002期后）：开奖 3 期，中奖 1 期，盈亏 1034 元，p值 0.0030，"
                      "好于随机（p<0.01）")
                  .arg(QDate::currentDate().toString("yyyy-MM-dd")));

    // The mark's own draw deleted: the draws after it still have the one before them.
    store->deleteIssue("2025002");
    const std::vector<BacktestDraw> after = drawsAfter(*store, "2025002");
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0].issue, "2025003");
    EXPECT_EQ(after[0].previousNumber, "111");
    EXPECT_EQ(after[2].previousNumber, "111");
    EXPECT_TRUE(drawsAfter(*store, "2025005").empty());
    EXPECT_EQ(drawsAfter(*store, "").size(), 4u); // saved on an empty history: every draw
}

} // namespace
