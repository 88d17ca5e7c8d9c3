#pragma once

// Takes the write permission of a folder away for a scope, so that creating,
// renaming or removing a file in it fails as it would for a user whose folder
// is read-only. Files already in the folder stay writable. Root ignores
// permissions, so for root the scope also drops the capabilities that let
// it do so, and gives them back at its end.

#include <QFile>
#include <QString>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(QString folder) : m_folder(std::move(folder))
    {
        m_permissions = QFile::permissions(m_folder);
        QFile::setPermissions(m_folder, m_permissions & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup |
                                                          QFile::WriteOther));
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        m_dropped = syscall(SYS_capget, &m_header, m_saved) == 0;
        if (m_dropped) {
            __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
            for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
                lowered[cap / 32].effective &= ~(1u << (cap % 32));
            m_dropped = syscall(SYS_capset, &m_header, lowered) == 0;
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_dropped)
            syscall(SYS_capset, &m_header, m_saved);
        QFile::setPermissions(m_folder, m_permissions);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString m_folder;
    QFile::Permissions m_permissions;
    __user_cap_header_struct m_header{};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
};
