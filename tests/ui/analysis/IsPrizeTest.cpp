#include "ui/analysis/IsPrize.h"

#include "core/ExpectedReturn.h"
#include "core/PrizeCheck.h"
#include "exchange/IniFile.h"
#include "exchange/OptionsFile.h"
#include "tests/ui/analysis/AnalysisFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {

class IsPrizeTest : public AnalysisWindowTest
{
protected:
    TFrm_IsPrize& open()
    {
        window = std::make_unique<TFrm_IsPrize>(*store, dialogs);
        window->show();
        return *window;
    }
    QStringList single(const QString& bet)
    {
        dialogs.clear();
        child<QLineEdit>(*window, "Edit4")->setText(bet);
        click(*window, "BitBtn10");
        return dialogs.messages();
    }
    QStringList batch(const QString& text)
    {
        dialogs.clear();
        child<QPlainTextEdit>(*window, "Memo1")->setPlainText(text);
        click(*window, "SeSkinButton1");
        return dialogs.messages();
    }
    // The session's size: a window of that size closes.
    void keptSize(QSize size)
    {
        TFrm_IsPrize sized(*store, dialogs);
        sized.resize(size);
    }
    std::unique_ptr<TFrm_IsPrize> window;
};

TEST_F(IsPrizeTest, BothTabsStartAtTheLatestIssueAndAsDirectTickets)
{
    seedCount(50);
    open();
    for (const char* box : {"ComboBox1", "ComboBox2"})
        EXPECT_EQ(child<QComboBox>(*window, box)->currentIndex(), 49) << box;
    for (const char* box : {"SingleKind", "BatchKind"})
        EXPECT_EQ(child<QComboBox>(*window, box)->currentText(), "直选") << box;
    EXPECT_EQ(child<QTabWidget>(*window, "SeSkinPageControl1")->currentIndex(), 0);
}

TEST_F(IsPrizeTest, SingleQueryChecksInputThenNamesTheKindOfWin)
{
    seed({"555", "012", "112", "444"});
    open();
    setRange(*window, "ComboBox1", "02", "ComboBox2", "02");
    EXPECT_EQ(single(""), QStringList{PrizeText::kNoNumber});
    EXPECT_EQ(single("12"), QStringList{PrizeText::kBadNumber});
    EXPECT_EQ(single("012"), QStringList{"恭喜，您中奖了，直选，奖金是：1040元"});
    EXPECT_EQ(single("210"), QStringList{"非常抱歉，这次未中奖，请继续努力！"});
    child<QComboBox>(*window, "SingleKind")->setCurrentText("组选");
    EXPECT_EQ(single("210"), QStringList{"恭喜，您中奖了，组选6，奖金是：173元"});
    setRange(*window, "ComboBox1", "03", "ComboBox2", "03");
    EXPECT_EQ(single("211"), QStringList{"恭喜，您中奖了，组选3，奖金是：346元"});
    // 组选 never covers a 豹子, which the answer says.
    setRange(*window, "ComboBox1", "04", "ComboBox2", "04");
    EXPECT_EQ(single("444"), QStringList{PrizeText::kGroupNoLeopard});
    // The issue went away after the list was filled.
    store->deleteIssue("02");
    setRange(*window, "ComboBox1", "02", "ComboBox2", "02");
    EXPECT_EQ(single("012"), QStringList{"您输入的数据有错，请确认数据库是否有该期号码！"});
}

// Lists in every shape against 012: the table holds each ticket's line,
// ticket, 玩法, win and prize; bad lines and the totals are under it.
TEST_F(IsPrizeTest, BatchQueryFillsATableLineByLine)
{
    seed({"012"});
    open();
    const struct
    {
        const char* kind;
        QString text;
        QList<QStringList> rows;
        QStringList messages;
    } cases[] = {
        {"直选", "", {}, {"您还未输入查询号码，请输入号码！"}},
        {"直选", "\n  \n", {}, {PrizeText::kNoBets}},
        {"直选",
         "123\n\n0 1 2\n12\n1=012=3\r\n 0,1,2 ",
         {{"1", "123", "直选", "未中奖", "0"},
          {"3", "012", "直选", "直选", "1040"},
          {"5", "012", "直选", "直选", "1040"},
          {"6", "012", "直选", "直选", "1040"}},
         {}},
        {"组选",
         "210\n112\n444",
         {{"1", "210", "组选6", "组选6", "173"},
          {"2", "112", "组选3", "未中奖", "0"},
          {"3", "444", "组选", "组选不含豹子", "0"}},
         {}},
        {"直选", "abc\n12", {}, {PrizeText::kNoTickets}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        child<QComboBox>(*window, "BatchKind")->setCurrentText(c.kind);
        EXPECT_EQ(batch(c.text), c.messages);
        if (!c.text.trimmed().isEmpty()) {
            EXPECT_EQ(cells(*window, "resultGrid"), c.rows);
        }
    }
    // The last list: both bad lines named under an empty table.
    EXPECT_EQ(child<QLabel>(*window, "resultSummary")->text(), "2行不是号码，未查询：第1行“abc”；第2行“12”");
    child<QComboBox>(*window, "BatchKind")->setCurrentText("直选");
    batch("012\nx\n999");
    EXPECT_EQ(child<QLabel>(*window, "resultSummary")->text(),
              QStringList({"1行不是号码，未查询：第2行“x”", PrizeText::batchWon(1), PrizeText::totalPrize(1040),
                           PrizeText::theoreticalReturn(expectedReturn(BetKind::Direct, 2))})
                  .join('\n'));
}

// The window grows and shrinks, and opens again at the size it had: kept in
// the data folder when it is given one, else for the session.
TEST_F(IsPrizeTest, WindowIsResizableAndKeepsItsSize)
{
    open();
    EXPECT_NE(window->minimumSize(), window->maximumSize());
    window->resize(720, 530);
    window.reset();
    open();
    EXPECT_EQ(window->size(), QSize(720, 530));

    const QString ini = Options::windowPath(dir.path());
    const struct
    {
        const char* kept; // as written in the file, null: no key
        QSize opened;
    } cases[] = {{nullptr, {720, 530}}, {"800,600", {800, 600}}, {"x,600", {720, 530}},
                 {"99999,600", {720, 530}}, {"10,10", {360, 300}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kept ? c.kept : "none");
        window.reset();
        QFile::remove(ini);
        if (c.kept) {
            QDir().mkpath(QFileInfo(ini).path());
            IniFile(ini).writeString("中奖查询", "大小", c.kept);
        }
        keptSize(QSize(720, 530));
        window = std::make_unique<TFrm_IsPrize>(*store, dialogs);
        window->keepSizeIn(dir.path());
        EXPECT_EQ(window->size(), c.opened);
    }
    window->resize(640, 480);
    window.reset();
    EXPECT_EQ(IniFile(ini).readString("中奖查询", "大小", {}), "640,480");
}

// A list handed over by another window is checked at once against the
// latest draw, as tickets of the kind it was made for.
TEST_F(IsPrizeTest, AListHandedOverIsCheckedAsTheWindowShows)
{
    seed({"555", "012"});
    window = std::make_unique<TFrm_IsPrize>(*store, dialogs);
    window->setBetList("1=210=3\n2=555=15", TicketKind::Group);
    window->show();
    EXPECT_EQ(child<QTabWidget>(*window, "SeSkinPageControl1")->currentIndex(), 1);
    EXPECT_EQ(child<QComboBox>(*window, "BatchKind")->currentText(), "组选");
    EXPECT_EQ(cells(*window, "resultGrid"),
              QList<QStringList>({{"1", "210", "组选6", "组选6", "173"}, {"2", "555", "组选", "组选不含豹子", "0"}}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(IsPrizeTest, EmptyHistoryAsksForTheIssueInBothTabs)
{
    open();
    EXPECT_EQ(child<QComboBox>(*window, "ComboBox1")->count(), 0);
    EXPECT_EQ(single("123"), QStringList{"请输入彩票期数！"});
    EXPECT_EQ(batch("123"), QStringList{"请输入彩票期数！"});
}

TEST_F(IsPrizeTest, NumberBoxDropsLettersAndDotsAndHoldsThreeCharacters)
{
    open();
    auto* edit = child<QLineEdit>(*window, "Edit4");
    QTest::keyClicks(edit, "1a.Z2-9");
    EXPECT_EQ(edit->text(), "12-");
    EXPECT_FALSE(TFrm_IsPrize::Edit4KeyPress("5"));
    EXPECT_TRUE(TFrm_IsPrize::Edit4KeyPress("q"));
}

} // namespace
