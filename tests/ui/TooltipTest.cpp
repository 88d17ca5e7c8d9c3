// Every condition, statistic, repair and grid command says in one line what
// it does.
#include "tests/ui/MainWindowFixture.h"
#include "ui/analysis/DataCount.h"
#include "ui/main/HistoryCheckWindow.h"
#include "ui/select/Print.h"
#include "ui/select/SelectHistory.h"
#include "ui/select/select.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

namespace {

using TooltipTest = MainWindowTest;

// Names the widgets of `T` under `parent` that have no tooltip.
template <typename T> QStringList withoutTooltip(const QWidget& parent)
{
    QStringList names;
    for (const T* widget : parent.findChildren<T*>())
        if (widget->toolTip().isEmpty() || widget->toolTip().contains(QLatin1Char('\n')))
            names << widget->objectName();
    return names;
}

TEST_F(TooltipTest, EveryConditionStatisticRepairAndGridCommandSaysWhatItDoes)
{
    TFrm_Print print(dialogs);
    TFrm_SelectHistory history(*store, dialogs);
    TFrm_Select select(*store, dialogs, &print, &history, dir.path());
    EXPECT_EQ(withoutTooltip<QCheckBox>(select), QStringList());
    QStringList hints;
    for (const QCheckBox* box : select.findChildren<QCheckBox*>())
        hints << box->toolTip();
    hints.removeDuplicates();
    EXPECT_GE(hints.size(), 25); // one of its own for each condition

    TFrm_DataCount statistics(*store, dialogs);
    EXPECT_EQ(withoutTooltip<QRadioButton>(statistics), QStringList());

    HistoryCheckWindow check(*store, dialogs);
    for (const char* repair : {"changeNumberButton", "rederiveButton", "unifyWidthButton"})
        EXPECT_FALSE(check.findChild<QWidget*>(repair)->toolTip().isEmpty()) << repair;

    show();
    EXPECT_EQ(withoutTooltip<QToolButton>(*child<QWidget>("Panel5")), QStringList());
}

} // namespace
