#pragma once

// Draws in an .xlsx workbook: the rows of its first worksheet, read as the
// rows of a text table (columns taken by their header names). Shared
// strings, inline strings and numbers are read; a number cell reads as its
// integer digits (73, 2025217 even when stored as 2.025217E6), and the
// number's leading zeros come back as in any other table.

#include "exchange/ImportFile.h"

#include <QByteArray>

// True for the bytes of a zip archive, as every .xlsx workbook is.
bool isZipArchive(const QByteArray& bytes);
// Throws ImportFileError with the reason when the workbook cannot be read or
// exceeds a limit (a row past the sheet's last, more draws than
// ImportLimits::kMostDraws). `game`, when known, decides the first year an
// issue can name.
ImportFile readWorkbookDraws(const QByteArray& bytes, std::optional<Game> game = std::nullopt);
