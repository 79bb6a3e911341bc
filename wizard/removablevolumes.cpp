#include "wizard/removablevolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace Zarnet {

namespace {
// The name under /dev/disk/by-<what> that points at device, or empty.
QString linkTo(const QString &what, const QString &device)
{
    const QDir dir(QStringLiteral("/dev/disk/") + what);
    const QString target = QFileInfo(device).canonicalFilePath();
    for (const QFileInfo &link : dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        if (link.canonicalFilePath() == target || link.symLinkTarget() == device)
            return link.fileName().replace(QStringLiteral("\\x20"), QStringLiteral(" "));
    }
    return {};
}

// Removable as the kernel says of the whole disk (a partition has no flag),
// or attached over USB, which is where most sticks and card readers sit.
bool isRemovable(const QString &device)
{
    const QString name = QFileInfo(device).fileName();
    QString sys = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sys.isEmpty())
        return false;
    if (QFile::exists(sys + QStringLiteral("/partition")))
        sys = QFileInfo(sys).path();
    QFile flag(sys + QStringLiteral("/removable"));
    if (flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1")
        return true;
    return sys.contains(QStringLiteral("/usb"));
}
} // namespace

QVector<RemovableVolumes::Volume> RemovableVolumes::mounted()
{
    QVector<Volume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        const QString device = QString::fromLocal8Bit(storage.device());
        if (!storage.isValid() || !storage.isReady() || storage.isReadOnly()
            || !device.startsWith(QLatin1Char('/')) || !isRemovable(device))
            continue;
        Volume volume;
        volume.root = storage.rootPath();
        volume.device = device;
        volume.uuid = linkTo(QStringLiteral("by-uuid"), device);
        volume.label = linkTo(QStringLiteral("by-label"), device);
        if (volume.label.isEmpty())
            volume.label = storage.displayName();
        volume.bytesFree = storage.bytesAvailable();
        if (!volume.uuid.isEmpty())
            volumes.append(volume);
    }
    return volumes;
}

QString RemovableVolumes::rootOf(const QString &uuid)
{
    for (const Volume &volume : mounted()) {
        if (volume.uuid.compare(uuid, Qt::CaseInsensitive) == 0)
            return volume.root;
    }
    return {};
}

bool RemovableVolumes::volumeOf(const QString &path, Volume *out)
{
    const QStorageInfo storage(path);
    for (const Volume &volume : mounted()) {
        if (volume.root == storage.rootPath()) {
            *out = volume;
            return true;
        }
    }
    return false;
}

} // namespace Zarnet
