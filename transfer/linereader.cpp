#include "transfer/linereader.h"

namespace Zarnet {

QList<QByteArray> LineReader::feed(const QByteArray &chunk)
{
    QList<QByteArray> lines;
    m_tail += chunk;
    qsizetype start = 0;
    for (qsizetype i = 0; i < m_tail.size(); ++i) {
        const char c = m_tail.at(i);
        if (c != '\n' && c != '\r')
            continue;
        if (i > start)
            lines.append(m_tail.mid(start, i - start));
        start = i + 1;
    }
    m_tail.remove(0, start);
    if (m_limit > 0 && m_tail.size() > m_limit)
        m_tail.remove(0, m_tail.size() - m_limit);
    return lines;
}

} // namespace Zarnet
