// Any bytes as a history file or a downloaded page's text, for both games:
// the marker page, the result JSON answers and the lines and table rows.
#include "exchange/DrawText.h"
#include "exchange/ResultJson.h"
#include "exchange/ResultPage.h"

#include <cstddef>
#include <cstdint>

namespace {

bool digitsOfSize(const QString& text, bool (*sizeFits)(qsizetype))
{
    if (!sizeFits(text.size()))
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Every draw the lines or the JSON give is a five- or seven-digit issue and
// three digits (the marker page's entries are cut as laid out, not checked).
void check(const ImportFile& file)
{
    for (const ImportLine& draw : file.draws)
        if (draw.line < 1 || !digitsOfSize(draw.issue, [](qsizetype n) { return n == 5 || n == 7; }) ||
            !digitsOfSize(draw.number, [](qsizetype n) { return n == 3; }))
            __builtin_trap();
    for (const BadLine& bad : file.bad)
        if (bad.line < 1)
            __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = decodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const Game game : {Game::Fucai, Game::Ticai}) {
        const ImportFile file = readDrawText(text, game);
        if (readResultPage(toGbk(text), game).empty())
            check(file);
    }
    if (const std::optional<ImportFile> json = readResultJson(text))
        check(*json);
    return 0;
}
