#pragma once

#include "mediaserver/homeinterface.h"
#include "mediaserver/sharedvideo.h"

#include <QList>
#include <QStringList>

#include <memory>

// The UPnP/DLNA MediaServer on the home network, on librygel-server. Its
// GLib sources run on Qt's own event loop. While running it has one GUPnP
// context (sockets, HTTP server, announcements) per interface it is given,
// bound to that interface's address and no other, and a file server of its
// own on those addresses that serves the two containers' files as they are,
// with ranges; stopped, it has no socket open at all. The common Browse of a
// container is answered from a list written once per change. The only unit
// that sees GLib: callers pass Qt types.
class UpnpServer
{
public:
    enum class Container { Videos, NowStreaming };
    // The name TVs show for a container, in the user's language.
    static QString title(Container container);

    UpnpServer();
    ~UpnpServer();
    UpnpServer(const UpnpServer &) = delete;
    UpnpServer &operator=(const UpnpServer &) = delete;

    // configFolder receives the engine's own configuration file. False
    // when the engine could not be made; the server then stays stopped.
    bool start(const QString &name, const QString &configFolder);
    void stop();
    bool isRunning() const;

    // Where to announce and listen; interfaces that went are left.
    void setInterfaces(const QList<HomeInterface> &interfaces);
    QList<HomeInterface> interfaces() const { return m_interfaces; }
    // The HTTP base ("http://address:port") on each interface served now.
    QStringList baseUrls() const;

    // Replaces a container's items, in this order. Kept while stopped.
    void setItems(Container container, const QList<SharedVideo> &items);
    QList<SharedVideo> items(Container container) const;

    // The engine's own warnings reach stderr only with KAVO_DEBUG set.
    static void quietEngineLog();

private:
    struct Engine;
    void fill(Container container);

    std::unique_ptr<Engine> m_engine;
    QList<HomeInterface> m_interfaces;
    QList<SharedVideo> m_videos;
    QList<SharedVideo> m_streaming;
};
