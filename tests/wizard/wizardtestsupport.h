#pragma once

#include "tests/transfer/testclips.h"

// An xorriso that burns, then spoils a file's data on the burned "disc".
QString spoilingXorriso(const QString &folder);

// A system's /proc, /sys and /dev as RemovableVolumes reads them, under a
// folder of its own: partitions with their disk's removable flag and bus,
// their UUID and label links, and a mount table.
class FakeSystem
{
public:
    explicit FakeSystem(const QString &root);
    void addPartition(const QString &disk, int number, const QString &bus, bool removable,
        const QString &uuid, const QString &label = {});
    // Lines of /proc/self/mountinfo.
    void mount(const QStringList &lines);

private:
    QString m_root;
};
