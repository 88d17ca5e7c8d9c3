#include "exchange/DrawText.h"

#include "exchange/ResultPage.h"

ImportFile readDrawText(const QString& text, Game game)
{
    const std::vector<PageDraw> page = readResultPage(toGbk(text), game);
    if (!page.empty()) {
        ImportFile file;
        for (const PageDraw& draw : page)
            file.draws.push_back({1, draw.issue, draw.number});
        return file;
    }
    return parseImportText(text.toUtf8());
}
