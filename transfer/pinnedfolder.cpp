#include "transfer/pinnedfolder.h"

#include "transfer/runjournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zarnet {

PinnedFolder::~PinnedFolder()
{
    remove();
}

void PinnedFolder::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_parentFd >= 0)
        ::close(m_parentFd);
    m_fd = m_parentFd = -1;
}

bool PinnedFolder::open(const QString &path, QString *error)
{
    close();
    m_path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    struct stat info;
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        *error
            = tr("cannot open the folder %1: %2").arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    }
    m_device = info.st_dev;
    m_inode = info.st_ino;
    return true;
}

bool PinnedFolder::makeStaging(const PinnedFolder &parent, RunJournal *journal, QString *error)
{
    close();
    m_parentFd = ::fcntl(parent.descriptor(), F_DUPFD_CLOEXEC, 0);
    for (int attempt = 0; m_parentFd >= 0 && attempt < 100; ++attempt) {
        const QString name
            = QStringLiteral(".kavo-staging-%1")
                  .arg(QRandomGenerator::system()->generate() & 0xffffff, 6, 36, QLatin1Char('0'));
        const QByteArray bytes = QFile::encodeName(name);
        if (::mkdirat(m_parentFd, bytes.constData(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        m_fd = ::openat(m_parentFd, bytes.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat info;
        if (m_fd < 0 || ::fstat(m_fd, &info) != 0)
            break;
        m_device = info.st_dev;
        m_inode = info.st_ino;
        m_name = name;
        m_path = parent.filePath(name);
        m_journal = journal;
        if (m_journal)
            m_journal->add({ parent.path(), name, quint64(info.st_dev), quint64(info.st_ino), true });
        return true;
    }
    *error = tr("cannot make a folder in %1: %2")
                 .arg(parent.path(), QString::fromLocal8Bit(std::strerror(errno)));
    close();
    return false;
}

void PinnedFolder::remove()
{
    if (m_parentFd >= 0 && !m_name.isEmpty()) {
        RunJournal::removeIfSame(m_parentFd, QFile::encodeName(m_name), m_device, m_inode, true);
        if (m_journal)
            m_journal->forget(QFileInfo(m_path).path(), m_name);
    }
    m_name.clear();
    m_journal = nullptr;
    close();
}

QString PinnedFolder::filePath(const QString &name) const
{
    return m_path + QLatin1Char('/') + name;
}

bool PinnedFolder::stillThere() const
{
    struct stat info;
    return m_fd >= 0 && ::stat(QFile::encodeName(m_path).constData(), &info) == 0 && info.st_dev == m_device
        && info.st_ino == m_inode;
}

} // namespace Zarnet
