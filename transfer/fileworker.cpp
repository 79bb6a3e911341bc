#include "transfer/fileworker.h"

#include "transfer/localname.h"
#include "transfer/partfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zarnet {

namespace {
constexpr size_t Chunk = size_t(8) << 20;
constexpr std::chrono::milliseconds WriteBehindPeriod { 200 };
} // namespace

FileWorker::FileWorker(QObject *parent)
    : QObject(parent)
{
}

FileWorker::~FileWorker()
{
    cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void FileWorker::cancel()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cancelled = true;
    }
    m_wake.notify_all();
}

void FileWorker::report(bool ok, const QString &error)
{
    QMetaObject::invokeMethod(
        this, [this, ok, error] { emit done(ok, error); }, Qt::QueuedConnection);
}

void FileWorker::copy(const QString &source, int partDescriptor)
{
    m_thread = std::thread([this, path = LocalName::encode(source), out = partDescriptor] {
        const int in = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        struct stat info;
        if (in < 0 || ::fstat(in, &info) != 0) {
            m_sourceFailed = true;
            report(false, tr("cannot read the source: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
            if (in >= 0)
                ::close(in);
            return;
        }
        m_total = info.st_size;
        off_t offset = 0;
        QString error;
        while (offset < info.st_size && !m_cancelled) {
            const ssize_t sent
                = ::sendfile(out, in, &offset, std::min<size_t>(Chunk, size_t(info.st_size - offset)));
            if (sent < 0 && errno == EINTR)
                continue;
            if (sent < 0) {
                // The source's own read errors come back from sendfile too.
                m_sourceFailed = errno == EIO && ::access(path.constData(), R_OK) != 0;
                error = m_sourceFailed
                    ? tr("cannot read the source: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))
                    : PartFile::writeError(errno);
                break;
            }
            if (sent == 0) {
                m_sourceFailed = true;
                error = tr("the source got shorter while it was copied");
                break;
            }
            // Start writing each chunk out now rather than all of it at the fsync.
            ::sync_file_range(out, offset - sent, sent, SYNC_FILE_RANGE_WRITE);
            m_bytes = offset;
        }
        ::close(in);
        if (m_cancelled)
            error = tr("cancelled");
        report(error.isEmpty(), error);
    });
}

void FileWorker::writeBehind(int partDescriptor)
{
    // A descriptor of its own: the part's may be closed before this thread ends.
    const int fd = ::fcntl(partDescriptor, F_DUPFD_CLOEXEC, 0);
    m_thread = std::thread([this, fd] {
        while (fd >= 0) {
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                if (m_wake.wait_for(lock, WriteBehindPeriod, [this] { return m_cancelled.load(); }))
                    break;
            }
            ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        }
        if (fd >= 0)
            ::close(fd);
        report(true, {});
    });
}

void FileWorker::commit(const std::vector<PartFile::Move> &moves, bool replace)
{
    m_thread = std::thread([this, moves, replace] {
        QString error;
        const bool ok = PartFile::commit(moves, replace, &error);
        report(ok, error);
    });
}

void FileWorker::run(std::function<QString()> job)
{
    m_thread = std::thread([this, job = std::move(job)] {
        const QString error = job();
        report(error.isEmpty(), error);
    });
}

} // namespace Zarnet
