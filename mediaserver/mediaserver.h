#pragma once

#include "ipc/ikavoipc.h"
#include "ipc/refcountedptr.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <functional>
#include <string>

class MediaServerSession;

// The client end of the player's media-server channel. Looks for a player
// twice a second while none is connected, answers its polls with the sharing
// state and keeps the paths it asks to stream.
class MediaServer : public QObject
{
    Q_OBJECT

public:
    static constexpr int RetryIntervalMs = 500;

    // Does the switching for real; answers the state it reached.
    using SharingSwitch = std::function<bool(bool on)>;

    explicit MediaServer(bool sharing, QObject *parent = nullptr);
    ~MediaServer() override;

    bool isSharing() const { return m_sharing.load(); }
    bool isConnected() const { return static_cast<bool>(m_ipc); }
    QStringList streamedFiles() const { return m_streamedFiles; }
    // Without one the state is only what was last asked for.
    void setSharingSwitch(SharingSwitch sharingSwitch) { m_switch = std::move(sharingSwitch); }

public slots:
    void setSharing(bool on);
    void start();

signals:
    // Also when a switch could not follow, so that controls snap back.
    void sharingChanged(bool on);
    void connectedChanged(bool connected);
    // Every message of the player by its name; path only for "StreamFileRequest".
    void requestReceived(const QString &name, const QString &path);
    void fileStreamed(const QString &path);

private:
    void tryConnect();
    void dropConnection();
    void handle(unsigned generation, int event, const std::string &name, const std::string &text);

    std::atomic<bool> m_sharing;
    SharingSwitch m_switch;
    QTimer m_retry;
    kvtl::RefCountedPtr<kvds::IKavoIPC> m_ipc;
    kvtl::RefCountedPtr<MediaServerSession> m_session;
    // Reports of an endpoint already dropped are ignored.
    unsigned m_generation = 0;
    QStringList m_streamedFiles;
};
