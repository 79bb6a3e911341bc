#include "host/videoplayer.h"

#include "host/audiotrackplayer.h"
#include "host/playeroptions.h"

#include <QAudio>
#include <QMediaPlayer>
#include <QSettings>
#include <QVideoFrame>
#include <QVideoSink>

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace {
const char *const VolumeKey = "Playback/Volume";
const char *const MutedKey = "Playback/Muted";

QSettings playerSettings()
{
    return QSettings(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kavo"), QStringLiteral("kavo-player"));
}

// libav reports every hardware decoder it probes and cannot open (no CUDA,
// no display for VDPAU) on stderr; the software decoder plays regardless.
void quietDecoderLibrary()
{
    if (!qEnvironmentVariableIsSet("KAVO_DEBUG"))
        av_log_set_level(AV_LOG_QUIET);
}

QMediaPlayer *makeMediaPlayer(QObject *parent)
{
    VideoPlayer::preferFfmpegBackend();
    return new QMediaPlayer(parent);
}

QString reasonFor(QMediaPlayer::Error error, const QString &text)
{
    if (!text.isEmpty())
        return text;
    switch (error) {
    case QMediaPlayer::FormatError:
        return VideoPlayer::tr("The file's format is not supported.");
    case QMediaPlayer::AccessDeniedError:
        return VideoPlayer::tr("The file may not be read.");
    case QMediaPlayer::NetworkError:
        return VideoPlayer::tr("The network failed.");
    default:
        return VideoPlayer::tr("The file cannot be read.");
    }
}
} // namespace

VideoPlayer::VideoPlayer(Audio audio, QObject *parent)
    : QObject(parent)
    , m_player(makeMediaPlayer(this))
    , m_sink(new QVideoSink(this))
    , m_audio(new AudioTrackPlayer(audio == Audio::Default, this))
{
    quietDecoderLibrary();
    // The media player gets no audio output: Qt 6.4's FFmpeg back end crashes
    // when its audio track is changed, and when its output has no device.
    m_player->setVideoSink(m_sink);
    QSettings settings = playerSettings();
    m_volume = qBound(0, settings.value(QLatin1String(VolumeKey), m_volume).toInt(), 100);
    m_muted = settings.value(QLatin1String(MutedKey), false).toBool();
    applyVolume();

    connect(m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
        if (m_awaitingFrame && frame.isValid()) {
            m_awaitingFrame = false;
            emit firstFrame(m_sincePlay.elapsed());
        }
    });
    connect(m_player, &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
        if (m_player->playbackState() == QMediaPlayer::PlayingState)
            m_audio->follow(ms);
        emit positionChanged(qMax<qint64>(0, ms - m_startMs));
    });
    connect(m_player, &QMediaPlayer::durationChanged, this, &VideoPlayer::durationChanged);
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        // The sound follows the picture's state, whoever changed it.
        if (state == QMediaPlayer::PlayingState)
            m_audio->resume(m_player->position());
        else if (state == QMediaPlayer::PausedState)
            m_audio->pause();
        else
            m_audio->stop();
        emit playingChanged(state == QMediaPlayer::PlayingState);
    });
    connect(
        m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString &text) {
            if (error != QMediaPlayer::NoError)
                reportFailure(reasonFor(error, text));
        });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            reportFailure(reasonFor(m_player->error(), m_player->errorString()));
        else if (status == QMediaPlayer::EndOfMedia && !m_failed)
            emit ended();
    });
}

VideoPlayer::~VideoPlayer()
{
    // The back end's threads stop before the sink and output go. The owner
    // may be half destroyed by now: the stop is not announced to it.
    disconnect(m_player, nullptr, this, nullptr);
    m_player->stop();
    delete m_player;
    m_audio->unload();
}

void VideoPlayer::preferFfmpegBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

double VideoPlayer::probeDisplayAspect(const QString &path, qint64 *startMs)
{
    if (startMs)
        *startMs = 0;
    // Qt's frames carry no pixel aspect, so the file is asked; a short look
    // is enough for the stream's parameters and keeps the start quick.
    AVDictionary *options = nullptr;
    av_dict_set(&options, "probesize", "1000000", 0);
    av_dict_set(&options, "analyzeduration", "500000", 0);
    AVFormatContext *format = nullptr;
    const int opened = avformat_open_input(&format, QFile::encodeName(path).constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0)
        return 0;
    double aspect = 0;
    if (avformat_find_stream_info(format, nullptr) >= 0) {
        if (startMs && format->start_time != AV_NOPTS_VALUE && format->start_time > 0)
            *startMs = format->start_time / (AV_TIME_BASE / 1000);
        const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (index >= 0) {
            AVStream *stream = format->streams[index];
            const AVRational pixel = av_guess_sample_aspect_ratio(format, stream, nullptr);
            const int width = stream->codecpar->width;
            const int height = stream->codecpar->height;
            if (width > 0 && height > 0)
                aspect = width * (pixel.num > 0 && pixel.den > 0 ? av_q2d(pixel) : 1.0) / height;
        }
    }
    avformat_close_input(&format);
    return aspect;
}

void VideoPlayer::play(const QUrl &url)
{
    m_failed = false;
    m_source = url;
    m_awaitingFrame = true;
    m_sincePlay.start();
    m_displayAspect = url.isLocalFile() ? probeDisplayAspect(url.toLocalFile(), &m_startMs) : 0;
    if (!url.isLocalFile())
        m_startMs = 0;
    emit displayAspectChanged(m_displayAspect);
    m_player->stop();
    m_audio->unload();
    m_player->setSource(url);
    if (!m_failed)
        m_player->play();
    // Read while the first frame decodes: the start is not held up by it.
    m_audio->load(url.isLocalFile() ? url.toLocalFile() : QString(),
        m_audioLanguage.isEmpty() ? PlayerOptions::audioLanguage() : m_audioLanguage);
    applyVolume();
    emit audioTracksChanged();
    emit audioTrackChanged(m_audio->currentTrack());
    if (isPlaying())
        m_audio->play(m_player->position());
}

void VideoPlayer::stop()
{
    m_player->stop();
    m_player->setSource(QUrl());
    m_audio->unload();
    emit audioTracksChanged();
    m_source.clear();
    m_awaitingFrame = false;
    m_failed = false;
}

void VideoPlayer::pause()
{
    if (m_player->playbackState() == QMediaPlayer::PlayingState)
        m_player->pause();
}

void VideoPlayer::resume()
{
    if (!m_source.isEmpty() && !m_failed && m_player->playbackState() != QMediaPlayer::PlayingState)
        m_player->play();
}

void VideoPlayer::togglePause()
{
    if (isPlaying())
        pause();
    else
        resume();
}

void VideoPlayer::seek(qint64 ms)
{
    if (m_source.isEmpty() || m_failed)
        return;
    const qint64 length = m_player->duration();
    ms = qBound<qint64>(0, ms, length > 0 ? length : ms) + m_startMs;
    // The sound first: the picture announces its new place at once.
    if (isPlaying())
        m_audio->play(ms);
    m_player->setPosition(ms);
}

void VideoPlayer::skip(qint64 deltaMs)
{
    seek(position() + deltaMs);
}

bool VideoPlayer::isPlaying() const
{
    return m_player->playbackState() == QMediaPlayer::PlayingState;
}

bool VideoPlayer::isPaused() const
{
    return m_player->playbackState() == QMediaPlayer::PausedState;
}

qint64 VideoPlayer::position() const
{
    return qMax<qint64>(0, m_player->position() - m_startMs);
}

qint64 VideoPlayer::duration() const
{
    return m_player->duration();
}

void VideoPlayer::setVolume(int volume)
{
    volume = qBound(0, volume, 100);
    if (volume == m_volume)
        return;
    m_volume = volume;
    applyVolume();
    playerSettings().setValue(QLatin1String(VolumeKey), m_volume);
    emit volumeChanged(m_volume);
}

void VideoPlayer::setMuted(bool muted)
{
    if (muted == m_muted)
        return;
    m_muted = muted;
    applyVolume();
    playerSettings().setValue(QLatin1String(MutedKey), m_muted);
    emit mutedChanged(m_muted);
}

bool VideoPlayer::hasAudio() const
{
    return m_audio->hasOutput();
}

QStringList VideoPlayer::audioTracks() const
{
    return m_audio->trackNames();
}

int VideoPlayer::audioTrack() const
{
    return m_audio->currentTrack();
}

void VideoPlayer::setAudioTrack(int track)
{
    if (track == m_audio->currentTrack())
        return;
    m_audio->setCurrentTrack(track, m_player->position());
    if (m_audio->currentTrack() == track)
        emit audioTrackChanged(track);
}

int VideoPlayer::decodedAudioStream() const
{
    return m_audio->decodedStream();
}

qint64 VideoPlayer::soundPosition() const
{
    return m_audio->soundPosition();
}

void VideoPlayer::reportFailure(const QString &reason)
{
    if (m_failed)
        return;
    m_failed = true;
    emit failed(reason);
}

void VideoPlayer::applyVolume()
{
    // A linear slider sounds right on a cubic volume curve.
    m_audio->setVolume(m_muted ? 0.0f
                               : float(QAudio::convertVolume(m_volume / 100.0, QAudio::LogarithmicVolumeScale,
                                   QAudio::LinearVolumeScale)));
}
