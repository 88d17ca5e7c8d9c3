#include "ui/main/HistoryColumns.h"

#include "ui/widgets/ColourScheme.h"

#include <QStringList>
#include <array>

namespace {

std::array<HistoryColumn, kHistoryColumnCount> makeColumns(const SchemeColours& colours)
{
    const QColor kBlue = colours.issueInk;
    const QColor kWhite = colours.plainCell;
    const QColor kPaleBlue = colours.paleCell;
    std::array<HistoryColumn, kHistoryColumnCount> c{};
    // The issue column takes the button face: HistoryModel resolves the
    // invalid colour to the palette's.
    c[0] = {"期数", 35, QColor(), kBlue, false, false};
    const QColor* digitInk = colours.digitInk;
    const QColor digitFill[3] = {kPaleBlue, kWhite, kPaleBlue};
    for (int position = 0; position < 3; ++position)
        for (int digit = 0; digit < 10; ++digit)
            c[1 + position * 10 + digit] = {nullptr, 0, digitFill[position], digitInk[position], true, false};
    c[31] = {"总和", 42, kWhite, kBlue, true, true};
    c[32] = {"单双比", 46, QColor(), kBlue, true, false};
    c[33] = {"大小比", 40, QColor(), kBlue, true, false};
    c[34] = {"AC值", 30, QColor(), kBlue, true, true};
    c[35] = {"同号数", 30, QColor(), kBlue, true, true};
    c[36] = {"跨度", 30, QColor(), colours.spanInk, true, true};
    c[37] = {"质数个数", 30, QColor(), colours.primeInk, true, true};
    c[38] = {"开奖号码", 34, QColor(), colours.numberInk, true, false};
    c[39] = {"单双", 61, QColor(), kBlue, false, false};
    c[40] = {"大小", 62, QColor(), kBlue, false, false};
    return c;
}

} // namespace

const HistoryColumn& historyColumn(int column)
{
    // Built again only when the scheme changed since.
    static const SchemeColours* builtFor = nullptr;
    static std::array<HistoryColumn, kHistoryColumnCount> columns;
    if (builtFor != &schemeColours()) {
        builtFor = &schemeColours();
        columns = makeColumns(*builtFor);
    }
    return columns[column];
}

QString historyTitle(int column)
{
    static const QStringList titles = [] {
        QStringList t;
        const char* uppers[3] = {"第一位", "第二位", "第三位"};
        for (int column = 0; column < kHistoryColumnCount; ++column) {
            if (column >= 1 && column <= 30)
                t << QString::fromUtf8(uppers[(column - 1) / 10]) + QLatin1Char('|') +
                         QString::number((column - 1) % 10);
            else
                t << QString::fromUtf8(historyColumn(column).title);
        }
        return t;
    }();
    return titles[column];
}
