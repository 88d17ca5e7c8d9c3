#include "ui/select/BacktestWindow.h"

#include "exchange/CsvFile.h"
#include "exchange/SchemeFile.h"
#include "tests/ui/select/SelectFixture.h"
#include "ui/widgets/ColourScheme.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>

namespace {

using BacktestWindowTest = SelectTest;

// The chart's points of the series named `name`, as "x:y".
QAbstractSeries* chartSeries(QDialog* dialog, const QString& name)
{
    for (QAbstractSeries* series : dialog->findChild<QChartView*>("netChart")->chart()->series())
        if (series->objectName() == name)
            return series;
    ADD_FAILURE() << "no series " << name.toStdString();
    return nullptr;
}

QStringList chartPoints(QDialog* dialog, const QString& name)
{
    QStringList points;
    if (auto* series = static_cast<QLineSeries*>(chartSeries(dialog, name)))
        for (const QPointF& p : series->points())
            points << QString("%1:%2").arg(p.x()).arg(p.y());
    return points;
}

TEST_F(BacktestWindowTest, RunsTheSelectionOnTheLatestDrawsAndExports)
{
    const QStringList numbers{"111", "305", "917", "305", "222"};
    for (int i = 0; i < numbers.size(); ++i)
        addDraw(QString::number(2025001 + i), numbers[i]);
    pick(0, "3");
    pick(1, "0");
    pick(2, "5");
    const QString csv = dir.file("回测");
    dialogs.fileNames.push_back(csv);
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        QAbstractItemModel* table = dialog->findChild<QTableView*>("resultTable")->model();
        const auto cell = [table](int row, int column) { return table->index(row, column).data().toString(); };
        // Fewer draws stored than the 100 asked: all five are tried.
        EXPECT_EQ(table->rowCount(), 5);
        EXPECT_EQ(cell(1, 0), "2025002");
        EXPECT_EQ(cell(1, 3), "中");
        // A hit row is in the scheme's alert colour, the others in the table's own.
        EXPECT_EQ(table->index(1, 6).data(Qt::ForegroundRole).value<QColor>(), schemeColours().alertText);
        EXPECT_FALSE(table->index(0, 6).data(Qt::ForegroundRole).isValid());
        EXPECT_EQ(dialog->findChild<QLabel*>("summaryLabel")->text(),
                  "回测 5 期：中奖 2 期，中奖率 40.0%；共 5 注，投入 10 元，奖金 2080 元，盈亏 2070 元，回报率 "
                  "20800.0%（理论返还率 52.0%）。（历史数据只有 5 期。）");
        // One 直选 bet a draw: 2 元 out, 1040 × 1/1000 back on average.
        EXPECT_EQ(chartPoints(dialog, "netSeries"), QStringList({"1:-2", "2:1036", "3:1034", "4:2072", "5:2070"}));
        EXPECT_EQ(chartPoints(dialog, "expectedNetSeries"),
                  QStringList({"1:-0.96", "2:-1.92", "3:-2.88", "4:-3.84", "5:-4.8"}));
        EXPECT_EQ(static_cast<QLineSeries*>(chartSeries(dialog, "expectedNetSeries"))->pen().style(), Qt::DashLine);

        dialog->findChild<QSpinBox*>("drawCountBox")->setValue(2);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("runButton"), Qt::LeftButton);
        EXPECT_EQ(table->rowCount(), 2);
        EXPECT_EQ(cell(0, 0), "2025004");
        EXPECT_EQ(chartPoints(dialog, "expectedNetSeries"), QStringList({"1:-0.96", "2:-1.92"}));
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("exportButton"), Qt::LeftButton);
        return int(QDialog::Accepted);
    });
    click("backtestButton");
    EXPECT_TRUE(dialogs.modalHandlers.empty());
    const QList<QStringList> rows = readCsv(csv + ".csv");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], BacktestWindow::csvTitles());
    // Then chance's columns: expected hits and net so far, the net's 5%-95% band.
    EXPECT_EQ(rows[1],
              (QStringList{"2025004", "305", "1", "中", "2", "1040", "1038", "0.0010", "-0.96", "-2.00", "53.11"}));
    EXPECT_EQ(rows[2], (QStringList{"2025005", "222", "1", "", "2", "0", "1036", "0.0020", "-1.92", "-4.00", "74.54"}));
}

// Hit rows are in the alert colour of the scheme in force, whatever was
// switched and run before: runs and switches in sequences, checked after each step.
TEST_F(BacktestWindowTest, HitRowsFollowEverySchemeSwitch)
{
    const QStringList numbers{"111", "305", "917", "305", "222"};
    for (int i = 0; i < numbers.size(); ++i)
        addDraw(QString::number(2025001 + i), numbers[i]);
    pick(0, "3"), pick(1, "0"), pick(2, "5");
    const auto light = qScopeGuard([] { applyColourScheme(SchemeChoice::Light); });
    enum Step { Run, Dark, Light, ShortRun };
    const std::vector<std::vector<Step>> sequences = {
        {Run, Dark, Light},
        {Dark, Run, Light, Run},
        {Run, Dark, ShortRun, Light, Run, Dark},
    };
    for (size_t n = 0; n < sequences.size(); ++n) {
        dialogs.modalHandlers.push_back([&sequence = sequences[n], n](QDialog* dialog) {
            QAbstractItemModel* table = dialog->findChild<QTableView*>("resultTable")->model();
            int step = 0;
            for (Step s : sequence) {
                if (s == Dark || s == Light)
                    applyColourScheme(s == Dark ? SchemeChoice::Dark : SchemeChoice::Light);
                if (s == Run || s == ShortRun) {
                    dialog->findChild<QSpinBox*>("drawCountBox")->setValue(s == Run ? 100 : 2);
                    QTest::mouseClick(dialog->findChild<QAbstractButton*>("runButton"), Qt::LeftButton);
                }
                for (int row = 0; row < table->rowCount(); ++row) {
                    const bool hit = table->index(row, 3).data().toString() == "中";
                    const QVariant ink = table->index(row, 0).data(Qt::ForegroundRole);
                    EXPECT_EQ(ink.isValid() ? ink.value<QColor>() : QColor(),
                              hit ? schemeColours().alertText : QColor())
                        << "sequence " << n << ", step " << step << ", row " << row;
                }
                ++step;
            }
            return int(QDialog::Accepted);
        });
        applyColourScheme(SchemeChoice::Light);
        click("backtestButton");
    }
    EXPECT_TRUE(dialogs.modalHandlers.empty());
}

TEST_F(BacktestWindowTest, TheoryFollowsTheBetKind)
{
    addDraw("2025001", "111");
    addDraw("2025002", "503");
    addDraw("2025003", "222");
    pick(0, "3"), pick(1, "0"), pick(2, "5");
    click("RadioButton3"); // one 组选6 bet, 035
    dialogs.clear();
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QLabel*>("summaryLabel")->text(),
                  "回测 3 期：中奖 1 期，中奖率 33.3%；共 3 注，投入 6 元，奖金 173 元，盈亏 167 元，回报率 "
                  "2883.3%（理论返还率 51.9%）。（历史数据只有 3 期。）");
        // 173 × 6/1000 back for 2 元 a draw.
        EXPECT_EQ(chartPoints(dialog, "expectedNetSeries"), QStringList({"1:-0.962", "2:-1.924", "3:-2.886"}));
        return int(QDialog::Accepted);
    });
    click("backtestButton");
    EXPECT_TRUE(dialogs.modalHandlers.empty());
}

// The result beside chance: the lines under the summary, their tooltip and
// the band around the expected net.
TEST_F(BacktestWindowTest, ShowsTheResultBesideChance)
{
    for (int i = 0; i < 20; ++i)
        addDraw(QString::number(2025001 + i), i % 4 ? "111" : "305");
    pick(0, "3"), pick(1, "0"), pick(2, "5");
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        auto* chance = dialog->findChild<QLabel*>("chanceLabel");
        EXPECT_EQ(chance->text(), "纯随机平均中奖 0.02 期（90% 的情况在 0–0 期之间）；本方案中奖 5 期，p值（≥5 "
                                  "期）<0.0001：好于随机（p<0.01）。\n"
                                  "纯随机平均盈亏 -19.2 元（90% 的情况在 -40–-40 元之间）；本方案盈亏 5160 "
                                  "元，p值（≥5160 元）<0.0001：好于随机（p<0.01）。");
        EXPECT_EQ(chance->toolTip(), ChanceText::kPValueTip);
        EXPECT_FALSE(dialog->findChild<QLabel*>("triesLabel")->isVisibleTo(dialog)); // one try so far
        EXPECT_FALSE(dialog->findChild<QCheckBox*>("sinceSavedBox")->isEnabled());   // no scheme saved
        auto* band = static_cast<QAreaSeries*>(chartSeries(dialog, "chanceBandSeries"));
        EXPECT_EQ(band->upperSeries()->count(), 20);
        EXPECT_EQ(band->lowerSeries()->count(), 20);
        EXPECT_LT(band->lowerSeries()->at(19).y(), -19.2);
        EXPECT_GT(band->upperSeries()->at(19).y(), -19.2);
        return int(QDialog::Accepted);
    });
    click("backtestButton");
    EXPECT_TRUE(dialogs.modalHandlers.empty());
}

// Every distinct selection backtested since the selection window opened
// counts once; from the second on, the window says how likely a false alarm is.
TEST_F(BacktestWindowTest, CountsTheSelectionsTried)
{
    addDraw("2025001", "111");
    addDraw("2025002", "305");
    pick(0, "3"), pick(1, "0"), pick(2, "5");
    struct Try
    {
        QString change; // a control clicked before the backtest
        QString note;   // what the tries label says
    };
    const Try tries[] = {
        {"", ""},
        {"", ""}, // the same selection again
        {"RadioButton3", "本次已回测 2 组不同条件"},
        {"RadioButton1", "本次已回测 2 组不同条件"},
        {panelName(0, 4), "本次已回测 3 组不同条件：即使每组都毫无本事，至少一组碰巧显得“好于随机”的机会也有 3.0%。"}};
    for (const Try& t : tries) {
        if (!t.change.isEmpty())
            click(t.change);
        QString note;
        dialogs.modalHandlers.push_back([&note](QDialog* dialog) {
            auto* label = dialog->findChild<QLabel*>("triesLabel");
            note = label->isVisibleTo(dialog) ? label->text() : QString();
            return int(QDialog::Accepted);
        });
        click("backtestButton");
        EXPECT_TRUE(t.note.isEmpty() ? note.isEmpty() : note.startsWith(t.note))
            << t.change.toStdString() << ": " << note.toStdString();
    }
}

// "保存后" is offered only for the scheme last saved or loaded, while its
// selection is unchanged, and tries only the draws entered after the save.
TEST_F(BacktestWindowTest, SinceSavedTriesOnlyTheDrawsAfterTheSave)
{
    addDraw("2025001", "305");
    addDraw("2025002", "111");
    pick(0, "3"), pick(1, "0"), pick(2, "5");
    const auto backtest = [this](bool tickSinceSaved) {
        QString state;
        dialogs.modalHandlers.push_back([&state, tickSinceSaved](QDialog* dialog) {
            auto* box = dialog->findChild<QCheckBox*>("sinceSavedBox");
            state = box->isEnabled() ? "offered" : "not offered";
            if (tickSinceSaved && box->isEnabled()) {
                box->setChecked(true);
                QTest::mouseClick(dialog->findChild<QAbstractButton*>("runButton"), Qt::LeftButton);
                state += QString(" %1 rows").arg(dialog->findChild<QTableView*>("resultTable")->model()->rowCount());
            }
            return int(QDialog::Accepted);
        });
        click("backtestButton");
        return state;
    };
    EXPECT_EQ(backtest(false), "not offered");
    dialogs.typed.push_back("甲");
    click("saveSchemeButton");
    dialogs.clear();
    // Nothing drawn since: said, and the table keeps the run before.
    EXPECT_EQ(backtest(true), "offered 2 rows");
    EXPECT_EQ(dialogs.messages(), QStringList{BacktestWindow::kNoDrawsSinceSaved});
    addDraw("2025003", "305");
    addDraw("2025004", "222");
    addDraw("2025005", "305");
    dialogs.clear();
    EXPECT_EQ(backtest(true), "offered 3 rows");
    EXPECT_TRUE(dialogs.messages().isEmpty());
    click("RadioButton3"); // another selection than the one saved
    EXPECT_EQ(backtest(false), "not offered");
    click("RadioButton1");
    EXPECT_EQ(backtest(false), "offered");
}

// The scheme list gives each scheme its record since it was saved: none for
// a scheme saved before marks were kept, nothing new until a draw comes in.
TEST_F(BacktestWindowTest, SchemeListShowsEachSchemesRecord)
{
    addDraw("2025001", "111");
    pick(0, "3"), pick(1, "0"), pick(2, "5");
    dialogs.typed.push_back("甲");
    click("saveSchemeButton");
    // The same scheme as an older version saved it, without the mark.
    SelectionScheme old = Schemes::load(dir.path(), "甲");
    old.saved.reset();
    Schemes::save(dir.path(), "旧", old);
    const auto records = [this] {
        QStringList shown;
        dialogs.modalHandlers.push_back([&shown](QDialog* list) {
            auto* table = list->findChild<QTableWidget*>("schemeTable");
            for (int row = 0; row < table->rowCount(); ++row)
                shown << table->item(row, 0)->text() + "：" + table->item(row, 1)->text();
            return int(QDialog::Rejected);
        });
        click("loadSchemeButton");
        return shown;
    };
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(records(), (QStringList{"旧：没有保存记录（旧方案，重新保存后开始记录）",
                                      QString("甲：保存于 %1（3D 第2025001期后）：还没有新的开奖").arg(today)}));
    addDraw("2025002", "305");
    addDraw("2025003", "999");
    EXPECT_EQ(records(), (QStringList{"旧：没有保存记录（旧方案，重新保存后开始记录）",
                                      QString("甲：保存于 %1（3D 第2025001期后）：开奖 2 期，中奖 1 期，盈亏 1036 元，"
                                              "p值 0.0020，好于随机（p<0.01）")
                                          .arg(today)}));

    // Renamed and deleted in the list: each record stays beside its own scheme.
    const QString record = records()[1].section("：", 1);
    QStringList afterRename, afterDelete;
    dialogs.typed.push_back("乙");
    dialogs.answers = {true, true};
    dialogs.modalHandlers.push_back([&](QDialog* list) {
        auto* table = list->findChild<QTableWidget*>("schemeTable");
        const auto shown = [table] {
            QStringList rows;
            for (int row = 0; row < table->rowCount(); ++row)
                rows << table->item(row, 0)->text() + "：" + table->item(row, 1)->text();
            return rows;
        };
        table->setCurrentCell(1, 0); // 甲
        QTest::mouseClick(list->findChild<QPushButton*>("renameButton"), Qt::LeftButton);
        afterRename = shown();
        table->setCurrentCell(1, 0); // 旧, after 乙
        QTest::mouseClick(list->findChild<QPushButton*>("deleteButton"), Qt::LeftButton);
        afterDelete = shown();
        return int(QDialog::Rejected);
    });
    click("loadSchemeButton");
    EXPECT_EQ(afterRename, (QStringList{"乙：" + record, "旧：没有保存记录（旧方案，重新保存后开始记录）"}));
    EXPECT_EQ(afterDelete, QStringList{"乙：" + record});
}

TEST_F(BacktestWindowTest, RefusesAnEmptySelectionAndAnEmptyHistory)
{
    click("backtestButton"); // no digits chosen: the generation's own message
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.modalHandlers.empty());

    dialogs.clear();
    pickAll();
    dialogs.modalHandlers.push_back([](QDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QTableView*>("resultTable")->model()->rowCount(), 0);
        return int(QDialog::Accepted);
    });
    click("backtestButton");
    EXPECT_EQ(dialogs.messages(), QStringList{BacktestWindow::kNoDraws});
}

} // namespace
