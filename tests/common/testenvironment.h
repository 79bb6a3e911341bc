#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Points every path the system reads (XDG_DATA_HOME, XDG_CONFIG_HOME,
// XDG_RUNTIME_DIR, KAVO_USER_HIVE, KAVO_MACHINE_HIVE, HOME) at folders of its
// own temporary directory, keeps media servers off every network
// (KAVO_SHARE_INTERFACES), and puts the old values back when destroyed.
// Child processes started afterwards inherit the same environment.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

private:
    void set(const char *name, const QString &value);

    QTemporaryDir m_dir;
    struct Saved;
    std::unique_ptr<Saved> m_saved;
};
