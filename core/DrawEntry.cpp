#include "core/DrawEntry.h"

#include "core/DrawRecord.h"
#include "core/IssueArithmetic.h"

QString EntryText::duplicate(const QString& issue)
{
    return QStringLiteral("第%1期数据已经存在，不能重复录入！").arg(issue);
}

QString EntryText::entered(const QString& issue)
{
    return QStringLiteral("第") + issue + QStringLiteral("期数据录入成功！");
}

QString EntryText::status(const QString& issue)
{
    return QStringLiteral("您成功录入") + issueValueText(issue) + QStringLiteral("期数据信息！");
}

QString EntryText::noSuchIssue(const QString& why)
{
    return QStringLiteral("没有这一期：") + why + QStringLiteral("，请重新输入彩票期数！");
}

QString entryInputProblem(const QString& issue, const QString& number, std::optional<Game> game, const QDate& today)
{
    if (issue.isEmpty())
        return EntryText::kNoIssue;
    if (number.isEmpty())
        return EntryText::kNoNumber;
    if (number.size() != 3)
        return EntryText::kBadNumber;
    // Issues are compared as text everywhere and their neighbours are worked
    // out by arithmetic, so anything but digits (or too long to count) is refused.
    if (!isCountableIssue(issue))
        return EntryText::kIssueNotDecimal;
    if (!isDrawNumber(number))
        return EntryText::kNumberNotDigits;
    if (const QString why = impossibleIssue(issue, game, today); !why.isEmpty())
        return EntryText::noSuchIssue(why);
    return {};
}
