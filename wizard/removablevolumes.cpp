#include "wizard/removablevolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef KAVO_HAVE_QTDBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QVariantMap>
#endif

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
#ifdef KAVO_HAVE_QTDBUS
// One interface's properties of a UDisks2 object; empty when UDisks2 is not
// there (no system bus, as in a container) or does not answer in time.
QVariantMap udisks(const QString &path, const QString &interface)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || path.isEmpty())
        return {};
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.UDisks2"), path,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << interface;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qdbus_cast<QVariantMap>(reply.arguments().first());
}
#endif

// What the desktop's disk service says of device: its label and UUID, and
// whether its drive is removable or on USB. False when it cannot say.
bool fromUDisks(const QString &device, RemovableVolumes::Volume *volume, bool *removable)
{
#ifdef KAVO_HAVE_QTDBUS
    const QVariantMap block
        = udisks(QStringLiteral("/org/freedesktop/UDisks2/block_devices/") + QFileInfo(device).fileName(),
            QStringLiteral("org.freedesktop.UDisks2.Block"));
    if (block.isEmpty())
        return false;
    volume->uuid = block.value(QStringLiteral("IdUUID")).toString();
    volume->label = block.value(QStringLiteral("IdLabel")).toString();
    const QVariantMap drive
        = udisks(qvariant_cast<QDBusObjectPath>(block.value(QStringLiteral("Drive"))).path(),
            QStringLiteral("org.freedesktop.UDisks2.Drive"));
    *removable = drive.value(QStringLiteral("Removable")).toBool()
        || drive.value(QStringLiteral("MediaRemovable")).toBool()
        || drive.value(QStringLiteral("ConnectionBus")).toString() == QLatin1String("usb");
    return true;
#else
    Q_UNUSED(device)
    Q_UNUSED(volume)
    Q_UNUSED(removable)
    return false;
#endif
}
} // namespace

QVector<RemovableVolumes::Volume> RemovableVolumes::mounted()
{
    QVector<Volume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        const QString device = QString::fromLocal8Bit(storage.device());
        if (!storage.isValid() || !storage.isReady() || storage.isReadOnly()
            || !device.startsWith(QLatin1Char('/')))
            continue;
        Volume volume;
        volume.root = storage.rootPath();
        volume.device = device;
        bool removable = false;
        if (!fromUDisks(device, &volume, &removable)) {
            removable = isRemovable(device);
            volume.uuid = linkTo(QStringLiteral("by-uuid"), device);
            volume.label = linkTo(QStringLiteral("by-label"), device);
        }
        if (!removable)
            continue;
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
