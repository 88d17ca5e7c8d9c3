#include "exchange/DrawText.h"

#include "exchange/DrawRows.h"
#include "exchange/ResultJson.h"
#include "exchange/ResultPage.h"

namespace {

// The marker page's entries, within the draw limit: only the text from the
// marker on, and only as much of it as the most entries take, becomes GBK.
std::optional<ImportFile> readMarkerPage(const QString& text, Game game)
{
    static const QString markers[] = {QStringLiteral("3D号码："), QStringLiteral("排列三号码：")};
    const QString& marker = markers[game == Game::Fucai ? 0 : 1];
    const qsizetype found = text.indexOf(marker);
    if (found < 0)
        return std::nullopt;
    // A character is at least one GBK byte: this many characters hold every
    // entry up to one past the limit.
    const qsizetype chars = marker.size() + (qsizetype(ImportLimits::kMostDraws) + 1) * ResultPage::kEntrySize;
    const std::vector<PageDraw> page = readResultPage(toGbk(QStringView(text).mid(found, chars)), game);
    if (page.empty())
        return std::nullopt;
    ImportFile file;
    DrawKeeper keeper(file, game,
                      [](const ImportLine& draw) { return draw.issue + QStringLiteral("期") + draw.number; });
    int line = 0;
    for (const PageDraw& draw : page)
        if (keeper.add({++line, draw.issue, draw.number}) == DrawKeeper::Outcome::Refused)
            break;
    return file;
}

} // namespace

ImportFile readDrawText(const QString& text, Game game)
{
    // Every reader's draws pass the entry panel's checks as they are kept
    // (DrawKeeper), so none can reach the store with an issue or number it refuses.
    if (std::optional<ImportFile> page = readMarkerPage(text, game))
        return std::move(*page);
    if (std::optional<ImportFile> json = readResultJson(text, game))
        return std::move(*json);
    return readDrawLines(text, game);
}

ImportFile readPageDraws(const QString& text, Game game)
{
    if (text.size() > ImportLimits::kPageTextChars)
        throw ImportFileError(QStringLiteral("页面文字超过%1 MB，不是开奖结果页面，没有读取。")
                                  .arg(ImportLimits::kPageTextChars >> 20));
    ImportFile file = readDrawText(text, game);
    if (!file.refusal.isEmpty())
        throw ImportFileError(file.refusal);
    file.bad.clear();
    file.badNotKept = 0;
    return file;
}

QString drawLines(const ImportFile& file)
{
    QString text;
    text.reserve(qsizetype(file.draws.size()) * 12);
    for (const ImportLine& draw : file.draws)
        text += draw.issue + u' ' + draw.number + u'\n';
    return text;
}
