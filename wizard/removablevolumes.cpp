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
QString &systemRoot()
{
    static QString root = QStringLiteral("/");
    return root;
}

QString underRoot(const QString &absolute)
{
    return QDir(systemRoot()).filePath(absolute.mid(1));
}

// Both escape a byte in four characters: the kernel's mount table as \ooo,
// udev's link names as \xhh.
QString unescape(const QByteArray &text, bool hex)
{
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        bool ok = false;
        int code = 0;
        if (text.at(i) == '\\' && i + 3 < text.size() && (!hex || text.at(i + 1) == 'x'))
            code = text.mid(hex ? i + 2 : i + 1, hex ? 2 : 3).toInt(&ok, hex ? 16 : 8);
        if (ok && code < 256) {
            out += char(code);
            i += 3;
        } else {
            out += text.at(i);
        }
    }
    return QFile::decodeName(out);
}

struct Mount
{
    QString point;
    QString source;
    bool whole = false; // the file system's own root, not a bind of a folder in it
    bool readOnly = false;
};

// "36 35 98:0 / /media/stick rw,nosuid shared:1 - vfat /dev/sdb1 rw,fmask=0022":
// how many optional fields come before the "-" varies.
QVector<Mount> mountTable()
{
    QFile file(underRoot(QStringLiteral("/proc/self/mountinfo")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QVector<Mount> mounts;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (dash < 6 || dash + 2 >= fields.size())
            continue;
        Mount mount;
        mount.point = unescape(fields.at(4), false);
        mount.whole = fields.at(3) == "/";
        mount.readOnly = fields.at(5).split(',').contains("ro");
        mount.source = unescape(fields.at(dash + 2), false);
        mounts.append(mount);
    }
    return mounts;
}

bool holds(const QString &mountPoint, const QString &path)
{
    return mountPoint == QLatin1String("/") || path == mountPoint
        || path.startsWith(mountPoint + QLatin1Char('/'));
}

// The name under /dev/disk/by-<what> that points at device, or empty.
QString linkTo(const QString &what, const QString &device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const QDir dir(underRoot(QStringLiteral("/dev/disk/by-") + what));
    for (const QFileInfo &link : dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        if (link.canonicalFilePath() == target)
            return unescape(QFile::encodeName(link.fileName()), true);
    }
    return {};
}

// Removable as the kernel says of the whole disk (a partition has no flag),
// or attached over USB, which is where most sticks and card readers sit.
bool isRemovable(const QString &device)
{
    const QString name = QFileInfo(device).fileName();
    QString sys = QFileInfo(underRoot(QStringLiteral("/sys/class/block/") + name)).canonicalFilePath();
    if (sys.isEmpty())
        return false;
    if (QFile::exists(sys + QStringLiteral("/partition")))
        sys = QFileInfo(sys).path();
    QFile flag(sys + QStringLiteral("/removable"));
    if (flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1")
        return true;
    return QDir(QDir(systemRoot()).canonicalPath()).relativeFilePath(sys).contains(QStringLiteral("/usb"));
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

void RemovableVolumes::setSystemRoot(const QString &root)
{
    systemRoot() = root;
}

QVector<RemovableVolumes::Volume> RemovableVolumes::mounted()
{
    QVector<Volume> volumes;
    for (const Mount &mount : mountTable()) {
        if (!mount.whole || mount.readOnly || !mount.source.startsWith(QLatin1Char('/')))
            continue;
        Volume volume;
        volume.root = mount.point;
        volume.device = mount.source;
        const QString device = underRoot(mount.source);
        bool removable = false;
        if (systemRoot() != QLatin1String("/") || !fromUDisks(device, &volume, &removable)) {
            removable = isRemovable(device);
            volume.uuid = linkTo(QStringLiteral("uuid"), device);
            volume.label = linkTo(QStringLiteral("label"), device);
        }
        if (!removable || volume.uuid.isEmpty())
            continue;
        const QStorageInfo storage(volume.root);
        if (!storage.isValid() || !storage.isReady())
            continue;
        if (volume.label.isEmpty())
            volume.label = QFileInfo(volume.root).fileName();
        volume.bytesFree = storage.bytesAvailable();
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
    // The deepest mount point above path holds it; of two on one point, the later hides the earlier.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    QString holder;
    for (const Mount &mount : mountTable()) {
        if (mount.point.size() >= holder.size() && holds(mount.point, canonical))
            holder = mount.point;
    }
    for (const Volume &volume : mounted()) {
        if (!canonical.isEmpty() && volume.root == holder) {
            *out = volume;
            return true;
        }
    }
    return false;
}

} // namespace Zarnet
