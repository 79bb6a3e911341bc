#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Zarnet {

// What ffprobe's JSON (-show_format -show_streams) says about one file, as
// far as the decision needs it. Only the first video stream is taken; cover
// pictures do not count as video.
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
        // ffprobe's field_order: "progressive", "tt", "bb", "tb", "bt"; empty
        // when the stream does not say (then a detection pass tells).
        QString fieldOrder;
        bool fieldsDetected = false;
        // Degrees to turn the stored picture clockwise to show it upright;
        // width and height above are already the upright picture's.
        int rotation = 0;
        bool qpel = false;
        bool gmc = false;
        int bRun = 0; // the longest run of B-frames among those read
    };
    struct Audio
    {
        int index = 0; // among all the file's streams
        QString language; // the stream's tag as it is: "ger", "deu", "de", or empty
        bool isDefault = false;
        QString codec;
        QString profile;
        int channels = 0;
        qint64 bitRate = 0;
    };
    struct Subtitle
    {
        QString codec;
        bool text = false;
        QString language; // the stream's tag as it is
        bool isDefault = false;
    };

    QString formatName; // "mov,mp4,m4a,3gp,3g2,mj2", "avi", "matroska,webm", "mpegts"
    QString brand; // MP4's major brand: "qt  " marks a QuickTime file
    double duration = 0;
    qint64 size = 0;
    qint64 bitRate = 0;
    bool hasVideo = false;
    Video video;
    bool hasAudio = false;
    Audio audio; // the first track
    QVector<Audio> audios; // every track, in the file's order
    QVector<Subtitle> subtitles;
    // An MP4 whose index points past its end (cut off): about how much of it
    // is there. 0: all of it, as far as the probe tells.
    double readableSeconds = 0;

    // False with a reason when the text is not ffprobe's JSON or holds no
    // video stream.
    static bool fromJson(const QByteArray &json, MediaProbe *out, QString *error);

    bool isSquarePixels() const
    {
        return video.sarNum == video.sarDen || video.sarNum == 0 || video.sarDen == 0;
    }
    bool hasImageSubtitles() const;
    bool isInterlaced() const;
    bool knowsFields() const;
};

} // namespace Zarnet
