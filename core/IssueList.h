#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// A long list of issue texts packed into one buffer: a million issues take a
// few megabytes instead of one string object each.
class IssueList
{
public:
    void append(const QString& issue);
    void reserve(int count) { m_ends.reserve(count); }
    int size() const { return int(m_ends.size()); }
    bool isEmpty() const { return m_ends.empty(); }
    QString at(int i) const;
    QString last() const { return isEmpty() ? QString() : at(size() - 1); }
    // The position of `issue` in a list in ascending text order, -1 if absent.
    int indexOf(const QString& issue) const;
    void squeeze() { m_text.squeeze(); }

private:
    QByteArray m_text;           // the issues back to back (UTF-8)
    std::vector<quint32> m_ends; // end of each issue in m_text
};
