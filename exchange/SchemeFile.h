#pragma once

// Selection schemes: every setting of the selection window saved under a
// name the user gives, as <folder>/user/方案/<名称>.ini (GBK INI, one key per
// condition, readable and editable by hand), and read back exactly.

#include "core/BetGeneration.h"
#include "core/Game.h"
#include "core/RandomSelection.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// What the history held when a scheme was saved: the draws of `game` after
// `issue` could not have been used to tune it.
struct SchemeMark
{
    Game game = Game::Fucai;
    QString issue; // the latest stored issue; empty when the history was empty
    QDate date;
};

struct SelectionScheme
{
    GenerationInput manual; // digit rows in their order, every condition with its bounds, single sums, limit
    BetKind kind = BetKind::Direct;
    RandomConditions random; // its extended conditions are the manual ones
    QString randomCount;
    std::optional<SchemeMark> saved; // none in a scheme saved before the mark was kept
};

// A scheme that cannot be saved or read; the text names what went wrong.
class SchemeError : public std::runtime_error
{
public:
    explicit SchemeError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

namespace Schemes {
inline constexpr int kMaxNameLength = 40;

// <userFolder>/user/方案
QString folder(const QString& userFolder);
// Why a name cannot name a scheme file, or empty when it can: it must not be
// empty or too long, nor hold a path separator, "..", a leading dot,
// characters other systems refuse in file names or control characters.
QString nameProblem(const QString& name);
// The names of the saved schemes, sorted.
QStringList names(const QString& userFolder);
bool exists(const QString& userFolder, const QString& name);
// Writes the whole file or leaves the old one; throws SchemeError.
void save(const QString& userFolder, const QString& name, const SelectionScheme& scheme);
// Throws SchemeError naming the first entry that could not be read.
SelectionScheme load(const QString& userFolder, const QString& name);
// Deletes a saved scheme; throws SchemeError when it cannot.
void remove(const QString& userFolder, const QString& name);
// Why scheme `from` cannot be named `to`, or empty when it can: the new name
// is checked as saving checks it and must not name another scheme.
QString renameProblem(const QString& userFolder, const QString& from, const QString& to);
// Gives a saved scheme another name; throws SchemeError with the rename's
// problem, or when the file cannot be renamed (it then keeps its old name).
void rename(const QString& userFolder, const QString& from, const QString& to);
} // namespace Schemes
