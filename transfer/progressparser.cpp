#include "transfer/progressparser.h"

namespace Zarnet {

QVector<ProgressBlock> ProgressParser::feed(const QByteArray &chunk)
{
    QVector<ProgressBlock> blocks;
    for (const QByteArray &text : m_lines.feed(chunk))
        line(text, &blocks);
    return blocks;
}

void ProgressParser::line(const QByteArray &text, QVector<ProgressBlock> *blocks)
{
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return;
    const QByteArray key = text.left(equals).trimmed();
    const QByteArray value = text.mid(equals + 1).trimmed();
    bool ok = false;
    if (key == "out_time_us") {
        const qint64 us = value.toLongLong(&ok);
        if (ok)
            m_block.outTimeUs = us;
    } else if (key == "total_size") {
        const qint64 size = value.toLongLong(&ok);
        if (ok)
            m_block.totalSize = size;
    } else if (key == "speed") {
        QByteArray number = value;
        if (number.endsWith('x'))
            number.chop(1);
        const double speed = number.toDouble(&ok);
        if (ok)
            m_block.speed = speed;
    } else if (key == "progress") {
        m_block.end = value == "end";
        blocks->append(m_block);
        m_block = ProgressBlock();
    }
}

} // namespace Zarnet
