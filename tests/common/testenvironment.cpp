#include "tests/common/testenvironment.h"

#include <QDir>
#include <QList>
#include <QPair>

#include <cstdlib>

struct TestEnvironment::Saved
{
    QList<QPair<QByteArray, QByteArray>> values; // name, old value ("" = unset)
    QList<bool> wasSet;
};

TestEnvironment::TestEnvironment()
    : m_dir(QDir::tempPath() + QStringLiteral("/kavo-test-XXXXXX"))
    , m_saved(new Saved)
{
    const QString base = m_dir.path();
    for (const char *sub : { "data", "config", "runtime", "home" })
        QDir(base).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    set("XDG_DATA_HOME", base + QStringLiteral("/data"));
    set("XDG_CONFIG_HOME", base + QStringLiteral("/config"));
    set("XDG_RUNTIME_DIR", base + QStringLiteral("/runtime"));
    set("HOME", base + QStringLiteral("/home"));
    set("KAVO_USER_HIVE", base + QStringLiteral("/config/user.db"));
    set("KAVO_MACHINE_HIVE", base + QStringLiteral("/config/machine.db"));
    // English unless a test says otherwise, whatever the machine's locale.
    set("KAVO_LANGUAGE", QStringLiteral("en"));
    // Nor the user's session bus, nor one launched for a test: with an X
    // display and no address, libdbus would start one (and, when it cannot,
    // leak what it read).
    set("DBUS_SESSION_BUS_ADDRESS", QStringLiteral("unix:path=") + base + QStringLiteral("/runtime/no-bus"));
    // A media server a test starts shares on no network; the network tests
    // name their namespace's loopback.
    set("KAVO_SHARE_INTERFACES", QStringLiteral("none"));
}

TestEnvironment::~TestEnvironment()
{
    for (int i = m_saved->values.size() - 1; i >= 0; --i) {
        const auto &entry = m_saved->values.at(i);
        if (m_saved->wasSet.at(i))
            qputenv(entry.first.constData(), entry.second);
        else
            qunsetenv(entry.first.constData());
    }
}

void TestEnvironment::set(const char *name, const QString &value)
{
    m_saved->wasSet.append(qEnvironmentVariableIsSet(name));
    m_saved->values.append({ QByteArray(name), qgetenv(name) });
    qputenv(name, value.toLocal8Bit());
}
