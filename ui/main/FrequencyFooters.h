#pragma once

#include <QString>

class DataGrid;

// Writes into the footers of the digit columns of `grid` (laid out as the
// history grid: the issue column, then ten columns per position) how many
// draws of `table` between `start` and `end` hold each digit at each of the
// first `positions` positions. An empty start counts the whole table. The
// grid's model must be a HistoryModel, whose store answers the counts.
void FillFrequencyFooters(const QString& start, const QString& end, const QString& issueColumn, int positions,
                          DataGrid* grid, const QString& table);
