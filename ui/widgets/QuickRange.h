#pragma once

// Ranges in one click: "近30期", "近50期", "近100期", "近500期" and "全部" beside
// an issue range pair (two lists of issues, oldest first, as IssueListModel
// gives them) or beside a count of latest draws. The pair or the count stays
// for any other range.

#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QSpinBox;

class QuickRange : public QWidget
{
    Q_OBJECT
public:
    // The latest counts offered, then 全部.
    static constexpr std::array<int, 4> kCounts = {30, 50, 100, 500};
    // Each choice's action: quickRange30 ... quickRange500, quickRangeAll.
    static QString actionName(int count); // 0: 全部

    // A row of buttons, or where a toolbar has no room one button with the
    // choices as its menu.
    enum class Look
    {
        Buttons,
        Menu
    };

    // A choice selects the latest N issues of the end list (its last issue
    // and the one N - 1 before it in the start list), or the whole list.
    QuickRange(QComboBox* start, QComboBox* end, QWidget* parent, Look look = Look::Buttons);
    // A choice sets the count to N, or to `all` (the draws stored) for 全部.
    QuickRange(QSpinBox* count, std::function<int()> all, QWidget* parent, Look look = Look::Buttons);

    // Selects the latest `count` issues (0: all) in a pair of lists.
    static void selectLatest(QComboBox* start, QComboBox* end, int count);

signals:
    // After a click has set the range.
    void chosen();

private:
    void addChoices(const std::function<void(int)>& choose, Look look);
};
