#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/DataAnalyse.h"
#include "ui/analysis/DataCount.h"
#include "ui/analysis/IsPrize.h"
#include "ui/analysis/LanqiuYilou.h"
#include "ui/analysis/Trend.h"

#include <QComboBox>

namespace {

using AnalysisMenuTest = MainWindowTest;

TEST_F(AnalysisMenuTest, MenuItemsShowTheAnalysisWindowsModally)
{
    seed(50);
    setOption(Options::kStartSection, Options::kShowCountKey, "20");
    TFrmMain& main = show();
    const auto count = [&main] { return main.DefaultShowCount; };
    TFrm_DataAnalyse analyse(*store, dialogs, count, &main);
    TFrm_DataCount statistics(*store, dialogs, &main);
    TFrm_Trend trend(*store, dialogs, &main);
    TFrm_LanqiuYilou omission(*store, dialogs, count, &main);
    main.setDataAnalyseWindow(&analyse);
    main.setDataCountWindow(&statistics);
    main.setTrendWindow(&trend);
    main.setOmissionWindow(&omission);

    // The prize check is new at every opening and starts at the latest issue.
    int firstIssue = -2;
    dialogs.modalHandlers.push_back([&](QDialog* window) {
        window->show();
        firstIssue = window->findChild<QComboBox*>("ComboBox1")->currentIndex();
        return 0;
    });
    dialogs.clear();
    for (const char* item : {"N27", "N7", "N2", "N10", "N11"})
        action(item)->trigger();
    QStringList titles;
    for (const auto& shown : dialogs.shown)
        if (shown.kind == FakeDialogs::Kind::Modal)
            titles << shown.text;
    EXPECT_EQ(titles,
              QStringList({"查询中奖情况", "历史数据统计", "3D历史期数数据分析", "走势图分析", "常规遗漏统计"}));
    EXPECT_EQ(firstIssue, 49);
}

} // namespace
