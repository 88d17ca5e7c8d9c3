#include "exchange/PageFrames.h"

#include <QStringDecoder>
#include <array>

namespace PageFrames {

namespace {

constexpr std::array<std::pair<Kind, const char*>, 4> kNames{
    {{Kind::Opened, "opened"}, {Kind::Log, "log"}, {Kind::Draws, "draws"}, {Kind::Failed, "failed"}}};

const char* nameOf(Kind kind)
{
    for (const auto& [known, name] : kNames)
        if (known == kind)
            return name;
    return "log";
}

bool isLast(Kind kind)
{
    return kind == Kind::Draws || kind == Kind::Failed;
}

} // namespace

QByteArray encode(Kind kind, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return QByteArray(nameOf(kind)) + ' ' + QByteArray::number(bytes.size()) + '\n' + bytes + '\n';
}

void Reader::fail(const QString& problem)
{
    m_problem = problem;
    m_buffer.clear();
    m_buffer.squeeze();
}

bool Reader::takeHeader()
{
    const qsizetype end = m_buffer.indexOf('\n');
    if (end < 0) {
        if (m_buffer.size() > kLongestHeader)
            fail(QStringLiteral("帧头过长"));
        return false;
    }
    const QByteArray header = m_buffer.left(end);
    const qsizetype space = header.indexOf(' ');
    const QByteArray name = header.left(space);
    const QByteArray digits = space < 0 ? QByteArray() : header.mid(space + 1);
    bool known = false;
    for (const auto& [kind, kindName] : kNames)
        if (name == kindName) {
            m_kind = kind;
            known = true;
        }
    bool number = !digits.isEmpty() && digits.size() <= 9;
    for (char c : digits)
        number = number && c >= '0' && c <= '9';
    if (!known || !number) {
        fail(QStringLiteral("无法识别的帧头"));
        return false;
    }
    const qsizetype length = digits.toLongLong();
    if (length > kLongestFrame) {
        fail(QStringLiteral("帧过长"));
        return false;
    }
    m_length = length;
    m_buffer.remove(0, end + 1);
    return true;
}

std::vector<Frame> Reader::feed(QByteArrayView bytes)
{
    std::vector<Frame> frames;
    if (failed() || bytes.isEmpty())
        return frames;
    if (m_ended) {
        fail(QStringLiteral("最后一帧之后还有内容"));
        return frames;
    }
    m_buffer.append(bytes);
    while (!failed()) {
        if (m_length < 0 && !takeHeader())
            break;
        if (m_buffer.size() < m_length + 1)
            break;
        if (m_buffer.at(m_length) != '\n') {
            fail(QStringLiteral("帧的长度不符"));
            break;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(QByteArrayView(m_buffer).first(m_length));
        if (utf8.hasError()) {
            fail(QStringLiteral("帧的内容不是 UTF-8 文字"));
            break;
        }
        frames.push_back({m_kind, std::move(text)});
        m_buffer.remove(0, m_length + 1);
        m_length = -1;
        if (isLast(m_kind)) {
            m_ended = true;
            if (!m_buffer.isEmpty())
                fail(QStringLiteral("最后一帧之后还有内容"));
            break;
        }
    }
    if (failed())
        frames.clear();
    return frames;
}

} // namespace PageFrames
