#include "exchange/DrawText.h"

#include "core/DrawEntry.h"
#include "exchange/DrawRows.h"
#include "exchange/ResultJson.h"
#include "exchange/ResultPage.h"

#include <algorithm>

void checkEntries(ImportFile& file, const std::function<QString(const ImportLine&)>& shown)
{
    bool moved = false;
    std::erase_if(file.draws, [&](const ImportLine& draw) {
        if (entryInputProblem(draw.issue, draw.number).isEmpty())
            return false;
        addBadLine(file, draw.line, shown(draw));
        moved = true;
        return true;
    });
    if (moved)
        std::stable_sort(file.bad.begin(), file.bad.end(),
                         [](const BadLine& a, const BadLine& b) { return a.line < b.line; });
}

ImportFile readDrawText(const QString& text, Game game)
{
    // Every reader's entries pass the entry panel's checks here, so none can
    // reach the store (or end an import) with an issue or number it refuses.
    const std::vector<PageDraw> page = readResultPage(toGbk(text), game);
    if (!page.empty()) {
        ImportFile file;
        int line = 0;
        for (const PageDraw& draw : page)
            file.draws.push_back({++line, draw.issue, draw.number});
        checkEntries(file, [](const ImportLine& draw) { return draw.issue + QStringLiteral("期") + draw.number; });
        return file;
    }
    std::optional<ImportFile> json = readResultJson(text);
    ImportFile file = json ? std::move(*json) : readDrawLines(text);
    checkEntries(file);
    return file;
}

ImportFile readPageDraws(const QString& text, Game game)
{
    if (text.size() > ImportLimits::kPageTextChars)
        throw ImportFileError(QStringLiteral("页面文字超过%1 MB，不是开奖结果页面，没有读取。")
                                  .arg(ImportLimits::kPageTextChars >> 20));
    ImportFile file = readDrawText(text, game);
    file.bad.clear();
    file.badNotKept = 0;
    return file;
}
