#pragma once

// Replacing a database file whole, for the store's own file operations: a
// copy is made beside the target and renamed over it, so readers see the old
// file or the complete new one, never a part.

#include <QDateTime>
#include <QString>
#include <QStringList>

// An unused name beside `path`, so a later rename stays on one file system.
QString siblingTempPath(const QString& path, const char* tag);
// The engine's side files: a log or journal left beside a file would be
// replayed into whatever file next takes that name.
void removeSideFiles(const QString& path);
void removeWithSideFiles(const QString& path);
// Makes a rename in the folder of `path` survive a power cut.
void syncFolder(const QString& path);
// Atomic replace that survives a power cut; false when the rename fails.
bool replaceFile(const QString& from, const QString& to);

// When this process started: files last changed before it cannot be the
// work of anything this process is doing.
QDateTime processStartTime();
// Removes what a killed creation, backup or restore left in `folder`: files
// named as siblingTempPath names a database's ("db1.mdb.new-1a2b3c4d") and
// their side files, last changed before `before` and locked by no process.
// Returns the names removed.
QStringList removeLeftovers(const QString& folder, const QDateTime& before = processStartTime());
