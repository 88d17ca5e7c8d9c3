// "近30期" ... "全部" in the analysis windows: each choice selects the latest
// stored issues and runs the window's command at once.
#include "ui/widgets/QuickRange.h"

#include "tests/ui/analysis/AnalysisFixture.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/RandomnessWindow.h"
#include "ui/analysis/Trend.h"

#include <QAction>
#include <QLabel>

namespace {

using QuickRangeTest = AnalysisWindowTest;

TEST_F(QuickRangeTest, EveryWindowTakesEachChoice)
{
    const QStringList issues = seedCount(60);
    const struct
    {
        std::function<std::unique_ptr<QWidget>()> open;
        const char* start;
        const char* end;
        // What shows that the command ran over the chosen range; empty: the boxes only.
        std::function<QString(const QWidget&)> ran;
    } windows[] = {
        {[&] { return std::make_unique<TFrm_DataAnalyse>(*store, dialogs, showCountSource); }, "ComboBox1", "ComboBox2",
         [](const QWidget& w) { return QString::number(cells(w, "StringGrid1").size()); }},
        {[&] { return std::make_unique<TFrm_LanqiuYilou>(*store, dialogs, showCountSource); }, "cmb1", "cmb2",
         [](const QWidget& w) { return QString::number(cells(w, "SeSkinStringGrid1").size()); }},
        {[&] { return std::make_unique<TFrm_DataCount>(*store, dialogs); }, "SeSkinComboBox1", "SeSkinComboBox2", {}},
        {[&] { return std::make_unique<TFrm_Trend>(*store, dialogs); }, "SeSkinComboBox1", "SeSkinComboBox2", {}},
        {[&] { return std::make_unique<RandomnessWindow>(*store, dialogs); }, "startIssueBox", "endIssueBox",
         [](const QWidget& w) { return child<QLabel>(w, "drawsLabel")->text(); }},
    };
    for (const auto& w : windows) {
        const std::unique_ptr<QWidget> window = w.open();
        window->show();
        SCOPED_TRACE(window->objectName().toStdString());
        QStringList runs;
        for (int count : {30, 50, 100, 500, 0}) {
            auto* action =
                window->findChild<QuickRange*>("quickRange")->findChild<QAction*>(QuickRange::actionName(count));
            ASSERT_NE(action, nullptr) << count;
            action->trigger();
            const QString first = issues.value(count > 0 ? std::max<qsizetype>(0, issues.size() - count) : 0);
            EXPECT_EQ(child<QComboBox>(*window, w.start)->currentText(), first) << count;
            EXPECT_EQ(child<QComboBox>(*window, w.end)->currentText(), issues.last()) << count;
            if (w.ran)
                runs << w.ran(*window);
        }
        // 近30期 and 近50期 differ; 近100期, 近500期 and 全部 all cover the 60 stored.
        if (!runs.isEmpty()) {
            EXPECT_NE(runs[0], runs[1]);
            EXPECT_EQ(runs[2], runs[3]);
            EXPECT_EQ(runs[3], runs[4]);
        }
    }
    EXPECT_TRUE(dialogs.texts(FakeDialogs::Kind::Critical).isEmpty());
}

} // namespace
