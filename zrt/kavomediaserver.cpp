#include "zrt/kavomediaserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace Zarnet {

namespace {
KavoMediaServer::LaunchHook &launchHook()
{
    static KavoMediaServer::LaunchHook hook;
    return hook;
}
const QString programName = QStringLiteral("kavo-media-server");
} // namespace

QString KavoMediaServer::programPath()
{
    const QString fromEnv = qEnvironmentVariable("KAVO_MEDIA_SERVER");
    if (!fromEnv.isEmpty())
        return QFileInfo(fromEnv).isExecutable() ? fromEnv : QString();
    if (QCoreApplication::instance()) {
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(programName);
        if (QFileInfo(beside).isExecutable())
            return beside;
    }
    return QStandardPaths::findExecutable(programName);
}

bool KavoMediaServer::IsKMSInstalled()
{
    return !programPath().isEmpty();
}

QString KavoMediaServer::raiseSocketName()
{
    return QStringLiteral("kavo-media-server-raise-%1").arg(getuid());
}

void KavoMediaServer::setLaunchHook(LaunchHook hook)
{
    launchHook() = std::move(hook);
}

int KavoMediaServer::launchKMS()
{
    if (launchHook())
        return launchHook()();

    QLocalSocket socket;
    socket.connectToServer(raiseSocketName());
    if (socket.waitForConnected(300)) {
        socket.write("raise\n");
        socket.waitForBytesWritten(300);
        socket.disconnectFromServer();
        return 0;
    }
    const QString path = programPath();
    if (path.isEmpty())
        return -1;
    return QProcess::startDetached(path, {}) ? 0 : -1;
}

} // namespace Zarnet
