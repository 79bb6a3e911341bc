#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Points every path the system uses into dir, so a benchmark never touches
// the real home folder, and runs Qt offscreen.
inline void useBenchEnvironment(const QTemporaryDir &dir)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char *name : { "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR" }) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(name, path.toLocal8Bit());
    }
    qputenv("KAVO_USER_HIVE", dir.filePath(QStringLiteral("user.db")).toLocal8Bit());
    qputenv("KAVO_MACHINE_HIVE", dir.filePath(QStringLiteral("machine.db")).toLocal8Bit());
    // A media server started here shares on no network.
    qputenv("KAVO_SHARE_INTERFACES", "none");
}
