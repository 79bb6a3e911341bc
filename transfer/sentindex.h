#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Zarnet {

// What this program put into a destination before, and from which source:
// ".kavo-sent", a small hidden file there. A source whose size, modification
// time and first and last MiB match an entry for the same device type, while
// the outputs it names are still there as they were written, is already on
// the device. The file is only a hint: one that is missing, damaged, not
// ours, a link or anything but a plain file means nothing is known. It is
// replaced whole (a new file renamed over it), never written in place, and
// it is no part of any run, so no sweep touches it.
class SentIndex
{
public:
    // FAT keeps times to 2 s, while the kernel may show finer ones until the
    // stick is mounted again.
    static bool sameTime(qint64 aNs, qint64 bNs)
    {
        return (aNs > bNs ? aNs - bNs : bNs - aNs) <= Q_INT64_C(2000000000);
    }

    // A source as it was read.
    struct Key
    {
        int type = -1;
        qint64 size = -1;
        qint64 mtimeNs = 0;
        QByteArray hash; // hex
        bool isValid() const { return type >= 0 && size >= 0 && !hash.isEmpty(); }
        bool operator==(const Key &other) const
        {
            return type == other.type && size == other.size && sameTime(mtimeNs, other.mtimeNs)
                && hash == other.hash;
        }
    };
    // One output as it was committed.
    struct Output
    {
        QString name;
        qint64 size = 0;
        qint64 mtimeNs = 0;
    };
    struct Entry
    {
        Key key;
        QVector<Output> outputs;
    };

    static const char FileName[];

    // Blocking: fstat and 2 MiB read of the source (by its local bytes).
    // With known, the read is spared unless an entry there has the same
    // type, size and time (else the key is invalid: nothing is known).
    static Key keyOf(const QString &source, int type, const QVector<Entry> *known = nullptr);
    // The entries in the folder held by folderFd; none when unreadable.
    static QVector<Entry> read(int folderFd);
    // The names key's outputs have in the folder, when every one of them is
    // still the file committed; else empty.
    static QStringList find(int folderFd, const QVector<Entry> &entries, const Key &key);
    // entries with key's entry replaced by names as they now are in the
    // folder (sizes and times read there). Names not found are left out.
    static QVector<Entry> with(
        int folderFd, QVector<Entry> entries, const Key &key, const QStringList &names);
    static QByteArray serialise(const QVector<Entry> &entries);
    static QVector<Entry> parse(const QByteArray &text);
};

} // namespace Zarnet
