#pragma once

#include "host/audiotrackdecoder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QAudioSink;
class QIODevice;

// The sound of the file playing, from the audio track the person chose,
// following the picture's clock: it starts, pauses and seeks with it and
// jumps to where the picture is when the two drift apart. Without a sound
// device it still knows the tracks, and plays nothing.
class AudioTrackPlayer : public QObject
{
    Q_OBJECT

public:
    explicit AudioTrackPlayer(bool useSoundDevice, QObject *parent = nullptr);
    ~AudioTrackPlayer() override;

    bool hasOutput() const { return !m_device.isNull(); }

    // Lists the file's tracks and chooses the one in `language` (ISO 639,
    // any of its forms), else the file's default, else the first.
    void load(const QString &path, const QString &language);
    void unload();
    QStringList trackNames() const;
    int currentTrack() const { return m_decoder.selected(); }
    // The file's stream number being decoded; -1 for none.
    int decodedStream() const { return m_decoder.decodedStream(); }
    // Switches track; when playing, the new one starts at atMs.
    void setCurrentTrack(int track, qint64 atMs);

    void play(qint64 fromMs);
    void pause();
    void resume(qint64 atMs);
    void stop();
    // The picture is at videoMs: sound that strayed too far jumps there.
    void follow(qint64 videoMs);
    void setVolume(float linear);
    // Where the sound being heard is in the file, in ms; -1 when none plays.
    qint64 soundPosition() const { return m_output ? clockMs() : -1; }

    static bool sameLanguage(const QString &a, const QString &b);
    static int preferredTrack(const QList<AudioTrackDecoder::Track> &tracks, const QString &language);
    // "French", "French: Commentary", or "Track 2" when the file does not say.
    static QString trackName(const AudioTrackDecoder::Track &track, int number);

private:
    void feed();
    void align(qint64 ms);
    qint64 queuedMs() const;
    qint64 clockMs() const;
    bool selectTrack(int track);

    AudioTrackDecoder m_decoder;
    QAudioDevice m_device;
    QAudioFormat m_format;
    QAudioSink *m_sink = nullptr;
    QIODevice *m_output = nullptr;
    QTimer m_feedTimer;
    QElapsedTimer m_sinceAlign;
    QByteArray m_chunk;
    float m_volume = 1;
    bool m_playing = false;
    bool m_paused = false;
    bool m_trackEnded = false; // all of it handed to the device
};
