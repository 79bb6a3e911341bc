#pragma once

#include "transfer/linereader.h"

#include <QByteArray>

namespace Zarnet {

// Reads xorriso's "  12.34% done" lines from its standard error cut
// anywhere: the unfinished tail waits for the next chunk.
class ImageProgressParser
{
public:
    // The fraction done by the last whole line that gave one, or -1 when
    // none in this chunk did.
    double feed(const QByteArray &chunk);

private:
    // A line never ends: keep only what a progress line could need.
    LineReader m_lines { 4096 };
};

} // namespace Zarnet
