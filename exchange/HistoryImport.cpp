#include "exchange/HistoryImport.h"

#include "core/HistoryCheck.h"
#include "core/IssueArithmetic.h"
#include "core/ShownText.h"

#include <algorithm>

ImportPlan planImport(const ImportFile& file, int historyWidth)
{
    ImportPlan plan;
    // The readers keep an exact repeat of a line once and count the rest.
    plan.read = int(file.draws.size()) + file.repeats;
    plan.repeats = file.repeats;
    plan.bad = file.bad;
    plan.badNotKept = file.badNotKept;
    // One history has one issue width (08123 or 2025217). A five-digit issue
    // and its seven-digit form name one draw: every line is brought to the
    // history's width, so the draw is stored once and its 同号数 is counted
    // against the previous issue of the same width. A line whose issue cannot
    // be brought there is a slip and is listed with the bad lines.
    int width = historyWidth;
    if (width == 0) {
        QStringList issues;
        issues.reserve(qsizetype(file.draws.size()));
        for (const ImportLine& line : file.draws)
            issues << line.issue;
        width = mostCommonWidth(issues);
    }
    std::vector<ImportLine> atWidth;
    atWidth.reserve(file.draws.size());
    for (const ImportLine& line : file.draws) {
        const QString issue = issueAtWidth(line.issue, width);
        if (issue.size() == width)
            atWidth.push_back({line.line, issue, line.number});
        else
            plan.bad.push_back({line.line, line.issue + QLatin1Char(' ') + line.number});
    }
    std::vector<const ImportLine*> sorted;
    sorted.reserve(atWidth.size());
    for (const ImportLine& line : atWidth)
        sorted.push_back(&line);
    // Stable: of two lines with one issue, the earlier line comes first.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ImportLine* a, const ImportLine* b) { return a->issue < b->issue; });
    plan.draws.reserve(sorted.size());
    for (const ImportLine* line : sorted) {
        if (!plan.draws.empty() && plan.draws.back().issue == line->issue) {
            if (plan.draws.back().number == line->number)
                ++plan.repeats;
            else
                plan.bad.push_back({line->line, line->issue + QLatin1Char(' ') + line->number});
            continue;
        }
        plan.draws.push_back({line->issue, line->number});
    }
    std::sort(plan.bad.begin(), plan.bad.end(), [](const BadLine& a, const BadLine& b) { return a.line < b.line; });
    return plan;
}

ImportSummary runImport(DrawStore& store, const ImportPlan& plan, const std::function<bool(int)>& progress)
{
    const DrawStore::ImportCounts counts = store.appendDraws(plan.draws, progress);
    ImportSummary summary;
    summary.read = plan.read;
    summary.bad = badCount(plan);
    summary.cancelled = counts.cancelled;
    if (!counts.cancelled) {
        summary.added = counts.added;
        summary.skipped = counts.skipped + plan.repeats;
    }
    return summary;
}

QString ImportText::badLines(const std::vector<BadLine>& bad, int limit, int total)
{
    total = std::max(total, int(bad.size()));
    QStringList lines;
    for (const BadLine& line : bad) {
        if (lines.size() == limit)
            break;
        lines << QStringLiteral("第%1行：").arg(line.line) + shownText(line.text);
    }
    if (total > lines.size())
        lines << QStringLiteral("……另有%1行").arg(total - lines.size());
    return lines.join(QLatin1Char('\n'));
}

QString ImportText::askSkipBad(const ImportPlan& plan)
{
    // One pass over the placeholders: the listed lines are the file's own text
    // and may hold "%1" themselves.
    return QStringLiteral("以下%1行不是有效的开奖数据：\n%2\n\n是否忽略这些行，导入其余%3期数据？")
        .arg(QString::number(badCount(plan)), badLines(plan.bad, 10, badCount(plan)),
             QString::number(plan.draws.size()));
}

QString ImportText::summary(const ImportSummary& s)
{
    if (s.cancelled)
        return kCancelled;
    return QStringLiteral("数据导入完成：读取%1期，新增%2期，已存在跳过%3期，忽略格式有误的%4行。")
        .arg(s.read)
        .arg(s.added)
        .arg(s.skipped)
        .arg(s.bad);
}
