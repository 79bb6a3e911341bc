#include "transfer/wholefile.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace Zarnet {

QByteArray WholeFile::read(int fd, qint64 limit)
{
    QByteArray text;
    char buffer[4096];
    while (text.size() < limit) {
        const ssize_t got
            = ::pread(fd, buffer, size_t(std::min<qint64>(sizeof buffer, limit - text.size())), text.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        text.append(buffer, got);
    }
    return text;
}

bool WholeFile::replace(int fd, const QByteArray &bytes)
{
    if (::ftruncate(fd, 0) != 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace Zarnet
