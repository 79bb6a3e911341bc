#pragma once

#include "transfer/linereader.h"

#include <QByteArray>
#include <QVector>

namespace Zarnet {

// One block of ffmpeg's -progress output, closed by "progress=continue" or
// "progress=end".
struct ProgressBlock
{
    qint64 outTimeUs = -1; // -1: not known yet
    qint64 totalSize = -1;
    double speed = 0;
    bool end = false;
};

// Reads ffmpeg's key=value progress lines from output cut anywhere.
class ProgressParser
{
public:
    QVector<ProgressBlock> feed(const QByteArray &chunk);

private:
    void line(const QByteArray &text, QVector<ProgressBlock> *blocks);

    LineReader m_lines;
    ProgressBlock m_block;
};

} // namespace Zarnet
