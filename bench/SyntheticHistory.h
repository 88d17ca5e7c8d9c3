#pragma once

// Deterministic draw histories for the benchmarks: the same draws on every
// run and every machine, so figures compare across builds.

#include <QString>

// Issue text of the n-th synthetic draw (from 0): consecutive "YYYYNNN".
QString syntheticIssue(int n);

// Issue text of the n-th of the issues that can exist up to 2025 ("YYYYNNN",
// every day of 2002 to 2025: 8,784 issues), round again after that. The
// synthetic history's own issues run through years no draw has, as a file
// made elsewhere may; readers and the entry refuse such issues.
QString possibleIssue(int n);

// Creates a new database at `path` and fills both tables with `draws` draws
// each, in one transaction.
void createSyntheticHistory(const QString& path, int draws);

// A history of `draws` draws kept under the build folder and made on first
// use. Read it in place; copy it before writing.
QString cachedSyntheticHistory(int draws);
