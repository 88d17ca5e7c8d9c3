#pragma once

// A draw history file: a workbook (a zip archive, or a name ending in .xlsx)
// goes to readWorkbookDraws, any other file, as UTF-8 or GBK text, to
// readDrawText.

#include "exchange/ImportFile.h"

// The draws of a history file of the game. Throws ImportFileError when the
// file cannot be read or exceeds a limit.
ImportFile readImportFile(const QString& path, Game game);
