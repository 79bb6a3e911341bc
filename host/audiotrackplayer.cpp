#include "host/audiotrackplayer.h"

#include <QAudioSink>
#include <QLocale>
#include <QMediaDevices>

#include <cstdio>

namespace {
// Sound this far from the picture starts over where the picture is; less is
// not heard as out of step, and starting over is heard as a skip.
constexpr qint64 DriftToleranceMs = 200;
// After a start or a seek the two settle (device latency, the picture's
// first frame) before they are compared.
constexpr qint64 SettleMs = 800;
constexpr int FeedIntervalMs = 10;
constexpr qint64 DeviceBufferUs = 150000;

AudioTrackDecoder::SampleFormat decoderFormat(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8:
        return AudioTrackDecoder::SampleFormat::UInt8;
    case QAudioFormat::Int32:
        return AudioTrackDecoder::SampleFormat::Int32;
    case QAudioFormat::Float:
        return AudioTrackDecoder::SampleFormat::Float;
    default:
        return AudioTrackDecoder::SampleFormat::Int16;
    }
}

QLocale::Language languageOf(const QString &code)
{
    return code.isEmpty() ? QLocale::AnyLanguage
                          : QLocale::codeToLanguage(code.trimmed(), QLocale::AnyLanguageCode);
}
} // namespace

AudioTrackPlayer::AudioTrackPlayer(bool useSoundDevice, QObject *parent)
    : QObject(parent)
{
    if (useSoundDevice)
        m_device = QMediaDevices::defaultAudioOutput();
    if (!m_device.isNull()) {
        m_format = m_device.preferredFormat();
        if (m_format.sampleFormat() == QAudioFormat::Unknown)
            m_format.setSampleFormat(QAudioFormat::Int16);
        if (m_format.sampleRate() <= 0)
            m_format.setSampleRate(48000);
        if (m_format.channelCount() <= 0)
            m_format.setChannelCount(2);
    }
    m_feedTimer.setInterval(FeedIntervalMs);
    m_feedTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_feedTimer, &QTimer::timeout, this, &AudioTrackPlayer::feed);
}

AudioTrackPlayer::~AudioTrackPlayer()
{
    unload();
}

void AudioTrackPlayer::load(const QString &path, const QString &language)
{
    unload();
    if (!m_decoder.open(path))
        return;
    selectTrack(preferredTrack(m_decoder.tracks(), language));
}

void AudioTrackPlayer::unload()
{
    stop();
    delete m_sink;
    m_sink = nullptr;
    m_decoder.close();
}

QStringList AudioTrackPlayer::trackNames() const
{
    QStringList names;
    for (int i = 0; i < m_decoder.tracks().size(); ++i)
        names << trackName(m_decoder.tracks().at(i), i + 1);
    return names;
}

bool AudioTrackPlayer::selectTrack(int track)
{
    // Without a device the choice is kept all the same, in a format any
    // device takes, so the menu and what would play agree.
    const int rate = hasOutput() ? m_format.sampleRate() : 48000;
    const int channels = hasOutput() ? m_format.channelCount() : 2;
    const AudioTrackDecoder::SampleFormat format
        = hasOutput() ? decoderFormat(m_format.sampleFormat()) : AudioTrackDecoder::SampleFormat::Int16;
    return m_decoder.select(track, rate, channels, format);
}

void AudioTrackPlayer::setCurrentTrack(int track, qint64 atMs)
{
    if (track == m_decoder.selected() || track < 0 || track >= m_decoder.tracks().size())
        return;
    const int previous = m_decoder.selected();
    if (!selectTrack(track))
        selectTrack(previous); // a track whose codec will not open leaves the sound as it was
    if (m_output)
        align(atMs);
}

void AudioTrackPlayer::play(qint64 fromMs)
{
    m_playing = true;
    m_paused = false;
    if (!hasOutput() || m_decoder.selected() < 0)
        return;
    if (!m_output) {
        if (!m_sink) {
            m_sink = new QAudioSink(m_device, m_format, this);
            m_sink->setBufferSize(m_format.bytesForDuration(DeviceBufferUs));
            m_sink->setVolume(m_volume);
        }
        m_output = m_sink->start();
        if (!m_output || m_sink->error() != QAudio::NoError) {
            // The device went away or refuses: the picture plays on alone.
            m_sink->stop();
            m_output = nullptr;
            return;
        }
    } else if (m_sink->state() == QAudio::SuspendedState) {
        m_sink->resume();
    }
    align(fromMs);
    m_feedTimer.start();
}

void AudioTrackPlayer::align(qint64 ms)
{
    // The device's stream stays open (opening one can take a while); what it
    // holds plays out, and what follows it is the sound of ms.
    m_chunk.clear();
    m_decoder.seek(ms + queuedMs());
    m_trackEnded = false;
    m_sinceAlign.start();
    feed();
}

void AudioTrackPlayer::pause()
{
    if (!m_playing || m_paused)
        return;
    m_paused = true;
    m_feedTimer.stop();
    if (m_output)
        m_sink->suspend();
}

void AudioTrackPlayer::resume(qint64 atMs)
{
    if (!m_playing || !m_output || qAbs(clockMs() - atMs) > DriftToleranceMs) {
        play(atMs);
        return;
    }
    if (!m_paused)
        return;
    m_paused = false;
    m_sink->resume();
    m_feedTimer.start();
}

void AudioTrackPlayer::stop()
{
    m_feedTimer.stop();
    m_playing = false;
    m_paused = false;
    if (m_sink)
        m_sink->stop();
    m_output = nullptr;
    m_chunk.clear();
}

void AudioTrackPlayer::follow(qint64 videoMs)
{
    if (!m_output || m_paused || m_sinceAlign.elapsed() < SettleMs)
        return;
    const qint64 clock = clockMs();
    // A track shorter than the picture is silent past its end, not restarted.
    if (m_trackEnded && videoMs > clock)
        return;
    if (qAbs(clock - videoMs) > DriftToleranceMs) {
        if (qEnvironmentVariableIsSet("KAVO_DEBUG"))
            std::fprintf(
                stderr, "kavo-player: the sound was at %lld ms, the picture at %lld ms\n", clock, videoMs);
        align(videoMs);
    }
}

void AudioTrackPlayer::setVolume(float linear)
{
    m_volume = linear;
    if (m_sink)
        m_sink->setVolume(linear);
}

void AudioTrackPlayer::feed()
{
    if (!m_output)
        return;
    qint64 room = m_sink->bytesFree();
    while (room > 0) {
        if (m_chunk.isEmpty()) {
            if (room < m_decoder.bytesPerFrame())
                break;
            m_chunk.resize(qMin<qint64>(room, m_format.bytesForDuration(40000)));
            const qint64 got = m_decoder.read(m_chunk.data(), m_chunk.size());
            m_chunk.resize(qMax<qint64>(0, got));
            if (got <= 0) {
                m_trackEnded = true; // the device plays out what it has
                break;
            }
        }
        const qint64 written = m_output->write(m_chunk.constData(), m_chunk.size());
        if (written <= 0)
            break;
        m_chunk.remove(0, written);
        room -= written;
    }
}

qint64 AudioTrackPlayer::queuedMs() const
{
    // Handed to the device and not heard yet.
    if (!m_output)
        return 0;
    const qint64 queued = qMax<qint64>(0, m_sink->bufferSize() - m_sink->bytesFree());
    return m_format.durationForBytes(qint32(queued)) / 1000;
}

qint64 AudioTrackPlayer::clockMs() const
{
    return m_decoder.position() - m_format.durationForBytes(qint32(m_chunk.size())) / 1000 - queuedMs();
}

bool AudioTrackPlayer::sameLanguage(const QString &a, const QString &b)
{
    const QLocale::Language language = languageOf(a);
    return language != QLocale::AnyLanguage && language != QLocale::C && language == languageOf(b);
}

int AudioTrackPlayer::preferredTrack(const QList<AudioTrackDecoder::Track> &tracks, const QString &language)
{
    for (int i = 0; i < tracks.size(); ++i) {
        if (sameLanguage(tracks.at(i).language, language))
            return i;
    }
    for (int i = 0; i < tracks.size(); ++i) {
        if (tracks.at(i).isDefault)
            return i;
    }
    return tracks.isEmpty() ? -1 : 0;
}

QString AudioTrackPlayer::trackName(const AudioTrackDecoder::Track &track, int number)
{
    const QLocale::Language language = languageOf(track.language);
    QString name = language == QLocale::AnyLanguage || language == QLocale::C
        ? tr("Track %1").arg(number)
        : QLocale::languageToString(language);
    if (!track.title.isEmpty())
        name += QStringLiteral(": ") + track.title;
    return name;
}
