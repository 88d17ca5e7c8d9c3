#pragma once

#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <random>

// A fresh folder per test that stands for the application's own folder.
class TestDir
{
public:
    TestDir() { EXPECT_TRUE(m_dir.isValid()); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QDir(path()).mkpath(QFileInfo(file(name)).path());
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private:
    QTemporaryDir m_dir;
};

// Bytes that are no database and no text: a damaged file's stand-in.
inline QByteArray randomBytes(int size)
{
    std::mt19937 random(42);
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random());
    return bytes;
}

// Every file and folder below `folder`, with the files' bytes: two calls
// compare equal only when nothing was written, added or removed there.
inline std::map<QString, QByteArray> folderContents(const QString& folder)
{
    std::map<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        entries[it.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<folder>");
    }
    return entries;
}
