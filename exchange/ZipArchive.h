#pragma once

// Reading entries of a zip archive held in memory (an .xlsx workbook is one).
// What an entry inflates to is capped: a small damaged or hostile archive can
// claim, and inflate to, gigabytes.

#include <QByteArray>
#include <functional>

class ZipArchive
{
public:
    // Throws ImportFileError when the bytes are no zip archive.
    explicit ZipArchive(const QByteArray& bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool contains(const char* name) const;
    // Hands the inflated bytes of the entry to `chunk` piece by piece. Throws
    // ImportFileError when the entry is missing, encrypted, damaged or
    // inflates to more than `cap` bytes.
    void read(const char* name, qint64 cap, const std::function<void(const char*, int)>& chunk) const;
    QByteArray read(const char* name, qint64 cap) const;

    struct Memory
    {
        const QByteArray* bytes = nullptr;
        quint64 position = 0;
    };

private:
    Memory m_memory;
    void* m_zip = nullptr;
};
