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

int IssueList::indexOf(const QString& issue) const
{
    int low = 0, high = size();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (at(middle) < issue)
            low = middle + 1;
        else
            high = middle;
    }
    return low < size() && at(low) == issue ? low : -1;
}
