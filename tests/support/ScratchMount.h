#pragma once

// A small tmpfs mounted over a test's folder, so that a test can fill the
// disk under the program. The mount lives
// in the test process's own mount namespace, so nothing outside sees it and
// it goes away with the process even when a test crashes. Needs the rights
// to mount (root, or a user namespace); `available()` says whether it worked.

#include <QString>
#include <sys/mount.h>
#include <sched.h>

class ScratchMount
{
public:
    ScratchMount(const QString& folder, int kilobytes) : m_folder(folder.toLocal8Bit())
    {
        static const bool privateNamespace =
            unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        m_mounted =
            privateNamespace && mount("quorvane-test", m_folder.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool available() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
