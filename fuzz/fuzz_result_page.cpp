// Any bytes as a results page, for both games.
#include "exchange/ResultPage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray page(reinterpret_cast<const char*>(data), qsizetype(size));
    for (Game game : {Game::Fucai, Game::Ticai})
        for (const PageDraw& draw : readResultPage(page, game))
            if (draw.number.size() > ResultPage::kNumberSize)
                __builtin_trap();
    return 0;
}
