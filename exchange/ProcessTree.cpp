#include "exchange/ProcessTree.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <csignal>
#include <unistd.h>
#include <unordered_map>

namespace {

QByteArray readProcFile(pid_t pid, const char* name, qint64 most)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(most);
}

// The parent named in /proc/PID/stat: the fields after the command, which
// may itself hold blanks and brackets, so counted from the last ')'.
pid_t parentOf(pid_t pid)
{
    const QByteArray stat = readProcFile(pid, "stat", 1024);
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    return fields.size() > 1 ? pid_t(fields[1].toInt()) : -1;
}

qint64 kilobytesAfter(const QByteArray& text, const QByteArray& label)
{
    const qsizetype at = text.indexOf(label);
    if (at < 0)
        return -1;
    return text.mid(at + label.size()).trimmed().split(' ').value(0).toLongLong();
}

} // namespace

std::vector<pid_t> processTree(pid_t root)
{
    std::unordered_multimap<pid_t, pid_t> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    bool rootAlive = false;
    for (const QString& entry : entries) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (!number)
            continue;
        rootAlive = rootAlive || pid == root;
        if (const pid_t parent = parentOf(pid); parent > 0)
            children.emplace(parent, pid);
    }
    std::vector<pid_t> tree;
    if (!rootAlive)
        return tree;
    tree.push_back(root);
    for (size_t i = 0; i < tree.size(); ++i) {
        const auto [first, last] = children.equal_range(tree[i]);
        for (auto it = first; it != last; ++it)
            tree.push_back(it->second);
    }
    return tree;
}

qint64 treeMemoryBytes(const std::vector<pid_t>& processes)
{
    static const qint64 pageBytes = sysconf(_SC_PAGESIZE);
    qint64 total = 0;
    for (const pid_t pid : processes) {
        const qint64 pss = kilobytesAfter(readProcFile(pid, "smaps_rollup", 4096), "\nPss:");
        if (pss >= 0) {
            total += pss * 1024;
            continue;
        }
        const QList<QByteArray> statm = readProcFile(pid, "statm", 256).split(' ');
        total += statm.value(1).toLongLong() * pageBytes;
    }
    return total;
}

void killTree(pid_t root)
{
    for (const pid_t pid : processTree(root))
        ::kill(pid, SIGKILL);
}
