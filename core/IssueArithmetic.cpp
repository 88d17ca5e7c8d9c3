#include "core/IssueArithmetic.h"

#include "core/ConversionError.h"

namespace {

qlonglong issueValue(const QString& issue)
{
    if (!isCountableIssue(issue))
        throw ConversionError(issue);
    return issue.toLongLong();
}

QString withWidthOf(const QString& issue, qlonglong value)
{
    return QStringLiteral("%1").arg(value, issue.size(), 10, QLatin1Char('0'));
}

} // namespace

bool isIssueText(const QString& issue)
{
    if (issue.isEmpty())
        return false;
    for (QChar c : issue)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool isCountableIssue(const QString& issue)
{
    return isIssueText(issue) && issue.size() <= 18;
}

QString nextIssue(const QString& issue)
{
    return withWidthOf(issue, issueValue(issue) + 1);
}

QString previousIssue(const QString& issue)
{
    const qlonglong value = issueValue(issue);
    return value == 0 ? QString() : withWidthOf(issue, value - 1);
}

QString issueValueText(const QString& issue)
{
    return QString::number(issueValue(issue));
}

QString issueAtWidth(const QString& issue, int width)
{
    if (!isIssueText(issue))
        return issue;
    // Both games began after 2000: a two-digit year is 20yy.
    if (issue.size() == 5 && width == 7)
        return QStringLiteral("20") + issue;
    if (issue.size() == 7 && width == 5)
        return issue.mid(2);
    return issue;
}

int firstIssueYear(std::optional<Game> game)
{
    return game == Game::Ticai ? 2004 : 2002;
}

QString impossibleIssue(const QString& issue, std::optional<Game> game, const QDate& today)
{
    // Short: a bad line quotes the issue before the reason, and its message
    // shows only the start of a line.
    if (!isIssueText(issue) || (issue.size() != 5 && issue.size() != 7))
        return QStringLiteral("期号应为五位或七位数字");
    const QString year = issue.size() == 7 ? issue.left(4) : QStringLiteral("20") + issue.left(2);
    const int first = firstIssueYear(game);
    const int last = today.year() + 1;
    if (year.toInt() < first || year.toInt() > last)
        return QStringLiteral("年份%1不在%2至%3年之间").arg(year).arg(first).arg(last);
    if (const int day = issue.right(3).toInt(); day < 1 || day > 366)
        return QStringLiteral("当年序号%1不在001至366之间").arg(issue.right(3));
    return {};
}
