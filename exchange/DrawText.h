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
#include <functional>

// Every draw the text lists, in text order. Lines that hold none are listed
// in `bad` with their line number (a web page's other lines too: the
// download takes only the draws).
ImportFile readDrawText(const QString& text, Game game);

// Moves every draw the entry panel would refuse (an issue not all digits, a
// number not three digits) into `bad`, shown as `shown` gives it.
void checkEntries(
    ImportFile& file, const std::function<QString(const ImportLine&)>& shown = [](const ImportLine& draw) {
        return draw.issue + u' ' + draw.number;
    });

// The draws of a result page's text (its other lines are no concern); a text
// over ImportLimits::kPageTextChars is refused with ImportFileError.
ImportFile readPageDraws(const QString& text, Game game);
