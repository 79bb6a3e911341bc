#include "transfer/sentindex.h"

#include "transfer/localname.h"
#include "transfer/wholefile.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zarnet {

const char SentIndex::FileName[] = ".kavo-sent";

namespace {

// 2: BLAKE2b, five times faster than the SHA-256 of 1 where SHA has no
// instructions of its own; an index of 1 is read as nothing known.
const QByteArray Header = QByteArrayLiteral("kavo-sent 2");
constexpr qint64 Edge = qint64(1) << 20;
// Far more than any stick holds; a bigger file is not one of ours.
constexpr qint64 MaxBytes = qint64(4) << 20;
constexpr int MaxEntries = 20000;

qint64 mtimeOf(const struct stat &info)
{
    return qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

bool readAt(int fd, qint64 offset, qint64 length, QCryptographicHash *hash)
{
    QByteArray buffer(int(length), Qt::Uninitialized);
    qint64 done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd, buffer.data() + done, size_t(length - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += got;
    }
    hash->addData(buffer);
    return true;
}

bool sameOutput(int folderFd, const SentIndex::Output &output)
{
    struct stat info;
    return ::fstatat(folderFd, QFile::encodeName(output.name).constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISREG(info.st_mode) && info.st_size == output.size
        && SentIndex::sameTime(mtimeOf(info), output.mtimeNs);
}

} // namespace

SentIndex::Key SentIndex::keyOf(const QString &source, int type, const QVector<Entry> *known)
{
    Key key;
    const int fd = ::open(LocalName::encode(source).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info;
    if (fd < 0)
        return key;
    const auto isKnown = [&] {
        return !known || std::any_of(known->cbegin(), known->cend(), [&](const Entry &entry) {
            return entry.key.type == type && entry.key.size == info.st_size
                && sameTime(entry.key.mtimeNs, mtimeOf(info));
        });
    };
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && isKnown()) {
        QCryptographicHash hash(QCryptographicHash::Blake2b_256);
        const qint64 head = std::min<qint64>(info.st_size, Edge);
        const qint64 tail = std::min<qint64>(info.st_size - head, Edge);
        if (readAt(fd, 0, head, &hash) && readAt(fd, info.st_size - tail, tail, &hash)) {
            key.type = type;
            key.size = info.st_size;
            key.mtimeNs = mtimeOf(info);
            key.hash = hash.result().toHex();
        }
    }
    ::close(fd);
    return key;
}

QVector<SentIndex::Entry> SentIndex::read(int folderFd)
{
    // Never a link, a FIFO or a device: opened without following or waiting.
    const int fd = ::openat(folderFd, FileName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info;
    QByteArray text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()
        && info.st_size <= MaxBytes) {
        text = WholeFile::read(fd, MaxBytes);
    }
    ::close(fd);
    return parse(text);
}

QStringList SentIndex::find(int folderFd, const QVector<Entry> &entries, const Key &key)
{
    if (!key.isValid())
        return {};
    for (const Entry &entry : entries) {
        if (!(entry.key == key) || entry.outputs.isEmpty())
            continue;
        QStringList names;
        for (const Output &output : entry.outputs) {
            if (!sameOutput(folderFd, output))
                return {};
            names << output.name;
        }
        return names;
    }
    return {};
}

QVector<SentIndex::Entry> SentIndex::with(
    int folderFd, QVector<Entry> entries, const Key &key, const QStringList &names)
{
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                      [&](const Entry &entry) {
                          // What was deleted or replaced since is forgotten too.
                          return entry.key == key
                              || std::any_of(entry.outputs.cbegin(), entry.outputs.cend(),
                                  [&](const Output &output) { return !sameOutput(folderFd, output); });
                      }),
        entries.end());
    Entry entry { key, {} };
    for (const QString &name : names) {
        struct stat info;
        if (::fstatat(folderFd, QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode))
            entry.outputs.append({ name, qint64(info.st_size), mtimeOf(info) });
    }
    if (key.isValid() && entry.outputs.size() == names.size() && !names.isEmpty())
        entries.append(entry);
    if (entries.size() > MaxEntries)
        entries.erase(entries.begin(), entries.begin() + (entries.size() - MaxEntries));
    return entries;
}

// "kavo-sent 2", then a line for each output: type, source size, source
// time (ns), source hash, output size, output time, output name (UTF-8,
// percent-encoded); the lines of one entry follow each other.
QByteArray SentIndex::serialise(const QVector<Entry> &entries)
{
    QByteArray text = Header + '\n';
    for (const Entry &entry : entries) {
        for (const Output &output : entry.outputs) {
            text += QByteArray::number(entry.key.type) + ' ' + QByteArray::number(entry.key.size) + ' '
                + QByteArray::number(entry.key.mtimeNs) + ' ' + entry.key.hash + ' '
                + QByteArray::number(output.size) + ' ' + QByteArray::number(output.mtimeNs) + ' '
                + output.name.toUtf8().toPercentEncoding() + '\n';
        }
    }
    return text;
}

QVector<SentIndex::Entry> SentIndex::parse(const QByteArray &text)
{
    QVector<Entry> entries;
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.first() != Header)
        return {};
    for (int i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QList<QByteArray> fields = lines.at(i).split(' ');
        bool ok[6] = {};
        if (fields.size() != 7)
            return {};
        Key key;
        key.type = fields[0].toInt(&ok[0]);
        key.size = fields[1].toLongLong(&ok[1]);
        key.mtimeNs = fields[2].toLongLong(&ok[2]);
        key.hash = fields[3];
        Output output;
        output.size = fields[4].toLongLong(&ok[3]);
        output.mtimeNs = fields[5].toLongLong(&ok[4]);
        output.name = QString::fromUtf8(QByteArray::fromPercentEncoding(fields[6]));
        ok[5] = !output.name.isEmpty() && !output.name.contains(QLatin1Char('/'))
            && output.name != QLatin1String(".") && output.name != QLatin1String("..")
            && key.hash.size() == 64;
        if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
            return {}; // damaged: nothing is known
        if (!entries.isEmpty() && entries.last().key == key)
            entries.last().outputs.append(output);
        else
            entries.append({ key, { output } });
    }
    return entries;
}

} // namespace Zarnet
