#pragma once

#include <QString>
#include <QVector>

namespace Zarnet {

// The mounted removable volumes (sticks, cards, drives on USB) with their
// file-system UUIDs, which follow a stick from one mount point to the next.
class RemovableVolumes
{
public:
    struct Volume
    {
        QString root; // the mount point
        QString label;
        QString uuid;
        QString device; // e.g. /dev/sdb1
        qint64 bytesFree = 0;
    };

    static QVector<Volume> mounted();
    // The mount point of the volume with that UUID; empty when it is not plugged in.
    static QString rootOf(const QString &uuid);
    // The removable volume holding path, when there is one.
    static bool volumeOf(const QString &path, Volume *out);

    // Where /proc, /sys and /dev are read from: "/", except in tests, which
    // lay out a mount table and disk links of their own. UDisks2 is asked
    // only about the real "/".
    static void setSystemRoot(const QString &root);
};

} // namespace Zarnet
