#include "core/IssueList.h"

void IssueList::append(const QString& issue)
{
    m_text += issue.toUtf8();
    m_ends.push_back(quint32(m_text.size()));
}

QString IssueList::at(int i) const
{
    const quint32 begin = i == 0 ? 0 : m_ends[size_t(i) - 1];
    return QString::fromUtf8(m_text.constData() + begin, qsizetype(m_ends[size_t(i)] - begin));
}
