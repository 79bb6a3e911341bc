#include "zrt/kavomediaserver.h"

#include "ipc/userruntimedirectory.h"
#include "zrt/programfinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>

#include <sys/socket.h>
#include <unistd.h>

namespace Zarnet {

namespace {
KavoMediaServer::LaunchHook &launchHook()
{
    static KavoMediaServer::LaunchHook hook;
    return hook;
}
} // namespace

QString KavoMediaServer::programPath()
{
    // Not a global: this library is loaded into the host, and a global with a
    // constructor would run at load time, before the host has a QCoreApplication,
    // in an order no one controls across libraries.
    static const QString programName = QStringLiteral("kavo-media-server");
    return ProgramFinder::find("KAVO_MEDIA_SERVER", programName);
}

bool KavoMediaServer::IsKMSInstalled()
{
    return !programPath().isEmpty();
}

QString KavoMediaServer::raiseSocketName()
{
    // In the user's own runtime folder: a name in /tmp could be taken or
    // answered by anyone, and another session's media server would be raised.
    const std::string directory = KavoOS::UserRuntimeDirectory("KavoMediaServer", "KavoMediaServer");
    return directory.empty() ? QString() : QString::fromStdString(directory) + QStringLiteral("/raise");
}

bool KavoMediaServer::isOwnPeer(const QLocalSocket &socket)
{
    ucred credentials {};
    socklen_t size = sizeof credentials;
    return getsockopt(
               static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size)
        == 0
        && credentials.uid == geteuid();
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
    const QString raiseName = raiseSocketName();
    if (!raiseName.isEmpty())
        socket.connectToServer(raiseName);
    if (!raiseName.isEmpty() && socket.waitForConnected(300) && isOwnPeer(socket)) {
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
