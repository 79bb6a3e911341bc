#include "transfer/partfile.h"

#include "transfer/pinnedfolder.h"
#include "transfer/runjournal.h"
#include "transfer/targetnames.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace Zarnet {

namespace {
const QString Suffix = QStringLiteral(".kavo-part");

bool same(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// FAT drivers and some FUSE ones do not sync folders; the data is what counts.
bool syncFolder(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOSYS;
}
} // namespace

PartFile::~PartFile()
{
    remove();
}

QString PartFile::partName(const QString &finalName)
{
    // Within the file system's 255 bytes whatever the final name's length,
    // with room for ".99" when the name is taken.
    return QLatin1Char('.') + TargetNames::cut(finalName, 255, 255 - 1 - int(Suffix.size()) - 3) + Suffix;
}

bool PartFile::create(
    const PinnedFolder &folder, const QString &finalName, RunJournal *journal, QString *error)
{
    remove();
    // A new file or none: whatever is at a name already (another run's part,
    // a user's file, a link, a FIFO) is not opened, so never truncated,
    // followed or waited on.
    for (int n = 1; n <= 100; ++n) {
        const QString name = n == 1
            ? partName(finalName)
            : partName(finalName).chopped(Suffix.size()) + QLatin1Char('.') + QString::number(n) + Suffix;
        const int fd = ::openat(folder.descriptor(), QFile::encodeName(name).constData(),
            O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST)
            continue;
        struct stat info;
        if (fd < 0 || ::fstat(fd, &info) != 0) {
            *error = writeError(errno);
            if (fd >= 0)
                ::close(fd);
            return false;
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        m_fd = fd;
        m_folderFd = ::fcntl(folder.descriptor(), F_DUPFD_CLOEXEC, 0);
        m_name = name;
        m_folder = folder.path();
        m_path = folder.filePath(name);
        m_device = info.st_dev;
        m_inode = info.st_ino;
        m_journal = journal;
        if (m_journal)
            m_journal->add({ m_folder, m_name, m_device, m_inode, false });
        return true;
    }
    *error = tr("too many files are named like this one's part");
    return false;
}

PartFile::PartFile(PartFile &&other) noexcept
{
    *this = std::move(other);
}

PartFile &PartFile::operator=(PartFile &&other) noexcept
{
    if (this != &other) {
        remove();
        m_path = std::exchange(other.m_path, {});
        m_name = std::exchange(other.m_name, {});
        m_folder = std::exchange(other.m_folder, {});
        m_fd = std::exchange(other.m_fd, -1);
        m_folderFd = std::exchange(other.m_folderFd, -1);
        m_device = other.m_device;
        m_inode = other.m_inode;
        m_journal = std::exchange(other.m_journal, nullptr);
    }
    return *this;
}

void PartFile::remove()
{
    if (m_folderFd >= 0 && !m_name.isEmpty())
        RunJournal::removeIfSame(m_folderFd, QFile::encodeName(m_name), m_device, m_inode, false);
    release();
}

void PartFile::release()
{
    if (m_journal && !m_name.isEmpty())
        m_journal->forget(m_folder, m_name);
    close();
}

void PartFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_folderFd >= 0)
        ::close(m_folderFd);
    m_fd = m_folderFd = -1;
    m_path.clear();
    m_name.clear();
    m_folder.clear();
    m_journal = nullptr;
}

bool PartFile::commit(const std::vector<Move> &moves, bool replace, QString *error, bool durable)
{
    std::vector<struct stat> made(moves.size());
    for (size_t i = 0; i < moves.size(); ++i) {
        const Move &move = moves[i];
        const int fd = ::openat(move.fromFolder, QFile::encodeName(move.fromName).constData(),
            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        int code = 0;
        if (fd < 0 || ::fstat(fd, &made[i]) != 0)
            code = errno;
        else if (!S_ISREG(made[i].st_mode))
            code = EINVAL;
        else if (durable && ::fsync(fd) != 0)
            code = errno;
        if (fd >= 0)
            ::close(fd);
        if (code != 0) {
            *error = writeError(code);
            return false;
        }
    }
    const auto undo = [&](size_t count) {
        for (size_t done = 0; done < count; ++done)
            RunJournal::removeIfSame(moves[done].toFolder, QFile::encodeName(moves[done].toName),
                made[done].st_dev, made[done].st_ino, false);
    };
    for (size_t i = 0; i < moves.size(); ++i) {
        const Move &move = moves[i];
        const QByteArray from = QFile::encodeName(move.fromName);
        const QByteArray to = QFile::encodeName(move.toName);
        int renamed = replace
            ? ::renameat(move.fromFolder, from.constData(), move.toFolder, to.constData())
            : ::renameat2(move.fromFolder, from.constData(), move.toFolder, to.constData(), RENAME_NOREPLACE);
        // FUSE drivers (fusefat among them) may not know the flag: look, then rename.
        if (renamed != 0 && !replace && (errno == EINVAL || errno == ENOSYS)) {
            struct stat existing;
            if (::fstatat(move.toFolder, to.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
                errno = EEXIST;
            else
                renamed = ::renameat(move.fromFolder, from.constData(), move.toFolder, to.constData());
        }
        if (renamed != 0) {
            *error
                = errno == EEXIST ? tr("another file took the name %1").arg(move.toName) : writeError(errno);
            undo(i);
            return false;
        }
        // Renaming goes by name: what was renamed must be what we wrote.
        struct stat arrived;
        if (::fstatat(move.toFolder, to.constData(), &arrived, AT_SYMLINK_NOFOLLOW) != 0
            || !same(arrived, made[i]) || !S_ISREG(arrived.st_mode)) {
            if (::fstatat(move.toFolder, to.constData(), &arrived, AT_SYMLINK_NOFOLLOW) == 0
                && !S_ISDIR(arrived.st_mode))
                ::unlinkat(move.toFolder, to.constData(), 0);
            *error = tr("%1 was replaced by something else while it was written").arg(move.fromName);
            undo(i);
            return false;
        }
    }
    for (const Move &move : moves) {
        if (durable && !syncFolder(move.toFolder)) {
            *error = writeError(errno);
            return false;
        }
    }
    return true;
}

QString PartFile::writeError(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return tr("the destination is full");
    case EFBIG:
        return tr("the file is larger than the destination can hold");
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:
    case ESTALE:
    case ENOTCONN:
        return tr("the destination is gone");
    case EACCES:
    case EPERM:
    case EROFS:
        return tr("the destination cannot be written: %1").arg(QString::fromLocal8Bit(std::strerror(error)));
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace Zarnet
