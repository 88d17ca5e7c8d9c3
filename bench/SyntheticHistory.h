#pragma once

// Deterministic draw histories for the benchmarks: the same draws on every
// run and every machine, so figures compare across builds.

#include <QString>

// Issue text of the n-th synthetic draw (from 0): consecutive "YYYYNNN".
QString syntheticIssue(int n);

// Creates a new database at `path` and fills both tables with `draws` draws
// each, in one transaction.
void createSyntheticHistory(const QString& path, int draws);

// A history of `draws` draws kept under the build folder and made on first
// use. Read it in place; copy it before writing.
QString cachedSyntheticHistory(int draws);
