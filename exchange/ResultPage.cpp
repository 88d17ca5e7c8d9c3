#include "exchange/ResultPage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* const kCodec = "GBK";

QString fromGbk(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodec);
    return decoder(bytes);
}

} // namespace

QByteArray toGbk(QStringView text)
{
    QStringEncoder encoder(kCodec);
    return encoder(text);
}

QByteArray resultMarker(Game game)
{
    static const QByteArray fucai = toGbk(QStringLiteral("3D号码："));
    static const QByteArray ticai = toGbk(QStringLiteral("排列三号码："));
    return game == Game::Fucai ? fucai : ticai;
}

std::vector<PageDraw> readResultPage(const QByteArray& gbkText, Game game)
{
    using namespace ResultPage;
    static const QByteArray mark = toGbk(QStringLiteral("期"));
    const QByteArray marker = resultMarker(game);
    std::vector<PageDraw> draws;
    const qsizetype found = gbkText.indexOf(marker);
    if (found < 0)
        return draws;
    // The separator byte of the last entry may be missing at the end of the text.
    for (qsizetype at = found + marker.size(); at + kEntrySize - 1 <= gbkText.size(); at += kEntrySize) {
        if (gbkText.mid(at + kIssueSize, kMarkSize) != mark)
            break;
        draws.push_back(
            {fromGbk(gbkText.mid(at, kIssueSize)), fromGbk(gbkText.mid(at + kIssueSize + kMarkSize, kNumberSize))});
    }
    return draws;
}
