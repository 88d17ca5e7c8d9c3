#include "exchange/ImportFile.h"

#include "core/DrawEntry.h"
#include "core/IssueArithmetic.h"

#include <QStringDecoder>

ImportFileError::ImportFileError(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {

QString decodeLine(QByteArrayView line)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(line);
    if (!utf8.hasError())
        return text;
    return QStringDecoder("GBK")(line);
}

} // namespace

QString decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return utf16(QByteArrayView(bytes).sliced(2));
    }
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    // Mixed: each line as UTF-8 where it is, else as GBK. Decided for the
    // whole file, one stray byte on one line would turn the header and every
    // other line into GBK nonsense, and with the header the columns it names.
    text.clear();
    text.reserve(data.size());
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        end = end < 0 ? data.size() : end + 1;
        text += decodeLine(data.sliced(start, end - start));
        start = end;
    }
    return text;
}

void addBadLine(ImportFile& file, int line, QStringView text)
{
    if (file.bad.size() >= ImportLimits::kBadLinesKept) {
        ++file.badNotKept;
        return;
    }
    // Control characters (a NUL above all) would end or garble the line in
    // a message: they are shown as \xNN.
    QString shown;
    for (QChar c : text.left(ImportLimits::kBadLineShown)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (text.size() > ImportLimits::kBadLineShown)
        shown += QStringLiteral("…");
    file.bad.push_back({line, shown});
}

DrawKeeper::DrawKeeper(ImportFile& file, std::optional<Game> game, Shown shown)
    : m_file(&file), m_game(game), m_shown(std::move(shown)), m_today(QDate::currentDate())
{
    if (!m_shown)
        m_shown = [](const ImportLine& draw) { return draw.issue + u' ' + draw.number; };
}

DrawKeeper::Outcome DrawKeeper::add(ImportLine draw)
{
    if (refused())
        return Outcome::Refused;
    if (const QString problem = entryInputProblem(draw.issue, draw.number, m_game, m_today); !problem.isEmpty()) {
        QString shown = m_shown(draw);
        if (const QString why = impossibleIssue(draw.issue, m_game, m_today);
            !why.isEmpty() && problem == EntryText::noSuchIssue(why))
            shown += QStringLiteral("（") + why + QStringLiteral("）");
        addBadLine(*m_file, draw.line, shown);
        return Outcome::Bad;
    }
    // Checked above: five or seven digits and three digits, so the key is the draw.
    const quint64 key = quint64(draw.issue.size()) * 10'000'000'000ULL + draw.issue.toULongLong() * 1000 +
                        draw.number.toUInt();
    if (m_seen.contains(key)) {
        ++m_file->repeats;
        return Outcome::Repeat;
    }
    if (m_file->draws.size() >= size_t(ImportLimits::kMostDraws)) {
        m_file->draws = {};
        m_seen = {};
        m_file->refusal = QStringLiteral("开奖数据超过%1期（全部开奖历史不到一万期），不是开奖历史，没有读取。")
                              .arg(ImportLimits::kMostDraws);
        return Outcome::Refused;
    }
    m_seen.insert(key);
    m_file->draws.push_back(std::move(draw));
    return Outcome::Kept;
}
