#include "mediaserver/tvstreamer.h"

#include "devices/devicetype.h"
#include "mediaserver/mediaserver.h"
#include "mediaserver/sharingservice.h"
#include "mediaserver/sharingsettings.h"
#include "transfer/transferengine.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

TvStreamer::TvStreamer(MediaServer *server, SharingService *sharing, QObject *parent)
    : QObject(parent)
    , m_server(server)
    , m_sharing(sharing)
{
    m_retry.setInterval(PrepareRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &TvStreamer::prepare);
    connect(&m_network, &HomeNetwork::interfacesChanged, &m_renderers, &RendererControl::setInterfaces);
    m_renderers.setInterfaces(m_network.interfaces());
    if (!server->streamedFiles().isEmpty())
        m_file = server->streamedFiles().constLast();
    connect(server, &MediaServer::fileStreamed, this, [this](const QString &path) {
        m_file = path;
        emit fileChanged(path);
    });
    // The file's listing and probe are taken as they come, not at the next retry.
    if (sharing)
        connect(&sharing->media(), &SharedMedia::streamedChanged, this, &TvStreamer::prepare);
    connect(&m_renderers, &RendererControl::statusChanged, this, &TvStreamer::follow);
    connect(&m_renderers, &RendererControl::rendererLost, this, [this](const QString &udn) {
        if (udn == m_renderer && (m_phase == Phase::Preparing || m_phase == Phase::Playing))
            setPhase(Phase::Failed, tr("The TV left the network, or stopped answering."));
    });
    connect(&m_renderers, &RendererControl::actionFailed, this,
        [this](const QString &udn, const QString &action, const QString &message) {
            if (udn == m_renderer)
                setPhase(Phase::Failed, tr("The TV refused \"%1\": %2").arg(action, message));
        });
}

TvStreamer::~TvStreamer() = default;

void TvStreamer::playOn(const QString &udn)
{
    if (m_file.isEmpty() || udn.isEmpty())
        return;
    // A conversion for another choice is dropped (its part with it).
    m_engine.reset();
    m_source = m_file;
    m_converted = false;
    m_renderer = udn;
    SharingSettings::setLastRenderer(udn);
    m_status = RendererStatus();
    m_stopAsked = false;
    ++m_attempt;
    m_asking = false;
    m_preparing.start();
    setPhase(Phase::Preparing);
    m_retry.start();
    prepare();
}

void TvStreamer::pause()
{
    m_renderers.pause(m_renderer);
}

void TvStreamer::resume()
{
    m_stopAsked = false;
    m_renderers.resume(m_renderer);
}

void TvStreamer::stop()
{
    m_stopAsked = true;
    m_renderers.stop(m_renderer);
}

void TvStreamer::seek(int seconds)
{
    m_renderers.seek(m_renderer, seconds);
}

void TvStreamer::setPhase(Phase phase, const QString &message)
{
    if (phase != Phase::Preparing)
        m_retry.stop();
    m_phase = phase;
    emit phaseChanged(phase, message);
}

void TvStreamer::prepare()
{
    if (m_phase != Phase::Preparing || m_asking)
        return;
    if (!m_server->isSharing() || !m_sharing) {
        setPhase(Phase::Failed,
            tr("Sharing is off. Switch on \"Share my videos on the home network\" to play "
               "on a TV."));
        return;
    }
    if (!m_renderers.hasRenderer(m_renderer)) {
        setPhase(Phase::Failed, tr("The TV is no longer on the network."));
        return;
    }
    if (m_preparing.elapsed() > PrepareLimitMs) {
        setPhase(Phase::Failed,
            tr("The TV could not be offered the video: check that the file is still there and "
               "that the TV is on the same network."));
        return;
    }
    const QString path = QFileInfo(m_source).canonicalFilePath();
    const QList<SharedVideo> streamed = m_sharing->media().streamed();
    const auto video = std::find_if(
        streamed.begin(), streamed.end(), [&](const SharedVideo &shared) { return shared.path == path; });
    if (video == streamed.end())
        return;
    // The probe adds the profile and duration a TV uses to pick its player.
    const bool probed = !video->dlnaProfile.isEmpty() || video->durationSeconds > 0;
    if (!probed && m_preparing.elapsed() < ProbeWaitMs)
        return;
    m_asking = true;
    const unsigned attempt = m_attempt;
    m_renderers.fetchMetadata(
        m_renderer, video->id, [this, attempt](const QString &didl) { metadataArrived(attempt, didl); });
}

void TvStreamer::metadataArrived(unsigned attempt, const QString &didl)
{
    if (attempt != m_attempt || m_phase != Phase::Preparing)
        return;
    m_asking = false;
    ItemResource resource;
    // Not listed yet, or our server not seen yet on that network: again.
    if (!ItemResource::fromDidl(didl, &resource))
        return;
    QStringList sinks;
    for (const MediaRenderer &renderer : m_renderers.renderers()) {
        if (renderer.udn == m_renderer)
            sinks = renderer.sinkProtocols;
    }
    if (qEnvironmentVariableIsSet("KAVO_DEBUG"))
        std::fprintf(stderr, "kavo-media-server: %s for a TV that takes %s\n",
            resource.protocolInfo.toUtf8().constData(), sinks.join(QLatin1Char(',')).toUtf8().constData());
    if (!ItemResource::playableBy(resource.protocolInfo, sinks)) {
        if (m_converted)
            setPhase(Phase::Failed, tr("The TV cannot play this kind of video, not even converted."));
        else
            convert();
        return;
    }
    setPhase(Phase::Playing);
    m_renderers.play(m_renderer, resource.url, resource.didl);
}

void TvStreamer::follow(const QString &udn, const RendererStatus &status)
{
    if (udn != m_renderer || status == m_status)
        return;
    const bool ended = m_status.state == QLatin1String("PLAYING") && status.state == QLatin1String("STOPPED")
        && !m_stopAsked && m_phase == Phase::Playing;
    m_status = status;
    emit statusChanged(status);
    if (ended)
        emit finished();
}

void TvStreamer::convert()
{
    const QString ready = m_cache.copyOf(m_file);
    if (!ready.isEmpty()) {
        useCopy(ready);
        return;
    }
    m_entry = m_cache.entryFor(m_file);
    if (!QDir().mkpath(m_entry)) {
        setPhase(Phase::Failed,
            tr("The video could not be converted for the TV: no room for it in %1.")
                .arg(QDir::toNativeSeparators(m_cache.folder())));
        return;
    }
    m_engine = std::make_unique<Zarnet::TransferEngine>();
    connect(m_engine.get(), &Zarnet::TransferEngine::progressed, this,
        [this](const Zarnet::TransferProgress &progress) {
            if (progress.stage == Zarnet::TransferProgress::Converting
                || progress.stage == Zarnet::TransferProgress::Copying)
                emit converting(progress.fraction);
        });
    connect(m_engine.get(), &Zarnet::TransferEngine::finished, this, &TvStreamer::converted);
    Zarnet::TransferRequest request;
    request.files = QStringList { m_file };
    request.type = TransferDevicesLibrary::TV;
    request.destination = m_entry;
    // The TV waits: speed over size.
    request.x264Preset = QStringLiteral("veryfast");
    QString error;
    setPhase(Phase::Converting);
    if (!m_engine->start(request, &error)) {
        m_engine.reset();
        setPhase(Phase::Failed, tr("The video could not be converted for the TV: %1").arg(error));
    }
}

void TvStreamer::converted()
{
    const QVector<Zarnet::TransferItem> items = m_engine->items();
    // Deleted from the event loop: this runs inside its signal.
    m_engine.release()->deleteLater();
    const bool made = !items.isEmpty() && !items.first().outputs.isEmpty()
        && (items.first().state == Zarnet::TransferItem::Arrived
            || items.first().state == Zarnet::TransferItem::AlreadyThere);
    if (!made) {
        QDir(m_entry).removeRecursively();
        setPhase(Phase::Failed,
            tr("The video could not be converted for the TV: %1")
                .arg(items.isEmpty() ? QString() : items.first().error));
        return;
    }
    TvCache::touch(m_entry);
    m_cache.trim(m_entry);
    useCopy(items.first().outputs.first());
}

void TvStreamer::useCopy(const QString &copy)
{
    m_source = copy;
    m_converted = true;
    if (m_sharing)
        m_sharing->shareStreamed(copy);
    m_preparing.start();
    m_asking = false;
    ++m_attempt;
    setPhase(Phase::Preparing);
    m_retry.start();
    prepare();
}
