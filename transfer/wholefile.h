#pragma once

#include <QByteArray>

#include <limits>

namespace Zarnet {

// A small file's whole content through a descriptor the caller opened safely
// (no links, no waiting), read or replaced in full despite short transfers
// and interrupted calls.
class WholeFile
{
public:
    // Everything from the start, up to limit bytes (the rest is not read).
    static QByteArray read(int fd, qint64 limit = std::numeric_limits<int>::max());
    // The file cut to nothing, then bytes written from its start.
    static bool replace(int fd, const QByteArray &bytes);
};

} // namespace Zarnet
