#include "tests/wizard/wizardtestsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
void write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

void link(const QString &target, const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile::link(target, path);
}
} // namespace

QString spoilingXorriso(const QString &folder)
{
    return shellScript(folder + QStringLiteral("/spoiling-xorriso"),
        "xorriso \"$@\" || exit\n"
        "for a; do case $a in dev=stdio:*) disc=${a#dev=stdio:};; esac; done\n"
        "[ -n \"$disc\" ] || exit 0\n"
        "lba=$(xorriso -no_rc -indev \"stdio:$disc\" -find / -type f -exec report_lba -- 2>/dev/null"
        " | awk -F, '/^File data lba/ {print $2; exit}')\n"
        "printf spoiled | dd of=\"$disc\" bs=1 seek=$((lba * 2048 + 1000)) conv=notrunc 2>/dev/null\n");
}

FakeSystem::FakeSystem(const QString &root)
    : m_root(root)
{
}

void FakeSystem::addPartition(const QString &disk, int number, const QString &bus, bool removable,
    const QString &uuid, const QString &label)
{
    const QString name = disk + QString::number(number);
    const QString sysDisk = m_root + QStringLiteral("/sys/devices/pci0000:00/%1/block/%2").arg(bus, disk);
    write(sysDisk + QStringLiteral("/removable"), removable ? "1\n" : "0\n");
    write(sysDisk + QLatin1Char('/') + name + QStringLiteral("/partition"), QByteArray::number(number));
    link(sysDisk + QLatin1Char('/') + name, m_root + QStringLiteral("/sys/class/block/") + name);
    const QString device = m_root + QStringLiteral("/dev/") + name;
    write(device, {});
    link(device, m_root + QStringLiteral("/dev/disk/by-uuid/") + uuid);
    // udev writes a space in a link's name as \x20.
    if (!label.isEmpty())
        link(device,
            m_root + QStringLiteral("/dev/disk/by-label/")
                + QString(label).replace(QLatin1Char(' '), QStringLiteral("\\x20")));
}

void FakeSystem::mount(const QStringList &lines)
{
    write(m_root + QStringLiteral("/proc/self/mountinfo"), lines.join(QLatin1Char('\n')).toUtf8() + '\n');
}
