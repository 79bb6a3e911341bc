#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Zarnet {

// What ffprobe's JSON (-show_format -show_streams) says about one file, as
// far as the decision needs it. Only the first video and first audio stream
// are taken; cover pictures do not count as video.
struct MediaProbe
{
    struct Video
    {
        int index = 0; // among all the file's streams: a cover picture may come first
        QString codec; // ffprobe's codec_name: "h264", "mpeg4", "hevc"
        QString profile; // "High", "Advanced Simple Profile"
        int level = 0; // H.264: times ten
        int width = 0;
        int height = 0;
        int sarNum = 1;
        int sarDen = 1;
        QString frameRate; // "25/1" as ffprobe gives it
        double fps = 0;
        QString pixelFormat;
        QString codecTag; // "DX50", "XVID", "avc1"
        int bFrames = 0; // has_b_frames: the decoder's reorder depth
        qint64 bitRate = 0;
        // Read from the elementary stream itself when a device cares:
        // ffprobe reports none of these.
        bool streamChecked = false;
        bool qpel = false;
        bool gmc = false;
        int bRun = 0; // the longest run of B-frames among those read
    };
    struct Audio
    {
        QString codec;
        QString profile;
        int channels = 0;
        qint64 bitRate = 0;
    };
    struct Subtitle
    {
        QString codec;
        bool text = false;
    };

    QString formatName; // "mov,mp4,m4a,3gp,3g2,mj2", "avi", "matroska,webm", "mpegts"
    QString brand; // MP4's major brand: "qt  " marks a QuickTime file
    double duration = 0;
    qint64 size = 0;
    qint64 bitRate = 0;
    bool hasVideo = false;
    Video video;
    bool hasAudio = false;
    Audio audio;
    QVector<Subtitle> subtitles;

    // False with a reason when the text is not ffprobe's JSON or holds no
    // video stream.
    static bool fromJson(const QByteArray &json, MediaProbe *out, QString *error);

    bool isSquarePixels() const
    {
        return video.sarNum == video.sarDen || video.sarNum == 0 || video.sarDen == 0;
    }
    bool hasImageSubtitles() const;
};

} // namespace Zarnet
