#include "ui/widgets/QuickRange.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

QString QuickRange::actionName(int count)
{
    return count > 0 ? QStringLiteral("quickRange%1").arg(count) : QStringLiteral("quickRangeAll");
}

QuickRange::QuickRange(QComboBox* start, QComboBox* end, QWidget* parent, Look look) : QWidget(parent)
{
    addChoices([start, end](int count) { selectLatest(start, end, count); }, look);
}

QuickRange::QuickRange(QSpinBox* count, std::function<int()> all, QWidget* parent, Look look) : QWidget(parent)
{
    addChoices([count, all = std::move(all)](int asked) { count->setValue(asked > 0 ? asked : all()); }, look);
}

void QuickRange::selectLatest(QComboBox* start, QComboBox* end, int count)
{
    const int last = end->count() - 1;
    if (last < 0 || start->count() == 0)
        return;
    // The lists may be offset (a start list without the newest issue, an end
    // list without the oldest), so the first issue is found by its text.
    const int from = count > 0 ? last + 1 - count : -1;
    const int first = from >= 0 ? start->findText(end->itemText(from), Qt::MatchExactly) : 0;
    start->setCurrentIndex(std::max(first, 0));
    end->setCurrentIndex(last);
}

void QuickRange::addChoices(const std::function<void(int)>& choose, Look look)
{
    setObjectName(QStringLiteral("quickRange"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    QToolButton* menuButton = nullptr;
    if (look == Look::Menu) {
        menuButton = new QToolButton(this);
        menuButton->setObjectName(QStringLiteral("quickRangeMenu"));
        menuButton->setText(QStringLiteral("最近期数"));
        menuButton->setToolTip(QStringLiteral("选择最近30、50、100、500期或全部期数"));
        menuButton->setPopupMode(QToolButton::InstantPopup);
        menuButton->setMenu(new QMenu(menuButton));
        row->addWidget(menuButton);
    }
    std::array<int, kCounts.size() + 1> counts{};
    std::copy(kCounts.begin(), kCounts.end(), counts.begin()); // the last stays 0: 全部
    for (int count : counts) {
        auto* action = new QAction(count > 0 ? QStringLiteral("近%1期").arg(count) : QStringLiteral("全部"), this);
        action->setObjectName(actionName(count));
        action->setToolTip(count > 0 ? QStringLiteral("选择最近%1期").arg(count) : QStringLiteral("选择全部期数"));
        connect(action, &QAction::triggered, this, [this, choose, count] {
            choose(count);
            emit chosen();
        });
        if (menuButton) {
            menuButton->menu()->addAction(action);
            continue;
        }
        auto* button = new QToolButton(this);
        button->setObjectName(actionName(count) + QStringLiteral("Button"));
        button->setDefaultAction(action);
        row->addWidget(button);
    }
}
