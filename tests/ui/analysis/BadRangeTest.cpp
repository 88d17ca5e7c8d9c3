// Hostile texts as issue-range bounds of the analysis windows: typed into an
// editable box, a bound is only text to compare with, so a range of a hostile
// text shows exactly what a range of an issue not stored shows; stored as an
// issue, it is selected like any other. Nothing is written, nothing fails.
#include "core/ExpectedReturn.h"
#include "core/PrizeCheck.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/Paste.h"
#include "tests/ui/analysis/AnalysisFixture.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/FrequencyBars.h"
#include "ui/analysis/IsPrize.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/ObservedExpectedChart.h"
#include "ui/analysis/RandomnessWindow.h"
#include "ui/analysis/Trend.h"
#include "ui/analysis/TrendChart.h"

#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

class BadRangeTest : public AnalysisWindowTest, public ::testing::WithParamInterface<HostileText>
{
protected:
    const QString& hostile() const { return GetParam().text; }

    // Everything a window shows after a run over [first, last], as text.
    using Snapshot = std::function<QStringList(const QString& first, const QString& last)>;

    // The hostile range shows what a range of an issue not stored shows.
    void expectLikeAnUnstoredIssue(const Snapshot& run)
    {
        const std::vector<DrawRecord> before = store->allRecords();
        dialogs.clear();
        const QStringList shown = run(hostile(), hostile());
        const QStringList said = dialogs.messages();
        dialogs.clear();
        EXPECT_EQ(shown, run("99", "99"));
        EXPECT_EQ(said, dialogs.messages());
        EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
        EXPECT_TRUE(store->allRecords() == before);
    }

    static QStringList flat(const QList<QStringList>& rows)
    {
        QStringList all;
        for (const QStringList& row : rows)
            all << row.join('|');
        return all;
    }
    static QStringList pointsOf(const TrendChart* chart)
    {
        QStringList all{chart->title()};
        for (const QPointF& p : chart->series()->points())
            all << QString::number(p.y());
        return all;
    }
};

// Texts stored as issues (the empty text is no issue).
class StoredBadRangeTest : public BadRangeTest
{
};

TEST_P(BadRangeTest, StatisticsOfATypedRange)
{
    seed({"123", "456", "123", "789", "000"});
    TFrm_DataCount window(*store, dialogs);
    window.show();
    for (const char* radio : {"SeSkinRadioButton5", "SeSkinRadioButton6", "SeSkinRadioButton7", "SeSkinRadioButton8",
                              "SeSkinRadioButton9", "SeSkinRadioButton4"}) {
        SCOPED_TRACE(radio);
        child<QRadioButton>(window, radio)->setChecked(true);
        expectLikeAnUnstoredIssue([&](const QString& first, const QString& last) {
            setRange(window, "SeSkinComboBox1", first, "SeSkinComboBox2", last);
            click(window, "SeSkinButton1");
            QStringList shown = flat(cells(window, "Grid1"));
            const QBarSet* bars = child<FrequencyBars>(window, "DBChart1")->bars();
            for (int i = 0; i < bars->count(); ++i)
                shown << QString::number(bars->at(i));
            return shown;
        });
    }
}

TEST_P(BadRangeTest, TrendOfATypedRange)
{
    seed({"123", "480", "555"});
    TFrm_Trend window(*store, dialogs);
    window.show();
    for (const char* radio : {"SeSkinRadioButton1", "SeSkinRadioButton2", "SeSkinRadioButton6"}) {
        SCOPED_TRACE(radio);
        click(window, radio);
        expectLikeAnUnstoredIssue([&](const QString& first, const QString& last) {
            setRange(window, "SeSkinComboBox1", first, "SeSkinComboBox2", last);
            click(window, "SeSkinButton1");
            QStringList shown;
            for (const char* chart : {"Chart1", "Chart2", "Chart3", "Chart4"})
                shown << pointsOf(child<TrendChart>(window, chart));
            return shown;
        });
    }
}

TEST_P(BadRangeTest, OmissionOfATypedRange)
{
    seed({"123", "456", "123"});
    TFrm_LanqiuYilou window(*store, dialogs, showCountSource);
    window.show();
    expectLikeAnUnstoredIssue([&](const QString& first, const QString& last) {
        setRange(window, "cmb1", first, "cmb2", last);
        click(window, "SeSkinButton1");
        return flat(cells(window, "SeSkinStringGrid1")) << child<QLabel>(window, "Label3")->text();
    });
}

TEST_P(BadRangeTest, RandomnessOfATypedRange)
{
    seed({"123", "456", "123", "789"});
    RandomnessWindow window(*store, dialogs);
    window.show();
    expectLikeAnUnstoredIssue([&](const QString& first, const QString& last) {
        setRange(window, "startIssueBox", first, "endIssueBox", last);
        click(window, "runButton");
        QStringList shown = flat(cells(window, "resultTable")) << child<QLabel>(window, "drawsLabel")->text();
        for (const char* chart : {"hundredsChart", "tensChart", "unitsChart", "sumChart"})
            for (const QBarSet* set : {child<ObservedExpectedChart>(window, chart)->observed(),
                                       child<ObservedExpectedChart>(window, chart)->expected()})
                for (int i = 0; i < set->count(); ++i)
                    shown << QString::number(set->at(i));
        return shown;
    });
}

// Lists that offer only stored issues can still offer a hostile one, from a
// database filled elsewhere: it selects its own draw and nothing else.
TEST_P(StoredBadRangeTest, StoredIssueInTheAnalysisAndPrizeCheckLists)
{
    seed({"123", "456"});
    store->append(deriveDrawRecord(hostile(), "789", QString()));
    const std::vector<DrawRecord> before = store->allRecords();
    showCount = "0"; // the ranges start at the first issue

    TFrm_DataAnalyse analyse(*store, dialogs, showCountSource);
    analyse.show();
    setRange(analyse, "ComboBox1", hostile(), "ComboBox2", hostile());
    click(analyse, "SpeedButton1");
    const QList<QStringList> rows = cells(analyse, "StringGrid1");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0][0] == hostile());
    EXPECT_EQ(rows[0][1], "789");

    TFrm_IsPrize prize(*store, dialogs);
    prize.show();
    setRange(prize, "ComboBox1", hostile(), "ComboBox2", hostile());
    dialogs.clear();
    child<QLineEdit>(prize, "Edit4")->setText("789");
    click(prize, "BitBtn10");
    child<QPlainTextEdit>(prize, "Memo1")->setPlainText("789\n123");
    click(prize, "SeSkinButton1");
    EXPECT_EQ(dialogs.messages(), QStringList({PrizeText::won(TicketWin::Direct, 1040)}));
    EXPECT_EQ(child<QLabel>(prize, "resultSummary")->text(),
              QStringList({PrizeText::batchWon(1), PrizeText::totalPrize(1040),
                           PrizeText::theoreticalReturn(expectedReturn(BetKind::Direct, 2))})
                  .join('\n'));
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
    EXPECT_TRUE(store->allRecords() == before);
}

// The prize check's boxes: the number box takes pasted text the key filter
// never sees, and the list takes anything; neither is checked as a bet.
TEST_P(BadRangeTest, PrizeCheckRefusesTextThatIsNoBet)
{
    seed({"123"});
    TFrm_IsPrize window(*store, dialogs);
    window.show();
    setRange(window, "ComboBox1", "01", "ComboBox2", "01");

    auto* number = child<QLineEdit>(window, "Edit4");
    paste(number, hostile());
    const QString pasted = number->text();
    dialogs.clear();
    click(window, "BitBtn10");
    // Three characters of the paste stay, as of typing: "08123'" leaves a bet, 081.
    EXPECT_EQ(dialogs.messages(), QStringList{pasted.isEmpty()       ? PrizeText::kNoNumber
                                              : isDrawNumber(pasted) ? PrizeText::kNoWin
                                                                     : PrizeText::kBadNumber});

    dialogs.clear();
    auto* memo = child<QPlainTextEdit>(window, "Memo1");
    memo->setPlainText(hostile());
    click(window, "SeSkinButton1");
    // A line that is no ticket is quoted under the table; nothing is checked
    // unless some line is a ticket.
    const PrizeReport report = checkTicketList(memo->toPlainText(), 123, TicketKind::Direct);
    const bool blank = memo->toPlainText().trimmed().isEmpty();
    QStringList expected;
    if (blank)
        expected << PrizeText::kNoBets;
    else if (report.tickets.empty())
        expected << PrizeText::kNoTickets;
    EXPECT_EQ(dialogs.messages(), expected);
    if (!blank) {
        EXPECT_TRUE(child<QLabel>(window, "resultSummary")->text() == PrizeText::summary(report).join('\n'));
        EXPECT_EQ(child<QTableView>(window, "resultGrid")->model()->rowCount(), int(report.tickets.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, BadRangeTest, ::testing::ValuesIn(hostileTexts()), HostileTextName());
INSTANTIATE_TEST_SUITE_P(Texts, StoredBadRangeTest, ::testing::ValuesIn(hostileIssues()), HostileTextName());

} // namespace
