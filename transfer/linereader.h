#pragma once

#include <QByteArray>
#include <QList>

namespace Zarnet {

// Cuts a child's output, read in chunks cut anywhere, into whole lines: the
// unfinished tail waits for the next chunk. Lines may end in \n, \r\n or \r;
// empty lines are dropped.
class LineReader
{
public:
    // limit > 0 keeps at most that much of a line that never ends.
    explicit LineReader(qsizetype limit = 0)
        : m_limit(limit)
    {
    }
    QList<QByteArray> feed(const QByteArray &chunk);

private:
    QByteArray m_tail;
    qsizetype m_limit;
};

} // namespace Zarnet
