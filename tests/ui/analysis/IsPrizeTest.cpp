#include "ui/analysis/IsPrize.h"

#include "core/ExpectedReturn.h"
#include "core/PrizeCheck.h"
#include "tests/ui/analysis/AnalysisFixture.h"

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

TEST_F(IsPrizeTest, SingleQueryChecksInputThenComparesPositionByPosition)
{
    seed({"555", "012"});
    open();
    setRange(*window, "ComboBox1", "02", "ComboBox2", "02");
    EXPECT_EQ(single(""), QStringList{PrizeText::kNoNumber});
    EXPECT_EQ(single("12"), QStringList{PrizeText::kBadNumber});
    EXPECT_EQ(single("012"), QStringList{"恭喜，您中奖了，奖金是：1040元"});
    EXPECT_EQ(single("210"), QStringList{"非常抱歉，这次未中奖，请继续努力！"});
    child<QComboBox>(*window, "SingleKind")->setCurrentText("组选");
    EXPECT_EQ(single("210"), QStringList{"恭喜，您中奖了，奖金是：173元"});
    EXPECT_EQ(batch("201\n555"), QStringList{"非常抱歉，这次未中奖，请继续努力！\n" +
                                             PrizeText::theoreticalReturn(expectedReturn(BetKind::Direct, 2))});
    child<QComboBox>(*window, "BatchKind")->setCurrentText("组选");
    EXPECT_TRUE(batch("201\n555").first().startsWith(PrizeText::batchGroupWon(0, 1) + "\n奖金合计：173元\n按组选计"));
    // The issue went away after the list was filled.
    store->deleteIssue("02");
    EXPECT_EQ(single("012"), QStringList{"您输入的数据有错，请确认数据库是否有该期号码！"});
}

TEST_F(IsPrizeTest, BatchQueryCountsWinsAndStopsAtABadLine)
{
    seed({"012"});
    open();
    EXPECT_EQ(batch(""), QStringList{"您还未输入查询号码，请输入v号码！"});
    EXPECT_EQ(batch("123\n012\n999"),
              QStringList{"恭喜，您有1注号码中了一等奖，请尽快去兑奖！\n奖金合计：1040元\n按直选计，所查 3 注的理论值："
                          "成本 6 元，下期中奖机会 0.3%，理论返还 3.12 元，理论返还率 52.0%"});
    EXPECT_EQ(batch("012\n012\n"), QStringList{PrizeText::batchWon(2) + "\n奖金合计：2080元\n" +
                                               PrizeText::theoreticalReturn(expectedReturn(BetKind::Direct, 2, 1))});
    EXPECT_EQ(batch("012\n12\n012"), QStringList{"您输入的第2行查询号码有误，请重新输入查询号码！"});
    EXPECT_EQ(batch("123\n\n456"), QStringList{PrizeText::badLine(2)});
    EXPECT_EQ(batch("1a2"), QStringList{PrizeText::badLine(1)});
    EXPECT_EQ(batch("210"),
              QStringList{PrizeText::kNoWin + '\n' + PrizeText::theoreticalReturn(expectedReturn(BetKind::Direct, 1))});
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
