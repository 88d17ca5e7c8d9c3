#pragma once

// A scheme's record since it was saved: its manual selection tried on the
// draws of its game that came after the issue it was saved at. Those draws
// could not have been used to tune it, which makes this the honest test.

#include "core/BacktestChance.h"
#include "exchange/SchemeFile.h"

#include <optional>
#include <vector>

class DrawStore;

struct SchemeSelection
{
    QString digits1, digits2, digits3;
    BetKind kind = BetKind::Direct;
    GenerationConditions conditions;
};

// The selection a scheme's manual page makes, read as a run reads the page;
// nothing when a run would refuse it.
std::optional<SchemeSelection> selectionOf(const SelectionScheme& scheme);
// The mark of `scheme` while `current` is still its selection and `game` its
// game: the draws after the mark then test what is being tried.
std::optional<SchemeMark> sinceSavedMark(const std::optional<SelectionScheme>& scheme, Game game,
                                         const SchemeSelection& current);
// The mark of a scheme saved now: the active game's latest stored issue, today.
SchemeMark markNow(const DrawStore& store);
// The draws of the store's active game after `issue`, oldest first, each with
// the draw before it.
std::vector<BacktestDraw> drawsAfter(const DrawStore& store, const QString& issue);

struct SchemeRecord
{
    SchemeMark mark;
    BacktestSummary summary;
    BacktestChance chance;
};

// Nothing for a scheme without a mark or whose selection cannot run. Reads
// the draws of the mark's game; the store's active game is left as it was.
std::optional<SchemeRecord> schemeRecord(DrawStore& store, const SelectionScheme& scheme);

// The record line of the saved scheme `name` (SchemeRecordText::line), or
// kUnreadable when the scheme cannot be read.
QString recordLine(DrawStore& store, const QString& userFolder, const QString& name);

namespace SchemeRecordText {
// "保存于 2025-03-01（第2025050期后）：开奖 12 期，中奖 1 期，盈亏 -180 元，p值 0.4560，与随机相符"
QString line(const SelectionScheme& scheme, const std::optional<SchemeRecord>& record);
// A scheme's entry in the scheme list: its name and its record.
QString listItem(const QString& name, const SelectionScheme& scheme, const std::optional<SchemeRecord>& record);
extern const QString kUnreadable; // the record of a scheme that cannot be read
} // namespace SchemeRecordText
