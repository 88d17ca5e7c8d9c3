#pragma once

// Where the draw history (db1.mdb, 备份数据.mdb) and the user's files (user/)
// live. A build or a portable install keeps them beside the program, as it
// always did; a program installed where the user keeps no history (the
// package in /usr/bin) keeps them in the user's own data folder.

#include <QString>

// $XDG_DATA_HOME/quorvane when that is an absolute path, else
// $HOME/.local/share/quorvane; empty without a usable HOME, and the program
// then stops with noDataFolderText().
QString userDataFolder();
QString noDataFolderText();

// The program's folder when it holds a db1.mdb this user may write, else
// userDataFolder() (empty without a home). Whether the folder is writable alone cannot tell a build
// from /usr/bin when the user is root; a portable folder gets its db1.mdb
// from quorvane-initdb at install time, so the database is the mark.
QString dataFolder(const QString& programFolder);

// Makes `folder` ready for the program: an empty encrypted draw database and
// the user files with their defaults, each only when missing, so running it
// on a folder in use changes nothing. `error` is empty on success.
struct FolderPreparation
{
    bool databaseCreated = false;
    QString error;
};
FolderPreparation prepareFolder(const QString& folder);

// dataFolder(programFolder), prepared on first use when it is the user's
// data folder. A failed preparation shows later, when the database opens.
QString openDataFolder(const QString& programFolder);
