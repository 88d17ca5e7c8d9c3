#pragma once

// What every reader of draws shares: the draws it yields, its limits, and
// DrawKeeper, through which each draw it finds passes. The readers are
// DrawText (text) and WorkbookReader (.xlsx); HistoryFile picks one for a file.

#include "core/Game.h"

#include <QByteArray>
#include <QDate>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

class ImportFileError : public std::runtime_error
{
public:
    explicit ImportFileError(const QString& message);
    QString text() const { return QString::fromUtf8(what()); }
};

struct ImportLine
{
    int line = 0; // counted from 1
    QString issue;
    QString number;
};

struct BadLine
{
    int line = 0;
    QString text;
    bool operator==(const BadLine&) const = default;
};

// What a reader keeps of lines that hold no draw: their first characters,
// as the messages show them, and only so many lines; the rest are counted.
namespace ImportLimits {
constexpr qsizetype kBadLineShown = 120;
constexpr size_t kBadLinesKept = 500;
// A text history of every draw since 2002 is under a megabyte.
constexpr qint64 kTextFileBytes = qint64(256) << 20;
// What a result page's text may hold.
constexpr qsizetype kPageTextChars = qsizetype(32) << 20;
// The largest real history is under 10,000 draws: a text or workbook listing
// more than this is no history, and reading it on would only cost memory.
constexpr int kMostDraws = 2'000'000;
// A result query's JSON answer is parsed whole; a real one is well under a megabyte.
constexpr qsizetype kJsonAnswerChars = qsizetype(32) << 20;
} // namespace ImportLimits

struct ImportFile
{
    std::vector<ImportLine> draws; // in file order
    std::vector<BadLine> bad;      // lines that hold no draw (at most kBadLinesKept)
    int badNotKept = 0;            // further such lines, counted only
    int repeats = 0;               // lines repeating a kept line's draw exactly, counted only
    bool hasHeader = false;
    QString refusal;               // why the text was not read (a limit it exceeds); no draws then
};

// Where every reader puts the draws it finds. A draw the entry panel would
// refuse (entryInputProblem: an issue no draw can carry, with the reason)
// becomes a bad line; an exact repeat of a kept draw is only counted, so a
// line repeated a million times costs one draw; a draw beyond
// ImportLimits::kMostDraws refuses the whole text.
class DrawKeeper
{
public:
    using Shown = std::function<QString(const ImportLine&)>;
    // `shown` is how a refused draw is listed; by default "<issue> <number>".
    explicit DrawKeeper(ImportFile& file, std::optional<Game> game = std::nullopt, Shown shown = {});
    enum class Outcome
    {
        Kept,
        Repeat,
        Bad,
        Refused // the text is refused: the reader stops there
    };
    Outcome add(ImportLine draw);
    bool refused() const { return !m_file->refusal.isEmpty(); }
    // Forgets the draws seen, for the next text.
    void reset() { m_seen.clear(); }

private:
    ImportFile* m_file;
    std::optional<Game> m_game;
    Shown m_shown;
    QDate m_today;
    QSet<quint64> m_seen;
};

// Lists a line that holds no draw within the limits above.
void addBadLine(ImportFile& file, int line, QStringView text);

// The text of a file's bytes: UTF-8 (with or without its mark), else GBK.
QString decodeText(const QByteArray& bytes);
