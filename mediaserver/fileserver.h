#pragma once

#include "mediaserver/sharedvideo.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <memory>

// Serves the shared files over HTTP/1.1 from a thread of its own, with
// sendfile(2): GET and HEAD, one byte range, and the DLNA headers renderers
// expect. Only the files it is given, found by their id: no part of a URL
// is ever taken as a path. It listens on the addresses it is given and no
// other, all on one port, and on nothing while stopped. Every socket is
// non-blocking: a client that stops reading holds up no other and is
// dropped after a while; the calling thread never waits on a client.
class FileServer
{
public:
    static constexpr int MaxClients = 64;
    static constexpr int IdleLimitMs = 20000;

    FileServer();
    ~FileServer();
    FileServer(const FileServer &) = delete;
    FileServer &operator=(const FileServer &) = delete;

    // Listens on exactly these IPv4 addresses (dotted), on the port it
    // already has when it can. Clients of an address that stays keep
    // their connections. False when an address could not be opened.
    bool listen(const QStringList &addresses);
    // Closes every socket, clients' included.
    void stop();
    QStringList addresses() const;
    // 0 while it listens nowhere.
    quint16 port() const;

    // Replaces what is served; a transfer already running goes on.
    void setFiles(const QList<SharedVideo> &files);

    // A file's path on the server ("/media/<id>.<extension>").
    static QByteArray path(const SharedVideo &video);
    // The DLNA fourth field of the file's protocolInfo, also sent as its
    // contentFeatures.dlna.org header: byte ranges, streaming.
    static QByteArray contentFeatures(const SharedVideo &video);

private:
    struct Loop;
    std::unique_ptr<Loop> m_loop;
};
