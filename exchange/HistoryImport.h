#pragma once

// Importing a draw history file into the active table: the draws in issue
// order, each issue once, entered through the entry's derivation in one
// transaction. Shared by the main window's "数据导入..." and quorvane-import.

#include "exchange/ImportFile.h"
#include "store/DrawStore.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct ImportPlan
{
    std::vector<DrawStore::NewDraw> draws; // issue order, each issue once
    std::vector<BadLine> bad;              // malformed lines, repeats of an issue with another number and
                                           // issues that cannot be brought to the history's width
    int badNotKept = 0;                    // further bad lines, counted only
    int read = 0;                          // lines holding a draw
    int repeats = 0;                       // lines repeating an earlier line's draw
};

inline int badCount(const ImportPlan& plan)
{
    return int(plan.bad.size()) + plan.badNotKept;
}

struct ImportSummary
{
    int read = 0;
    int added = 0;
    int skipped = 0; // already stored, or repeated in the file
    int bad = 0;
    bool cancelled = false;
};

// Every issue is brought to `historyWidth`, the stored history's issue width
// (issueAtWidth); for an empty history (0) to the width most of the file has.
ImportPlan planImport(const ImportFile& file, int historyWidth);
// Stores the plan's draws (the bad lines are left out); on cancel nothing is stored.
ImportSummary runImport(DrawStore& store, const ImportPlan& plan, const std::function<bool(int)>& progress = {});

namespace ImportText {
inline const QString kCaption = QStringLiteral("数据导入");
inline const QString kFilter = QStringLiteral("开奖数据文件 (*.csv *.txt *.xlsx);;所有文件 (*)");
inline const QString kNoDraws = QStringLiteral("文件中没有找到开奖数据！");
inline const QString kCancelled = QStringLiteral("数据导入已取消，没有保存任何数据。");
// 第<n>行：<text>, one a line, at most `limit` lines and a count of the rest
// (of `total` when more were counted than kept).
QString badLines(const std::vector<BadLine>& bad, int limit, int total = -1);
// The question before importing a file with bad lines.
QString askSkipBad(const ImportPlan& plan);
QString summary(const ImportSummary& summary);
} // namespace ImportText
