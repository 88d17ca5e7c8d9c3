#pragma once

// The one reader of draws in text, behind the history import and the result
// download. It tries, in order: the results page with the game's marker
// ("3D号码：" / "排列三号码：" and fixed-width entries), the JSON answers of
// the two official result queries, then the text's lines or table rows
// (issue, optional date and weekday, the number, anything after it; columns
// taken by name where a header row names them).

#include "core/Game.h"
#include "exchange/ImportFile.h"

#include <QString>

// Every draw the text lists, in text order, each exact repeat once. Lines
// that hold none, and draws the entry panel would refuse, are listed in `bad`
// with their line number (a web page's other lines too: the download takes
// only the draws). A text over a limit comes back with its `refusal`.
ImportFile readDrawText(const QString& text, Game game);

// The draws of a result page's text (its other lines are no concern); a text
// over ImportLimits::kPageTextChars, or with more draws than
// ImportLimits::kMostDraws, is refused with ImportFileError.
ImportFile readPageDraws(const QString& text, Game game);

// The draws as lines "<issue> <number>", which readPageDraws reads back as they are.
QString drawLines(const ImportFile& file);
