#pragma once

#include "zrt/zrtglobal.h"

#include <QString>

#include <functional>

class QLocalSocket;

namespace Zarnet {

// Finds, starts and raises the media-server program (kavo-media-server).
class ZRT_EXPORT KavoMediaServer
{
public:
    // Raises a running media server, or starts one. 0 on success, -1 if it
    // could not be started.
    static int launchKMS();
    // True when the program can be found: KAVO_MEDIA_SERVER, next to the
    // running program, or on PATH.
    static bool IsKMSInstalled();

    static QString programPath();
    // The local socket a running media server listens on to be raised, in
    // the user's runtime folder; empty when that folder is refused.
    static QString raiseSocketName();
    // True when the other end of a connected socket runs as this user.
    static bool isOwnPeer(const QLocalSocket &socket);

    // Tests record launches instead of starting a process.
    using LaunchHook = std::function<int()>;
    static void setLaunchHook(LaunchHook hook);
};

} // namespace Zarnet
