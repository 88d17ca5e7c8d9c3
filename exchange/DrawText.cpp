#include "exchange/DrawText.h"

#include "exchange/DrawRows.h"
#include "exchange/ResultJson.h"
#include "exchange/ResultPage.h"

ImportFile readDrawText(const QString& text, Game game)
{
    const std::vector<PageDraw> page = readResultPage(toGbk(text), game);
    if (!page.empty()) {
        ImportFile file;
        int line = 0;
        for (const PageDraw& draw : page)
            file.draws.push_back({++line, draw.issue, draw.number});
        return file;
    }
    if (std::optional<ImportFile> json = readResultJson(text))
        return std::move(*json);
    return readDrawLines(text);
}
