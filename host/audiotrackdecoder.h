#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwrContext;

// Decodes one chosen audio track of a file to interleaved PCM with libav.
// The media player's own track switching is not used: Qt 6.4's FFmpeg back
// end crashes in it, so the player shows the picture and this the sound.
class AudioTrackDecoder
{
public:
    enum class SampleFormat { UInt8, Int16, Int32, Float };

    struct Track
    {
        int stream = -1; // the stream's number in the file
        QString language; // as the file tags it, often ISO 639-2; may be empty
        QString title;
        bool isDefault = false;
    };

    AudioTrackDecoder();
    ~AudioTrackDecoder();
    AudioTrackDecoder(const AudioTrackDecoder &) = delete;
    AudioTrackDecoder &operator=(const AudioTrackDecoder &) = delete;

    // Lists the file's audio tracks; none chosen yet.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_format != nullptr; }
    const QList<Track> &tracks() const { return m_tracks; }

    // Decodes tracks().at(track) from the start, converted to this format.
    bool select(int track, int sampleRate, int channels, SampleFormat format);
    int selected() const { return m_selected; }
    // The file's stream number being decoded; -1 for none.
    int decodedStream() const;

    bool seek(qint64 ms);
    // Up to maxBytes of whole sample frames; 0 at the end or on a fault.
    qint64 read(char *data, qint64 maxBytes);
    // Where the next byte read() gives belongs, in ms of the file.
    qint64 position() const { return m_clockUs / 1000; }
    int bytesPerFrame() const { return m_bytesPerFrame; }
    int sampleRate() const { return m_rate; }

private:
    bool decodeMore();
    void append(AVFrame *frame);
    void closeCodec();

    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_codec = nullptr;
    SwrContext *m_resampler = nullptr;
    AVPacket *m_packet = nullptr;
    AVFrame *m_frame = nullptr;
    QList<Track> m_tracks;
    int m_selected = -1;
    int m_rate = 0;
    int m_bytesPerFrame = 0;
    QByteArray m_pending; // converted, not yet read
    qint64 m_pendingRead = 0;
    qint64 m_clockUs = 0;
    qint64 m_seekTargetUs = -1; // frames before it are dropped after a seek
    bool m_draining = false;
    bool m_ended = false;
};
