#include "exchange/DrawRows.h"

#include "exchange/DrawFields.h"

#include <QVarLengthArray>
#include <algorithm>
#include <utility>

using namespace DrawFields;

namespace {

enum class Split
{
    AnySeparator,
    Tab,
    Comma,
    Blank
};

using Cells = QVarLengthArray<QStringView, 16>;

// A row never needs more cells than this: a header naming a column further
// right is no draw table, and a line of a megabyte costs no more than its scan.
constexpr qsizetype kMostCells = 64;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\u3000' || c == u'\u00A0';
}

bool isComma(QChar c)
{
    return c == u',' || c == u'，';
}

bool separates(QChar c, Split split)
{
    switch (split) {
    case Split::Tab:
        return c == u'\t';
    case Split::Comma:
        return isComma(c);
    case Split::Blank:
        return isBlank(c) || c == u'\t';
    case Split::AnySeparator:
        break;
    }
    return isBlank(c) || isComma(c) || c == u'\t' || c == u';' || c == u'；' || c == u'|';
}

// Tab and comma rows keep their empty cells (a column stays a column); blank
// and free lines split at runs. A cell in double quotes runs to its closing
// quote, separators and all.
Cells splitCells(QStringView line, Split split, qsizetype most = kMostCells)
{
    const bool runs = split == Split::AnySeparator || split == Split::Blank;
    Cells cells;
    qsizetype i = 0;
    while (cells.size() < most) {
        if (runs)
            while (i < line.size() && separates(line[i], split))
                ++i;
        if (i >= line.size() && (runs || cells.isEmpty() || i > line.size()))
            break;
        qsizetype start = i;
        qsizetype end = -1;
        if (i < line.size() && line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            if (close > 0) {
                start = i + 1;
                end = close;
                i = close + 1;
            }
        }
        while (i < line.size() && !separates(line[i], split))
            ++i;
        if (end < 0)
            end = i;
        cells.append(line.mid(start, end - start).trimmed());
        ++i; // past the separator; beyond the end when the line ended
    }
    return cells;
}

// Blank-separated rows: a date with its time and weekday is one cell, and so
// are three single digits when the header names one number column.
Cells mergeBlankCells(QStringView line, const Cells& tokens, bool joinDigits)
{
    const auto joined = [&](qsizetype first, qsizetype last) {
        const qsizetype start = tokens[first].data() - line.data();
        const qsizetype end = tokens[last].data() - line.data() + tokens[last].size();
        return line.mid(start, end - start);
    };
    Cells cells;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        qsizetype last = i;
        if (isDate(tokens[i])) {
            while (last + 1 < tokens.size() && (isTime(tokens[last + 1]) || isWeekday(tokens[last + 1])))
                ++last;
        } else if (joinDigits && i + 2 < tokens.size() && isSingleDigit(tokens[i]) && isSingleDigit(tokens[i + 1]) &&
                   isSingleDigit(tokens[i + 2])) {
            last = i + 2;
        }
        cells.append(joined(i, last));
        i = last;
    }
    return cells;
}

// Result pages print their values after labels ("开奖号码：073"), and lines
// copied from them may start with the game's name; both are set aside.
QStringView withoutLabel(QStringView cell)
{
    static const QStringView labels[] = {u"开奖号码", u"开奖日期", u"期号", u"号码"};
    for (QStringView label : labels)
        if (cell.startsWith(label)) {
            cell = cell.mid(label.size());
            if (cell.startsWith(u'：') || cell.startsWith(u':'))
                cell = cell.mid(1);
            return cell.trimmed();
        }
    return cell;
}

bool isGameName(QStringView cell)
{
    static const QStringView names[] = {u"福彩3D", u"福彩3d", u"3D", u"3d", u"排列3", u"排列三", u"体彩排列3", u"体彩排列三"};
    return std::find(std::begin(names), std::end(names), cell) != std::end(names);
}

// Issue, then an optional date, time and weekday, then the number; fields
// after it are ignored. A short group right before a single digit is the
// start of a broken number, not a number with zeros dropped. Labels, a game
// name first and a date before the issue are read too.
bool readFree(QStringView line, ImportLine& draw)
{
    constexpr qsizetype kFieldsRead = 12; // name, issue, labels, date, time, weekday, three digits and one more
    const Cells cells = splitCells(line, Split::AnySeparator, kFieldsRead);
    Cells fields;
    for (QStringView cell : cells) {
        if (fields.isEmpty() && isGameName(cell))
            continue;
        cell = withoutLabel(cell);
        if (!cell.isEmpty())
            fields.append(cell);
    }
    const qsizetype n = fields.size();
    if (n < 2)
        return false;
    if (n > 2 && isDate(fields[0]) && !issueOf(fields[1]).isEmpty())
        std::swap(fields[0], fields[1]);
    draw.issue = issueOf(fields[0]);
    if (draw.issue.isEmpty())
        return false;
    qsizetype i = 1;
    if (isDate(fields[i]))
        ++i;
    if (i < n && isTime(fields[i]))
        ++i;
    if (i < n && isWeekday(fields[i]))
        ++i;
    if (i >= n)
        return false;
    if (i + 2 < n && isSingleDigit(fields[i]) && isSingleDigit(fields[i + 1]) && isSingleDigit(fields[i + 2])) {
        draw.number = fields[i].toString() + fields[i + 1][0] + fields[i + 2][0];
        return true;
    }
    if (fields[i].size() < 3 && i + 1 < n && isSingleDigit(fields[i + 1]))
        return false;
    draw.number = numberOfCell(fields[i]);
    return !draw.number.isEmpty();
}

bool startsWithDigit(QStringView text)
{
    return !text.isEmpty() && text[0] >= u'0' && text[0] <= u'9';
}

} // namespace

struct DrawRowReader::Header
{
    Split split = Split::Comma;
    qsizetype columns = 0; // cells of the header row
    qsizetype issue = -1;
    qsizetype number = -1;
    qsizetype digits[3] = {-1, -1, -1}; // 百位, 十位, 个位
    qsizetype last() const { return std::max({issue, number, digits[0], digits[1], digits[2]}); }
};

DrawRowReader::DrawRowReader(std::optional<Game> game) : m_keeper(m_file, game) {}
DrawRowReader::~DrawRowReader() = default;

bool DrawRowReader::readHeader(QStringView text)
{
    auto header = std::make_unique<Header>();
    header->split = text.contains(u'\t')                                                        ? Split::Tab
                    : std::any_of(text.begin(), text.end(), [](QChar c) { return isComma(c); }) ? Split::Comma
                                                                                                : Split::Blank;
    const Cells cells = splitCells(text, header->split);
    header->columns = cells.size();
    // The first cell of each name counts.
    const auto take = [](qsizetype& column, qsizetype at) {
        if (column < 0)
            column = at;
    };
    for (qsizetype at = 0; at < cells.size(); ++at) {
        switch (columnNamed(cells[at])) {
        case Column::Issue:
            take(header->issue, at);
            break;
        case Column::Number:
            take(header->number, at);
            break;
        case Column::Hundreds:
            take(header->digits[0], at);
            break;
        case Column::Tens:
            take(header->digits[1], at);
            break;
        case Column::Ones:
            take(header->digits[2], at);
            break;
        case Column::Date:
        case Column::Other:
            break;
        }
    }
    const bool digitColumns = header->digits[0] >= 0 && header->digits[1] >= 0 && header->digits[2] >= 0;
    if (header->issue < 0 || (header->number < 0 && !digitColumns))
        return false;
    if (header->number >= 0 && digitColumns)
        std::fill(std::begin(header->digits), std::end(header->digits), -1); // the number's own column wins
    m_header = std::move(header);
    return true;
}

// `shaped` tells whether the row has the header's columns at all: a row that
// has them is read by them or not at all; one that has not (a line of other
// text on the page) is read as a line.
bool DrawRowReader::readByColumns(QStringView text, ImportLine& draw, bool& shaped) const
{
    const Header& h = *m_header;
    // Built once, never move-assigned: Qt 6.4's QVarLengthArray loses the
    // heap buffer of the array it moves onto.
    const Cells split = splitCells(text, h.split);
    const Cells cells = h.split == Split::Blank ? mergeBlankCells(text, split, h.number >= 0) : split;
    shaped = cells.size() > h.last();
    if (!shaped)
        return false;
    draw.issue = issueOf(cells[h.issue]);
    if (draw.issue.isEmpty())
        return false;
    if (h.number >= 0) {
        const qsizetype at = h.number;
        // A number written in three cells under one column title.
        if (cells.size() >= h.columns + 2 && at + 2 < cells.size() && isSingleDigit(cells[at]) &&
            isSingleDigit(cells[at + 1]) && isSingleDigit(cells[at + 2]))
            draw.number = cells[at].toString() + cells[at + 1][0] + cells[at + 2][0];
        else
            draw.number = numberOfCell(cells[at]);
    } else {
        draw.number.clear();
        for (const qsizetype at : h.digits)
            if (isSingleDigit(cells[at]))
                draw.number += cells[at];
        if (draw.number.size() != 3)
            draw.number.clear();
    }
    return !draw.number.isEmpty();
}

void DrawRowReader::read(int line, QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || refused())
        return;
    if (!m_lastDrawLine.isEmpty() && text == m_lastDrawLine) {
        ++m_file.repeats;
        return;
    }
    m_lastDrawLine.clear(); // a header between two equal lines may read them differently
    const bool first = std::exchange(m_firstContent, false);
    ImportLine draw{line, {}, {}};
    bool shaped = false;
    const auto keep = [&] {
        const DrawKeeper::Outcome outcome = m_keeper.add(std::move(draw));
        const bool drawn = outcome == DrawKeeper::Outcome::Kept || outcome == DrawKeeper::Outcome::Repeat;
        // A draw's line is short; a longer one is not worth its copy.
        if (drawn && text.size() <= 256)
            m_lastDrawLine = text.toString();
    };
    if (m_header && readByColumns(text, draw, shaped)) {
        keep();
    } else if (!shaped && readFree(text, draw)) {
        keep();
    } else if (!startsWithDigit(text) && readHeader(text)) {
        m_file.hasHeader = true;
    } else if (first && !startsWithDigit(text)) {
        m_file.hasHeader = true; // a title line of names we do not know
    } else {
        addBadLine(m_file, line, text);
    }
}

ImportFile DrawRowReader::take()
{
    ImportFile file = std::move(m_file);
    m_file = {};
    m_keeper.reset();
    m_lastDrawLine.clear();
    m_header.reset();
    m_firstContent = true;
    return file;
}

ImportFile readDrawLines(QStringView text, std::optional<Game> game)
{
    DrawRowReader reader(game);
    int lineNumber = 0;
    for (qsizetype start = 0; start < text.size() && !reader.refused();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        reader.read(++lineNumber, text.mid(start, end - start));
        start = end + (text.mid(end, 2) == u"\r\n" ? 2 : 1);
    }
    return reader.take();
}
