#pragma once

#include <QStringList>

// The desktop helpers behind the tools menu: the first of a list of common
// programs that is installed is started, without waiting for it.
namespace ExternalPrograms {
QStringList calculators();
QStringList editors();
// The full path of the first candidate found on PATH; empty when none is.
QString findFirst(const QStringList& candidates);
// False when no candidate is installed or it could not be started.
bool startFirstFound(const QStringList& candidates);
} // namespace ExternalPrograms
