#include "transfer/runjournal.h"

#include "transfer/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zarnet {

namespace {

constexpr int OpenQuietly = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
constexpr int MaxDepth = 32;

QByteArray encode(const QString &text)
{
    return QFile::encodeName(text).toPercentEncoding();
}

QString decode(const QByteArray &text)
{
    return QFile::decodeName(QByteArray::fromPercentEncoding(text));
}

QByteArray serialise(const QVector<RunJournal::Entry> &entries)
{
    QByteArray text;
    for (const RunJournal::Entry &entry : entries) {
        text += (entry.tree ? "1\t" : "0\t") + QByteArray::number(entry.device) + '\t'
            + QByteArray::number(entry.inode) + '\t' + encode(entry.folder) + '\t' + encode(entry.name)
            + '\n';
    }
    return text;
}

QVector<RunJournal::Entry> parse(const QByteArray &text)
{
    QVector<RunJournal::Entry> entries;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 5)
            continue;
        RunJournal::Entry entry;
        bool deviceOk = false;
        bool inodeOk = false;
        entry.tree = fields.at(0) == "1";
        entry.device = fields.at(1).toULongLong(&deviceOk);
        entry.inode = fields.at(2).toULongLong(&inodeOk);
        entry.folder = decode(fields.at(3));
        entry.name = decode(fields.at(4));
        if (deviceOk && inodeOk && entry.folder.startsWith(QLatin1Char('/')) && !entry.name.isEmpty()
            && !entry.name.contains(QLatin1Char('/')))
            entries.append(entry);
    }
    return entries;
}

// Empties the folder fd, which lies on device; a folder of another device
// (something mounted into it) is left alone.
void emptyTree(int fd, dev_t device, int depth)
{
    DIR *dir = ::fdopendir(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    if (!dir)
        return;
    QList<QByteArray> names;
    while (const dirent *entry = ::readdir(dir)) {
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.append(QByteArray(entry->d_name));
    }
    ::closedir(dir);
    for (const QByteArray &name : names) {
        struct stat info;
        if (::fstatat(fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISDIR(info.st_mode)) {
            ::unlinkat(fd, name.constData(), 0);
            continue;
        }
        if (info.st_dev != device || depth >= MaxDepth)
            continue;
        // Opened without following: a folder swapped for a link is not entered.
        const int sub = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | OpenQuietly);
        if (sub < 0)
            continue;
        struct stat opened;
        if (::fstat(sub, &opened) == 0 && opened.st_dev == info.st_dev && opened.st_ino == info.st_ino)
            emptyTree(sub, device, depth + 1);
        ::close(sub);
        ::unlinkat(fd, name.constData(), AT_REMOVEDIR);
    }
}

} // namespace

RunJournal::~RunJournal()
{
    if (m_fd < 0)
        return;
    // Anything still listed stays for a later sweep, once our lock is gone.
    if (m_entries.isEmpty())
        ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

QString RunJournal::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Kavo/TransferWizard/Runs");
}

bool RunJournal::open(QString *error)
{
    const QString base = folder();
    const QByteArray path = QFile::encodeName(base);
    QDir().mkpath(QFileInfo(base).path());
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat info;
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()
        || (info.st_mode & 077) != 0) {
        *error = QStringLiteral("%1 is not a folder of ours alone").arg(base);
        return false;
    }
    for (int attempt = 0; attempt < 10; ++attempt) {
        const QString name = QStringLiteral("run-%1-%2")
                                 .arg(::getpid())
                                 .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
        const QString file = QDir(base).filePath(name);
        const int fd
            = ::open(QFile::encodeName(file).constData(), O_RDWR | O_CREAT | O_EXCL | OpenQuietly, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            if (fd >= 0)
                ::close(fd);
            return false;
        }
        m_path = file;
        m_fd = fd;
        return true;
    }
    *error = QStringLiteral("no free journal name");
    return false;
}

void RunJournal::add(const Entry &entry)
{
    m_entries.append(entry);
    write();
}

void RunJournal::forget(const QString &folder, const QString &name)
{
    const auto gone = std::remove_if(m_entries.begin(), m_entries.end(),
        [&](const Entry &entry) { return entry.folder == folder && entry.name == name; });
    if (gone == m_entries.end())
        return;
    m_entries.erase(gone, m_entries.end());
    write();
}

void RunJournal::write()
{
    if (m_fd >= 0)
        WholeFile::replace(m_fd, serialise(m_entries));
}

int RunJournal::sweep()
{
    const QString base = folder();
    const QStringList journals
        = QDir(base).entryList({ QStringLiteral("run-*") }, QDir::Files | QDir::Hidden);
    int removed = 0;
    for (const QString &name : journals) {
        const QByteArray path = QFile::encodeName(QDir(base).filePath(name));
        const int fd = ::open(path.constData(), O_RDWR | OpenQuietly);
        if (fd < 0)
            continue;
        struct stat info;
        // A journal still locked belongs to a run that is going on.
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            continue;
        }
        QVector<Entry> left;
        for (const Entry &entry : parse(WholeFile::read(fd))) {
            const int dirFd
                = ::open(QFile::encodeName(entry.folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (dirFd < 0) {
                left.append(entry);
                continue;
            }
            if (removeIfSame(dirFd, QFile::encodeName(entry.name), entry.device, entry.inode, entry.tree))
                ++removed;
            ::close(dirFd);
        }
        if (left.isEmpty())
            ::unlink(path.constData());
        else
            WholeFile::replace(fd, serialise(left));
        ::close(fd);
    }
    return removed;
}

bool RunJournal::removeIfSame(int dirFd, const QByteArray &name, quint64 device, quint64 inode, bool tree)
{
    struct stat info;
    if (::fstatat(dirFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 || info.st_dev != device
        || info.st_ino != inode)
        return false;
    if (!tree)
        return S_ISREG(info.st_mode) && ::unlinkat(dirFd, name.constData(), 0) == 0;
    if (!S_ISDIR(info.st_mode))
        return false;
    const int fd = ::openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | OpenQuietly);
    if (fd < 0)
        return false;
    struct stat opened;
    const bool same = ::fstat(fd, &opened) == 0 && opened.st_dev == device && opened.st_ino == inode;
    if (same)
        emptyTree(fd, opened.st_dev, 0);
    ::close(fd);
    return same && ::unlinkat(dirFd, name.constData(), AT_REMOVEDIR) == 0;
}

} // namespace Zarnet
