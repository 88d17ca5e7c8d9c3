// "近30期" ... "全部" beside the issue ranges: each choice against the stored
// issues, on plain and offset lists, in the main window and 分位遗漏.
#include "ui/widgets/QuickRange.h"

#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/PositionOmissionWindow.h"
#include "ui/select/SelectHistory.h"
#include "ui/widgets/IssueListModel.h"

#include <QTabWidget>

namespace {

// Every choice: the latest N issues (or all) of `issues`.
std::vector<int> choices()
{
    std::vector<int> all(QuickRange::kCounts.begin(), QuickRange::kCounts.end());
    all.push_back(0);
    return all;
}

QString expectedFirst(const QStringList& issues, int count)
{
    return issues.value(count > 0 ? std::max<qsizetype>(0, issues.size() - count) : 0);
}

void choose(QWidget* window, const char* quickRange, int count)
{
    auto* quick = window->findChild<QuickRange*>(QString::fromLatin1(quickRange));
    ASSERT_NE(quick, nullptr) << quickRange;
    auto* action = quick->findChild<QAction*>(QuickRange::actionName(count));
    ASSERT_NE(action, nullptr) << count;
    action->trigger();
}

// Plain lists (both hold every issue) and the main window's offset lists
// (the start list without the newest issue, the end list without the
// oldest), for histories shorter than, as long as and longer than a choice.
TEST(QuickRangeTest, SelectsTheLatestIssuesOfEveryHistory)
{
    for (bool offset : {false, true})
        for (int stored : {0, 1, 2, 29, 30, 31, 120, 600}) {
            QStringList issues;
            IssueList packed;
            for (int i = 0; i < stored; ++i) {
                issues << QStringLiteral("2025%1").arg(i + 1, 3, 10, QChar(u'0'));
                packed.append(issues.last());
            }
            auto list = std::make_shared<const IssueList>(std::move(packed));
            IssueListModel starts, ends;
            const int lists = offset ? std::max(0, stored - 1) : stored;
            starts.setSlice(list, 0, lists);
            ends.setSlice(list, offset ? 1 : 0, lists);
            QComboBox start, end;
            start.setModel(&starts);
            end.setModel(&ends);
            for (int count : choices()) {
                SCOPED_TRACE(QStringLiteral("%1 stored, %2, offset %3").arg(stored).arg(count).arg(offset).toStdString());
                start.setCurrentIndex(-1), end.setCurrentIndex(-1);
                QuickRange::selectLatest(&start, &end, count);
                if (lists == 0) { // nothing to choose: nothing chosen
                    EXPECT_EQ(start.currentIndex(), -1);
                    EXPECT_EQ(end.currentIndex(), -1);
                    continue;
                }
                EXPECT_EQ(end.currentText(), issues.last());
                EXPECT_EQ(start.currentText(), expectedFirst(issues, count));
                const int shown = int(issues.indexOf(end.currentText()) - issues.indexOf(start.currentText())) + 1;
                EXPECT_EQ(shown, count > 0 ? std::min(count, int(stored)) : stored);
            }
        }
}

using QuickRangeWindowTest = MainWindowTest;

// The grid and both chart tabs show the chosen range at once.
TEST_F(QuickRangeWindowTest, MainWindowShowsEachChoice)
{
    const QStringList issues = seed(120);
    show();
    const struct
    {
        const char* quickRange;
        const char* start;
        const char* end;
    } pairs[] = {{"gridQuickRange", "ComboBox14", "ComboBox15"},
                 {"positionQuickRange", "ComboBox17", "ComboBox18"},
                 {"sumQuickRange", "ComboBox25", "ComboBox26"}};
    for (const auto& pair : pairs)
        for (int count : choices()) {
            SCOPED_TRACE(std::string(pair.quickRange) + " " + std::to_string(count));
            choose(window.get(), pair.quickRange, count);
            EXPECT_EQ(child<QComboBox>(pair.start)->currentText(), expectedFirst(issues, count));
            EXPECT_EQ(child<QComboBox>(pair.end)->currentText(), issues.last());
            if (QString::fromLatin1(pair.quickRange) == "gridQuickRange") {
                EXPECT_EQ(gridIssues(), issues.mid(issues.indexOf(expectedFirst(issues, count))));
            }
        }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// 分位遗漏 counts the choice at once; the history filter only takes the
// range, for its own 确定 to filter with.
TEST_F(QuickRangeWindowTest, PositionOmissionAndHistoryFilterTakeEachChoice)
{
    const QStringList issues = seed(120);
    PositionOmissionWindow omission(*store, dialogs);
    TFrm_SelectHistory filter(*store, dialogs);
    const struct
    {
        QDialog* window;
        const char* start;
        const char* end;
    } windows[] = {{&omission, "startIssueBox", "endIssueBox"}, {&filter, "ComboBox1", "ComboBox2"}};
    for (const auto& w : windows) {
        w.window->show();
        for (int count : choices()) {
            SCOPED_TRACE(w.window->objectName().toStdString() + " " + std::to_string(count));
            choose(w.window, "quickRange", count);
            EXPECT_EQ(w.window->findChild<QComboBox*>(w.start)->currentText(), expectedFirst(issues, count));
            EXPECT_EQ(w.window->findChild<QComboBox*>(w.end)->currentText(), issues.last());
        }
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

} // namespace
