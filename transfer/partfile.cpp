#include "transfer/partfile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    m_path = partPath(finalPath);
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        *error = writeError(errno);
        m_path.clear();
        return false;
    }
    ::flock(m_fd, LOCK_EX | LOCK_NB);
    return true;
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
                ? QStringLiteral("another file took the name ") + QFileInfo(finals.at(i)).fileName()
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

int PartFile::sweep(const QString &folder)
{
    int swept = 0;
    const QStringList parts
        = QDir(folder).entryList({ QStringLiteral(".*") + Suffix }, QDir::Files | QDir::Hidden);
    for (const QString &name : parts) {
        const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.constData()) == 0)
            ++swept;
        ::close(fd);
    }
    return swept;
}

QString PartFile::writeError(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the destination is full");
    case EFBIG:
        return QStringLiteral("the file is larger than the destination can hold");
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:
    case ESTALE:
    case ENOTCONN:
        return QStringLiteral("the destination is gone");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("the destination cannot be written: ")
            + QString::fromLocal8Bit(std::strerror(error));
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace Zarnet
