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
