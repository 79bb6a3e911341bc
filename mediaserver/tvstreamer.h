#pragma once

#include "mediaserver/homenetwork.h"
#include "mediaserver/itemresource.h"
#include "mediaserver/renderercontrol.h"
#include "mediaserver/tvcache.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace Zarnet {
class TransferEngine;
}

class MediaServer;
class SharingService;

// "Stream to ...": plays the file a player handed over last on the renderer
// the user picks. The file is played from our own share: once it is listed
// (and probed, for its metadata), the renderer is given its URL and
// DIDL-Lite as our ContentDirectory answers them on the renderer's network.
// A TV whose sink list lacks the file's format gets a copy converted with
// the transfer engine's TV profile, kept in the media server's cache and
// shared beside the file. The renderer picked is remembered; it is offered
// first next time.
class TvStreamer : public QObject
{
    Q_OBJECT

public:
    enum class Phase { Idle, Preparing, Converting, Playing, Failed };
    // How long a handed-over file may take to show up in the share.
    static constexpr int PrepareLimitMs = 15000;
    static constexpr int PrepareRetryMs = 100;
    // Metadata without the probe's findings is used after this long.
    static constexpr int ProbeWaitMs = 3000;

    TvStreamer(MediaServer *server, SharingService *sharing, QObject *parent = nullptr);
    ~TvStreamer() override;

    RendererControl &renderers() { return m_renderers; }
    QString file() const { return m_file; }
    // What the TV is given: the file, or the copy converted for it.
    QString playedFile() const { return m_source; }
    QString renderer() const { return m_renderer; }
    Phase phase() const { return m_phase; }
    RendererStatus status() const { return m_status; }

public slots:
    // Plays the file on the renderer (by its UDN).
    void playOn(const QString &udn);
    void pause();
    void resume();
    void stop();
    void seek(int seconds);

signals:
    void fileChanged(const QString &path);
    // message: why it failed, for people.
    void phaseChanged(TvStreamer::Phase phase, const QString &message);
    void statusChanged(const RendererStatus &status);
    // How far the conversion for the TV is, 0 to 1.
    void converting(double fraction);
    // The renderer came to the end by itself.
    void finished();

private:
    void setPhase(Phase phase, const QString &message = QString());
    void prepare();
    void metadataArrived(unsigned attempt, const QString &didl);
    void follow(const QString &udn, const RendererStatus &status);
    void convert();
    void converted();
    void useCopy(const QString &copy);

    MediaServer *m_server;
    SharingService *m_sharing;
    HomeNetwork m_network;
    RendererControl m_renderers;
    QString m_file;
    QString m_renderer;
    QString m_source;
    bool m_converted = false;
    TvCache m_cache;
    std::unique_ptr<Zarnet::TransferEngine> m_engine;
    QString m_entry;
    Phase m_phase = Phase::Idle;
    RendererStatus m_status;
    bool m_stopAsked = false;
    // Answers to an earlier attempt are ignored.
    unsigned m_attempt = 0;
    bool m_asking = false;
    QTimer m_retry;
    QElapsedTimer m_preparing;
};
