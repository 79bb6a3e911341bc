#pragma once

#include "mediaserver/homenetwork.h"
#include "mediaserver/sharedmedia.h"
#include "mediaserver/upnpserver.h"

#include <QObject>
#include <QTimer>

class MediaServer;

// Makes the media server's sharing real: switched on, the UPnP server runs
// on the home network with the media folder and the files handed over to
// stream; switched off, it is gone from the network. The state and the
// name are kept in the settings store.
class SharingService : public QObject
{
    Q_OBJECT

public:
    static constexpr int FolderCheckIntervalMs = 2000;

    explicit SharingService(MediaServer *server, QObject *parent = nullptr);
    ~SharingService() override;

    QString name() const { return m_name; }
    // An empty name goes back to the default one.
    void setName(const QString &name);
    bool isOnNetwork() const { return m_upnp.isRunning(); }
    const SharedMedia &media() const { return m_media; }
    // Shares a file under "Now streaming" as if handed over (a copy made
    // for a TV); false for anything but a readable file.
    bool shareStreamed(const QString &path) { return m_media.addStreamed(path); }

signals:
    void nameChanged(const QString &name);

private:
    bool switchTo(bool on);
    void checkFolder();

    MediaServer *m_server;
    QString m_name;
    SharedMedia m_media;
    HomeNetwork m_network;
    UpnpServer m_upnp;
    QTimer m_folderCheck;
};
