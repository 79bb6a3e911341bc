#include "transfer/mediaprobe.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Zarnet {

namespace {

// ffprobe writes most numbers as strings.
qint64 number(const QJsonValue &value)
{
    return value.isString() ? value.toString().toLongLong() : qint64(value.toDouble());
}

double rational(const QString &text)
{
    const int slash = text.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return text.toDouble();
    const double den = QStringView(text).mid(slash + 1).toDouble();
    return den > 0 ? QStringView(text).left(slash).toDouble() / den : 0;
}

bool isTextSubtitle(const QString &codec)
{
    static const char *const text[]
        = { "subrip", "srt", "ass", "ssa", "mov_text", "webvtt", "text", "microdvd" };
    for (const char *name : text) {
        if (codec == QLatin1String(name))
            return true;
    }
    return false;
}

} // namespace

bool MediaProbe::fromJson(const QByteArray &json, MediaProbe *out, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject() || !document.object().contains(QLatin1String("streams"))) {
        *error = QStringLiteral("ffprobe gave no stream list");
        return false;
    }
    MediaProbe probe;
    const QJsonObject format = document.object().value(QLatin1String("format")).toObject();
    probe.formatName = format.value(QLatin1String("format_name")).toString();
    // Lists of other files or streams: what they would bring in is not this file.
    static const char *const lists[]
        = { "hls", "concat", "sdp", "rtsp", "rtp", "image2", "ffmetadata", "tee", "dash", "mpd" };
    for (const QString &name : probe.formatName.split(QLatin1Char(','))) {
        if (std::find_if(std::begin(lists), std::end(lists),
                [&](const char *list) { return name == QLatin1String(list); })
            != std::end(lists)) {
            *error = QStringLiteral("not a video: a list of other files (%1)").arg(name);
            return false;
        }
    }
    probe.brand
        = format.value(QLatin1String("tags")).toObject().value(QLatin1String("major_brand")).toString();
    probe.duration = format.value(QLatin1String("duration")).toString().toDouble();
    probe.size = number(format.value(QLatin1String("size")));
    probe.bitRate = number(format.value(QLatin1String("bit_rate")));

    const QJsonArray streams = document.object().value(QLatin1String("streams")).toArray();
    for (const QJsonValue &value : streams) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QLatin1String("codec_type")).toString();
        const QString codec = stream.value(QLatin1String("codec_name")).toString();
        const bool cover = stream.value(QLatin1String("disposition"))
                               .toObject()
                               .value(QLatin1String("attached_pic"))
                               .toInt()
            != 0;
        if (type == QLatin1String("video") && !cover && !probe.hasVideo) {
            probe.hasVideo = true;
            probe.video.index = stream.value(QLatin1String("index")).toInt();
            Video &video = probe.video;
            video.codec = codec;
            video.profile = stream.value(QLatin1String("profile")).toString();
            video.level = stream.value(QLatin1String("level")).toInt();
            video.width = stream.value(QLatin1String("width")).toInt();
            video.height = stream.value(QLatin1String("height")).toInt();
            const QStringList sar
                = stream.value(QLatin1String("sample_aspect_ratio")).toString().split(QLatin1Char(':'));
            if (sar.size() == 2 && sar.at(0).toInt() > 0 && sar.at(1).toInt() > 0) {
                video.sarNum = sar.at(0).toInt();
                video.sarDen = sar.at(1).toInt();
            }
            // avg_frame_rate is what plays; r_frame_rate can be a field rate.
            video.frameRate = stream.value(QLatin1String("avg_frame_rate")).toString();
            if (rational(video.frameRate) <= 0)
                video.frameRate = stream.value(QLatin1String("r_frame_rate")).toString();
            video.fps = rational(video.frameRate);
            video.pixelFormat = stream.value(QLatin1String("pix_fmt")).toString();
            video.codecTag = stream.value(QLatin1String("codec_tag_string")).toString();
            video.bFrames = stream.value(QLatin1String("has_b_frames")).toInt();
            video.bitRate = number(stream.value(QLatin1String("bit_rate")));
            video.fieldOrder = stream.value(QLatin1String("field_order")).toString();
            if (video.fieldOrder == QLatin1String("unknown"))
                video.fieldOrder.clear();
            // The display matrix turns counter-clockwise; an old "rotate" tag clockwise.
            double turn = -stream.value(QLatin1String("tags"))
                               .toObject()
                               .value(QLatin1String("rotate"))
                               .toString()
                               .toDouble();
            for (const QJsonValue &data : stream.value(QLatin1String("side_data_list")).toArray()) {
                if (data.toObject().contains(QLatin1String("rotation")))
                    turn = data.toObject().value(QLatin1String("rotation")).toDouble();
            }
            video.rotation = (int(std::lround(-turn / 90.0)) % 4 + 4) % 4 * 90;
            if (video.rotation % 180 != 0) {
                std::swap(video.width, video.height);
                std::swap(video.sarNum, video.sarDen);
            }
        } else if (type == QLatin1String("audio")) {
            Audio audio;
            audio.index = stream.value(QLatin1String("index")).toInt();
            audio.language
                = stream.value(QLatin1String("tags")).toObject().value(QLatin1String("language")).toString();
            audio.isDefault = stream.value(QLatin1String("disposition"))
                                  .toObject()
                                  .value(QLatin1String("default"))
                                  .toInt()
                != 0;
            audio.codec = codec;
            audio.profile = stream.value(QLatin1String("profile")).toString();
            audio.channels = stream.value(QLatin1String("channels")).toInt();
            audio.bitRate = number(stream.value(QLatin1String("bit_rate")));
            if (!probe.hasAudio)
                probe.audio = audio;
            probe.hasAudio = true;
            probe.audios.append(audio);
        } else if (type == QLatin1String("subtitle")) {
            probe.subtitles.append({ codec, isTextSubtitle(codec),
                stream.value(QLatin1String("tags")).toObject().value(QLatin1String("language")).toString(),
                stream.value(QLatin1String("disposition")).toObject().value(QLatin1String("default")).toInt()
                    != 0 });
        }
    }
    // MP4's stream bit rates come from its index: the bytes it says the
    // samples take. A file much smaller than that lost its end.
    if (probe.formatName.split(QLatin1Char(',')).contains(QLatin1String("mp4")) && probe.size > 0
        && probe.duration > 0) {
        double indexed = 0;
        for (const QJsonValue &value : streams) {
            const QJsonObject stream = value.toObject();
            indexed += number(stream.value(QLatin1String("bit_rate")))
                * stream.value(QLatin1String("duration")).toString().toDouble() / 8;
        }
        if (probe.size < indexed * 0.95)
            probe.readableSeconds = probe.duration * probe.size / indexed;
    }
    if (!probe.hasVideo) {
        *error = QStringLiteral("not a video: no picture stream");
        return false;
    }
    *out = probe;
    return true;
}

bool MediaProbe::isInterlaced() const
{
    return knowsFields() && video.fieldOrder != QLatin1String("progressive");
}

bool MediaProbe::knowsFields() const
{
    return !video.fieldOrder.isEmpty();
}

bool MediaProbe::hasImageSubtitles() const
{
    for (const Subtitle &subtitle : subtitles) {
        if (!subtitle.text)
            return true;
    }
    return false;
}

} // namespace Zarnet
