#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

class AudioTrackPlayer;
class QMediaPlayer;
class QVideoSink;

// Plays one media file at a time on Qt Multimedia. Sound goes to the default
// device when there is one, from the audio track chosen (by default the one
// in the host's audio language); without one the video plays alone. The
// volume and mute state are kept in the player's own settings between runs.
class VideoPlayer : public QObject
{
    Q_OBJECT

public:
    enum class Audio { Default, None };

    explicit VideoPlayer(Audio audio = Audio::Default, QObject *parent = nullptr);
    ~VideoPlayer() override;

    // Chooses the FFmpeg back end unless QT_MEDIA_BACKEND names one; it counts
    // only before the first media object is made (the first player does it).
    static void preferFfmpegBackend();

    QVideoSink *videoSink() const { return m_sink; }
    bool hasAudio() const;
    // Width over height of the picture as it is meant to be seen (pixels
    // need not be square); 0 when the file does not say. The probe also
    // tells where the file's clock starts, in ms.
    double displayAspect() const { return m_displayAspect; }
    static double probeDisplayAspect(const QString &path, qint64 *startMs = nullptr);

    void play(const QUrl &url);
    void stop();
    void pause();
    void resume();
    void togglePause();
    void seek(qint64 ms);
    void skip(qint64 deltaMs);

    QUrl source() const { return m_source; }
    bool isPlaying() const;
    bool isPaused() const;
    qint64 position() const;
    qint64 duration() const;

    int volume() const { return m_volume; } // 0 to 100
    bool isMuted() const { return m_muted; }
    void setVolume(int volume);
    void setMuted(bool muted);

    // The audio tracks of the file playing, by name, and the one chosen.
    QStringList audioTracks() const;
    int audioTrack() const;
    void setAudioTrack(int track);
    // The file's stream number the sound comes from; -1 for none.
    int decodedAudioStream() const;
    // Where the sound heard is, in ms; -1 when no sound plays.
    qint64 soundPosition() const;
    // An ISO 639 code; empty means the host's Languages/AudioLanguage.
    void setAudioLanguage(const QString &language) { m_audioLanguage = language; }

signals:
    void positionChanged(qint64 ms);
    void durationChanged(qint64 ms);
    void playingChanged(bool playing);
    // The first frame of the file reached the sink, this long after play().
    void firstFrame(qint64 ms);
    void displayAspectChanged(double aspect);
    void ended();
    // Once per file: why it does not play.
    void failed(const QString &reason);
    void volumeChanged(int volume);
    void mutedChanged(bool muted);
    void audioTracksChanged();
    void audioTrackChanged(int track);

private:
    void reportFailure(const QString &reason);
    void applyVolume();

    QMediaPlayer *m_player;
    QVideoSink *m_sink;
    AudioTrackPlayer *m_audio;
    QString m_audioLanguage;
    QUrl m_source;
    double m_displayAspect = 0;
    // Where the file's clock starts (MPEG-TS rarely at 0): the media player
    // counts from there, the person from the start of the item.
    qint64 m_startMs = 0;
    QElapsedTimer m_sincePlay;
    bool m_awaitingFrame = false;
    bool m_failed = false;
    int m_volume = 80;
    bool m_muted = false;
};
