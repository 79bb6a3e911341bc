#include "transfer/partfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace Zarnet {

namespace {
const QString Suffix = QStringLiteral(".kavo-part");

bool syncPath(const QString &path, bool folder, int *error)
{
    const int fd = ::open(
        QFile::encodeName(path).constData(), (folder ? O_RDONLY | O_DIRECTORY : O_WRONLY) | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    // FAT drivers and some FUSE ones do not sync folders; the data is what counts.
    const bool ok = ::fsync(fd) == 0 || (folder && (errno == EINVAL || errno == ENOSYS));
    if (!ok)
        *error = errno;
    ::close(fd);
    return ok;
}
} // namespace

PartFile::~PartFile()
{
    remove();
}

QString PartFile::partPath(const QString &finalPath)
{
    const QFileInfo info(finalPath);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + Suffix);
}

bool PartFile::create(const QString &finalPath, QString *error)
{
    remove();
    // Another run writing to the same name holds its part locked: truncating
    // it would ruin that file, so take the next name instead. The lock is
    // taken before the truncation, and on the file that is still at the path
    // (a sweep may unlink the one we opened).
    int n = 1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = n == 1
            ? partPath(finalPath)
            : partPath(finalPath).chopped(Suffix.size()) + QLatin1Char('.') + QString::number(n) + Suffix;
        const QByteArray name = QFile::encodeName(path);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            *error = writeError(errno);
            return false;
        }
        struct stat opened;
        struct stat atPath;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            ::close(fd);
            ++n;
            continue;
        }
        if (::fstat(fd, &opened) != 0 || ::stat(name.constData(), &atPath) != 0
            || opened.st_ino != atPath.st_ino || opened.st_dev != atPath.st_dev) {
            ::close(fd); // swept under us: the same name again
            continue;
        }
        if (::ftruncate(fd, 0) != 0) {
            *error = writeError(errno);
            ::close(fd);
            return false;
        }
        m_path = path;
        m_fd = fd;
        return true;
    }
    *error = tr("too many transfers are writing this name");
    return false;
}

PartFile::PartFile(PartFile &&other) noexcept
    : m_path(std::move(other.m_path))
    , m_fd(std::exchange(other.m_fd, -1))
{
    other.m_path.clear();
}

PartFile &PartFile::operator=(PartFile &&other) noexcept
{
    if (this != &other) {
        remove();
        m_path = std::move(other.m_path);
        m_fd = std::exchange(other.m_fd, -1);
        other.m_path.clear();
    }
    return *this;
}

void PartFile::remove()
{
    if (!m_path.isEmpty())
        ::unlink(QFile::encodeName(m_path).constData());
    release();
}

void PartFile::release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

bool PartFile::commit(const QStringList &parts, const QStringList &finals, bool replace, QString *error)
{
    int code = 0;
    for (const QString &part : parts) {
        if (!syncPath(part, false, &code)) {
            *error = writeError(code);
            return false;
        }
    }
    for (int i = 0; i < parts.size(); ++i) {
        const QByteArray from = QFile::encodeName(parts.at(i));
        const QByteArray to = QFile::encodeName(finals.at(i));
        int renamed = replace
            ? ::rename(from.constData(), to.constData())
            : ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
        // FUSE drivers (fusefat among them) may not know the flag: look, then rename.
        if (renamed != 0 && !replace && (errno == EINVAL || errno == ENOSYS)) {
            struct stat existing;
            if (::stat(to.constData(), &existing) == 0)
                errno = EEXIST;
            else
                renamed = ::rename(from.constData(), to.constData());
        }
        if (renamed != 0) {
            *error = errno == EEXIST
                ? tr("another file took the name %1").arg(QFileInfo(finals.at(i)).fileName())
                : writeError(errno);
            // Nothing half: the parts renamed already go too.
            for (int done = 0; done < i; ++done)
                ::unlink(QFile::encodeName(finals.at(done)).constData());
            return false;
        }
    }
    if (!finals.isEmpty() && !syncPath(QFileInfo(finals.first()).absolutePath(), true, &code)) {
        *error = writeError(code);
        return false;
    }
    return true;
}

namespace {
// Whether someone holds the lock of the file at path; false when it is gone.
bool unheld(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}
} // namespace

int PartFile::sweep(const QString &folder)
{
    int swept = 0;
    const QDir dir(folder);
    const QStringList parts = dir.entryList({ QStringLiteral(".*") + Suffix }, QDir::Files | QDir::Hidden);
    for (const QString &name : parts) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.constData()) == 0)
            ++swept;
        ::close(fd);
    }
    // A staging folder lives while its hold is held; one without a hold is a
    // run that ended between making it and holding it, given a while to do so.
    const QFileInfoList staging = dir.entryInfoList(
        { QStringLiteral(".kavo-staging-*") }, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &info : staging) {
        const QString hold = partPath(QDir(info.filePath()).filePath(QStringLiteral("held")));
        const bool stale = QFileInfo::exists(hold)
            ? unheld(QFile::encodeName(hold))
            : info.lastModified().secsTo(QDateTime::currentDateTime()) > 600;
        if (stale && QDir(info.filePath()).removeRecursively())
            ++swept;
    }
    return swept;
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
