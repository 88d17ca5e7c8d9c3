#pragma once

// INI profile files in the GBK encoding, read and written the way the
// classic profile functions do: a missing file, section or key reads as the
// default; a write changes only its own key line, keeps every other line as
// it was, and creates the file and the section when needed. Section and key
// names match without regard to letter case.

#include "core/StorageError.h"

#include <QString>
#include <vector>

class IniWriteError : public StorageError
{
public:
    explicit IniWriteError(const QString& path, bool diskFull = false);
};

struct IniValue
{
    QString section, key, value;
};

class IniFile
{
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Throws IniWriteError ("无法写入 <path>") when the file cannot be written;
    // the file on disk is then unchanged.
    void writeString(const QString& section, const QString& key, const QString& value) const;
    // Several keys in one replace of the file: all of them are saved or none.
    void writeStrings(const std::vector<IniValue>& values) const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};
