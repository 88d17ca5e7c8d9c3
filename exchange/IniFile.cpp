#include "exchange/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <optional>
#include <vector>

IniWriteError::IniWriteError(const QString& path, bool diskFull)
    : StorageError(QStringLiteral("无法写入 ") + path, diskFull)
{
}

namespace {

const char* const kCodec = "GBK";
const QByteArray kNewLine = QByteArrayLiteral("\r\n");

// One physical line: its bytes without the terminator, and the terminator
// itself ("\r\n", "\n" or empty on an unterminated last line), so untouched
// lines go back to disk exactly as they came. GBK trail bytes never take the
// values of CR or LF, so splitting the raw bytes is safe.
struct RawLine
{
    QByteArray text;
    QByteArray ending;
};

std::vector<RawLine> splitLines(const QByteArray& bytes)
{
    std::vector<RawLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0) {
            lines.push_back({bytes.mid(start), {}});
            break;
        }
        qsizetype end = lf;
        if (end > start && bytes.at(end - 1) == '\r')
            --end;
        lines.push_back({bytes.mid(start, end - start), bytes.mid(end, lf + 1 - end)});
        start = lf + 1;
    }
    return lines;
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodec);
    return decoder.isValid() ? QString(decoder(bytes)) : QString::fromLocal8Bit(bytes);
}

QByteArray encode(const QString& text)
{
    QStringEncoder encoder(kCodec);
    return encoder.isValid() ? QByteArray(encoder(text)) : text.toLocal8Bit();
}

// What a line means to the profile reader.
struct ParsedLine
{
    enum Kind
    {
        Other,
        Section,
        Key
    } kind = Other;
    QString name;  // section or key name, trimmed
    QString value; // key value, trimmed
};

ParsedLine parse(const QByteArray& raw)
{
    const QString line = decode(raw).trimmed();
    if (line.isEmpty() || line.startsWith(u';'))
        return {};
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']');
        if (close > 0)
            return {ParsedLine::Section, line.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0)
        return {};
    const QString key = line.left(eq).trimmed();
    if (key.isEmpty())
        return {};
    return {ParsedLine::Key, key, line.mid(eq + 1).trimmed()};
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key lives in the file: the first section of that name, and within
// it the first key of that name and the last key line of any name.
struct Location
{
    std::optional<size_t> section;
    std::optional<size_t> key;
    std::optional<size_t> lastKey;
    QString value;
};

Location locate(const std::vector<RawLine>& lines, const QString& section, const QString& key)
{
    Location loc;
    for (size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine p = parse(lines[i].text);
        if (p.kind == ParsedLine::Section) {
            if (loc.section)
                break; // the first matching section is the only one looked at
            if (sameName(p.name, section))
                loc.section = i;
        } else if (p.kind == ParsedLine::Key && loc.section) {
            loc.lastKey = i;
            if (!loc.key && sameName(p.name, key)) {
                loc.key = i;
                loc.value = p.value;
            }
        }
    }
    return loc;
}

// The profile reader drops one pair of quotes that wraps the whole value.
QString unquote(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// Keeps the key as spelled in the file, its '=' and the blanks after it.
QByteArray replaceValue(const QByteArray& raw, const QByteArray& value)
{
    qsizetype pos = raw.indexOf('=') + 1;
    while (pos < raw.size() && (raw.at(pos) == ' ' || raw.at(pos) == '\t'))
        ++pos;
    return raw.left(pos) + value;
}

// A line break inside a value would end its line and start a line of its
// own, which the next read takes as another key or section.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

// Changes one key's value in place, or adds the key (and its section).
void setValue(std::vector<RawLine>& lines, IniValue entry)
{
    entry.section = oneLine(entry.section);
    entry.key = oneLine(entry.key);
    entry.value = oneLine(entry.value);
    const QByteArray keyLine = encode(entry.key) + '=' + encode(entry.value);
    const Location loc = locate(lines, entry.section, entry.key);
    if (loc.key) {
        lines[*loc.key].text = replaceValue(lines[*loc.key].text, encode(entry.value));
        return;
    }
    const size_t at = loc.section ? loc.lastKey.value_or(*loc.section) + 1 : lines.size();
    std::vector<RawLine> added;
    if (!loc.section)
        added.push_back({'[' + encode(entry.section) + ']', kNewLine});
    added.push_back({keyLine, kNewLine});
    if (at > 0 && lines[at - 1].ending.isEmpty())
        lines[at - 1].ending = kNewLine;
    lines.insert(lines.begin() + qsizetype(at), added.begin(), added.end());
}

} // namespace

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    const Location loc = locate(splitLines(file.readAll()), section, key);
    return loc.key ? unquote(loc.value) : defaultValue;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) const
{
    writeStrings({{section, key, value}});
}

void IniFile::writeStrings(const std::vector<IniValue>& values) const
{
    std::vector<RawLine> lines;
    if (QFileInfo::exists(m_path)) {
        // An existing file that cannot be read must not be replaced by one
        // holding only these keys.
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            throw IniWriteError(m_path);
        lines = splitLines(file.readAll());
    }
    for (const IniValue& entry : values)
        setValue(lines, entry);

    QByteArray bytes;
    for (const RawLine& line : lines)
        bytes += line.text + line.ending;

    // QSaveFile leaves the old file in place unless the whole new one is
    // written. Unbuffered, a failed write reports its own errno, which tells
    // a full disk from any other failure.
    QSaveFile out(m_path);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size() || !out.commit())
        throw IniWriteError(m_path, errno == ENOSPC);
}
