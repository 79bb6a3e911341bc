#pragma once

#include "mediaserver/homeinterface.h"
#include "mediaserver/mediarenderer.h"
#include "mediaserver/rendererstatus.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

// The media server's UPnP control point: finds the MediaRenderers (with an
// AVTransport) on each home-network interface, with one GUPnP context bound
// to each, and drives them. Every action goes out asynchronously and ends
// in a signal; one that gets no answer in ActionTimeoutMs counts as the
// renderer gone, as does its bye-bye. The renderer being watched is asked
// for its state and position every PollIntervalMs, so changes made on the
// TV itself are followed. The only unit of the control point that sees GLib.
class RendererControl : public QObject
{
    Q_OBJECT

public:
    static constexpr int PollIntervalMs = 1000;
    static constexpr int ActionTimeoutMs = 8000;

    // The DIDL-Lite our own ContentDirectory answers for an object; empty
    // on failure.
    using MetadataHandler = std::function<void(const QString &didl)>;

    explicit RendererControl(QObject *parent = nullptr);
    ~RendererControl() override;

    void setInterfaces(const QList<HomeInterface> &interfaces);
    QList<MediaRenderer> renderers() const;
    bool hasRenderer(const QString &udn) const;

    // Asks our own media server, as seen on the renderer's network, for an
    // object's metadata, so that the URL in it is one the renderer can
    // reach, however the server serves it.
    void fetchMetadata(const QString &rendererUdn, const QString &objectId, MetadataHandler handler);

    // SetAVTransportURI, then Play; the renderer is watched from then on.
    void play(const QString &udn, const QString &url, const QString &didl);
    void resume(const QString &udn);
    void pause(const QString &udn);
    void stop(const QString &udn);
    void seek(const QString &udn, int seconds);
    // Asked for its state until another one is watched; empty for none.
    void watch(const QString &udn);
    QString watched() const { return m_watched; }

Q_SIGNALS:
    void rendererFound(const MediaRenderer &renderer);
    // Its sink protocols are known now.
    void rendererChanged(const MediaRenderer &renderer);
    void rendererLost(const QString &udn);
    void statusChanged(const QString &udn, const RendererStatus &status);
    // An action the renderer refused, in its own words.
    void actionFailed(const QString &udn, const QString &action, const QString &message);

private:
    struct Engine;
    friend struct Engine;
    void poll();

    std::unique_ptr<Engine> m_engine;
    QString m_watched;
    QTimer m_poll;
};
