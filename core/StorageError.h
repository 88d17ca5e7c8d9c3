#pragma once

#include <QString>
#include <stdexcept>

// A failed read or write of stored data: the database or a user file. It
// knows whether the disk was full, so that a command can say what it could
// not save and why, whatever layer the failure came from.
class StorageError : public std::runtime_error
{
public:
    StorageError(const QString& message, bool diskFull)
        : std::runtime_error(message.toStdString()), m_diskFull(diskFull)
    {
    }
    QString text() const { return QString::fromUtf8(what()); }
    bool diskFull() const { return m_diskFull; }

private:
    bool m_diskFull;
};
