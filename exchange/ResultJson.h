#pragma once

// The JSON answers of the two official result queries:
//   welfare lottery  {"state":0,"result":[{"code":"2026154","date":"2026-06-13(六)","red":"3,7,7",...},...]}
//   sports lottery   {"success":true,"value":{"list":[{"lotteryDrawNum":"26154","lotteryDrawResult":"3 7 7",...},...]}}
// A browser shows such an answer as its text, so the text may carry a few
// words of the viewer before the JSON and blanks around it.

#include "exchange/ImportFile.h"

#include <QString>
#include <optional>

// The draws of the answer in its order, entry i on line i + 1; an entry that
// holds no draw of three digits is listed as bad. Nothing when the text is no
// JSON object; no draws when it is JSON of another shape. An answer over
// ImportLimits::kJsonAnswerChars comes back with its `refusal`.
std::optional<ImportFile> readResultJson(const QString& text, std::optional<Game> game = std::nullopt);
