// Any bytes as a history file or a downloaded page's text, for both games:
// the marker page, the result JSON answers and the lines and table rows.
#include "core/DrawEntry.h"
#include "exchange/DrawText.h"
#include "exchange/ResultJson.h"

#include <QSet>

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

// Every draw any reader gives is a five- or seven-digit issue and three
// digits that the entry panel would take, each draw once; a refused text has
// no draws, and no more are kept than the limit.
void check(const ImportFile& file, Game game)
{
    if (file.draws.size() > size_t(ImportLimits::kMostDraws) || (!file.refusal.isEmpty() && !file.draws.empty()))
        __builtin_trap();
    QSet<QString> seen;
    for (const ImportLine& draw : file.draws) {
        if (draw.line < 1 || !digitsOfSize(draw.issue, [](qsizetype n) { return n == 5 || n == 7; }) ||
            !digitsOfSize(draw.number, [](qsizetype n) { return n == 3; }) ||
            !entryInputProblem(draw.issue, draw.number, game).isEmpty())
            __builtin_trap();
        const QString key = draw.issue + u' ' + draw.number;
        if (seen.contains(key))
            __builtin_trap();
        seen.insert(key);
    }
    for (const BadLine& bad : file.bad)
        if (bad.line < 1)
            __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = decodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const Game game : {Game::Fucai, Game::Ticai})
        check(readDrawText(text, game), game);
    if (const std::optional<ImportFile> json = readResultJson(text))
        check(*json, Game::Fucai);
    return 0;
}
