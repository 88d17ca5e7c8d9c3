#include "exchange/SchemeRecord.h"

#include "store/DrawStore.h"

namespace {

// The active game for one computation, then back.
class GameScope
{
public:
    GameScope(DrawStore& store, Game game) : m_store(store), m_was(store.game()) { store.setGame(game); }
    ~GameScope() { m_store.setGame(m_was); }
    GameScope(const GameScope&) = delete;
    GameScope& operator=(const GameScope&) = delete;

private:
    DrawStore& m_store;
    Game m_was;
};

QString numberText(short value)
{
    return value < 0 ? QString() : QStringLiteral("%1").arg(int(value), 3, 10, QLatin1Char('0'));
}

} // namespace

std::optional<SchemeSelection> selectionOf(const SelectionScheme& scheme)
{
    const GenerationInput& input = scheme.manual;
    if (checkGeneration(input))
        return std::nullopt;
    SchemeSelection s{input.digits1, input.digits2, input.digits3, scheme.kind, input.ranges};
    if (input.singleSumsTicked)
        s.conditions.singleSums = parseSingleSums(input.singleSumsText);
    // A limit that is no number runs as 0, as the window's run does.
    if (input.limitTicked)
        s.conditions.limit = parseLimit(input.limitText).value_or(0);
    return s;
}

std::optional<SchemeMark> sinceSavedMark(const std::optional<SelectionScheme>& scheme, Game game,
                                         const SchemeSelection& current)
{
    if (!scheme || !scheme->saved || scheme->saved->game != game)
        return std::nullopt;
    const std::optional<SchemeSelection> saved = selectionOf(*scheme);
    const auto key = [](const SchemeSelection& s) {
        return selectionKey(s.digits1, s.digits2, s.digits3, s.kind, s.conditions);
    };
    if (!saved || key(*saved) != key(current))
        return std::nullopt;
    return scheme->saved;
}

SchemeMark markNow(const DrawStore& store)
{
    const std::vector<DrawPoint> latest = store.latestPoints(1);
    return {store.game(), latest.empty() ? QString() : latest.front().qs, QDate::currentDate()};
}

std::vector<BacktestDraw> drawsAfter(const DrawStore& store, const QString& issue)
{
    const std::vector<DrawPoint> latest = store.latestPoints(1);
    if (latest.empty() || latest.front().qs <= issue)
        return {};
    const std::vector<DrawPoint> points = store.rangePoints(issue, latest.front().qs);
    std::vector<BacktestDraw> draws;
    QString previous;
    size_t first = 0;
    if (!points.empty() && points.front().qs == issue) {
        previous = points.front().allNumber;
        first = 1;
    } else if (!points.empty()) {
        // The mark's own draw was deleted since: the draw before the first one stands in.
        const std::vector<short> before = store.numberValuesBefore(points.front().qs, 1);
        previous = before.empty() ? QString() : numberText(before.front());
    }
    for (size_t i = first; i < points.size(); ++i) {
        draws.push_back({points[i].qs, points[i].allNumber, previous});
        previous = points[i].allNumber;
    }
    return draws;
}

std::optional<SchemeRecord> schemeRecord(DrawStore& store, const SelectionScheme& scheme)
{
    const std::optional<SchemeSelection> s = selectionOf(scheme);
    if (!scheme.saved || !s)
        return std::nullopt;
    const GameScope scope(store, scheme.saved->game);
    const BacktestResult result =
        runBacktest(s->digits1, s->digits2, s->digits3, s->kind, s->conditions, drawsAfter(store, scheme.saved->issue));
    return SchemeRecord{*scheme.saved, result.summary, backtestChance(result, s->kind)};
}

namespace SchemeRecordText {
const QString kUnreadable = QStringLiteral("方案无法读取");
} // namespace SchemeRecordText

QString recordLine(DrawStore& store, const QString& userFolder, const QString& name)
{
    SelectionScheme scheme;
    try {
        scheme = Schemes::load(userFolder, name);
    } catch (const SchemeError&) {
        return SchemeRecordText::kUnreadable;
    }
    return SchemeRecordText::line(scheme, schemeRecord(store, scheme));
}

namespace SchemeRecordText {

QString line(const SelectionScheme& scheme, const std::optional<SchemeRecord>& record)
{
    if (!scheme.saved)
        return QStringLiteral("没有保存记录（旧方案，重新保存后开始记录）");
    if (!record)
        return QStringLiteral("方案条件有误，无法回测");
    const SchemeMark& mark = record->mark;
    QString text = QStringLiteral("保存于 %1").arg(mark.date.toString(QStringLiteral("yyyy-MM-dd")));
    if (!mark.issue.isEmpty())
        text += QStringLiteral("（%1 第%2期后）").arg(gameName(mark.game), mark.issue);
    const BacktestSummary& s = record->summary;
    if (s.draws == 0)
        return text + QStringLiteral("：还没有新的开奖");
    const BacktestChance& c = record->chance;
    return text + QStringLiteral("：开奖 %1 期，中奖 %2 期，盈亏 %3 元，p值 %4，%5")
                      .arg(s.draws)
                      .arg(s.hits)
                      .arg(s.net())
                      .arg(ChanceText::pValue(c.belowExpected() ? c.atMost : c.atLeast))
                      .arg(ChanceText::verdict(c.verdict));
}

QString listItem(const QString& name, const SelectionScheme& scheme, const std::optional<SchemeRecord>& record)
{
    return name + QStringLiteral("　—　") + line(scheme, record);
}
} // namespace SchemeRecordText
