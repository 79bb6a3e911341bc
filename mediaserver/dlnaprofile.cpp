#include "mediaserver/dlnaprofile.h"

#include "transfer/mediaprobe.h"

#include <QFileInfo>

namespace {

struct Extension
{
    const char *suffix;
    const char *mimeType;
};

const Extension Extensions[] = {
    { "mp4", "video/mp4" },
    { "m4v", "video/mp4" },
    { "mov", "video/quicktime" },
    { "mkv", "video/x-matroska" },
    { "webm", "video/webm" },
    { "avi", "video/x-msvideo" },
    { "divx", "video/x-msvideo" },
    { "ts", "video/mpeg" },
    { "m2ts", "video/vnd.dlna.mpeg-tts" },
    { "mts", "video/vnd.dlna.mpeg-tts" },
    { "mpg", "video/mpeg" },
    { "mpeg", "video/mpeg" },
    { "vob", "video/mpeg" },
    { "wmv", "video/x-ms-wmv" },
    { "asf", "video/x-ms-asf" },
    { "flv", "video/x-flv" },
    { "3gp", "video/3gpp" },
    { "ogv", "video/ogg" },
};

bool isHd(const Zarnet::MediaProbe &probe)
{
    return probe.video.width > 720 || probe.video.height > 576;
}

} // namespace

bool DlnaProfile::isVideoName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const Extension &extension : Extensions) {
        if (suffix == QLatin1String(extension.suffix))
            return true;
    }
    return false;
}

QString DlnaProfile::mimeTypeForName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const Extension &extension : Extensions) {
        if (suffix == QLatin1String(extension.suffix))
            return QString::fromLatin1(extension.mimeType);
    }
    return QStringLiteral("application/octet-stream");
}

QString DlnaProfile::mimeType(const Zarnet::MediaProbe &probe, const QString &fileName)
{
    const QString format = probe.formatName;
    if (format == QLatin1String("avi"))
        return QStringLiteral("video/x-msvideo");
    if (format == QLatin1String("mpegts"))
        return QStringLiteral("video/mpeg");
    if (format.startsWith(QLatin1String("mov,mp4")))
        return probe.brand == QLatin1String("qt  ") ? QStringLiteral("video/quicktime")
                                                    : QStringLiteral("video/mp4");
    if (format == QLatin1String("matroska,webm"))
        return fileName.endsWith(QLatin1String(".webm"), Qt::CaseInsensitive)
            ? QStringLiteral("video/webm")
            : QStringLiteral("video/x-matroska");
    if (format.startsWith(QLatin1String("mpeg")))
        return QStringLiteral("video/mpeg");
    return mimeTypeForName(fileName);
}

QString DlnaProfile::profileName(const Zarnet::MediaProbe &probe)
{
    if (!probe.hasVideo)
        return {};
    const QString &video = probe.video.codec;
    const QString audio = probe.hasAudio ? probe.audio.codec : QString();
    const QString &format = probe.formatName;
    if (format.startsWith(QLatin1String("mov,mp4")) && probe.brand != QLatin1String("qt  ")
        && video == QLatin1String("h264") && (audio.isEmpty() || audio == QLatin1String("aac"))) {
        const QString &profile = probe.video.profile;
        if (profile.startsWith(QLatin1String("High")))
            return QStringLiteral("AVC_MP4_HP_HD_AAC");
        if (isHd(probe))
            return QStringLiteral("AVC_MP4_MP_HD_AAC");
        if (profile.contains(QLatin1String("Baseline")) && probe.video.width <= 352
            && probe.video.height <= 288)
            return QStringLiteral("AVC_MP4_BL_CIF15_AAC_520");
        return QStringLiteral("AVC_MP4_MP_SD_AAC_MULT5");
    }
    if (format == QLatin1String("mpegts") && video == QLatin1String("mpeg2video")) {
        // Europe's 25 frames, North America's 30 (and 24).
        const bool europe = probe.video.fps > 24.5 && probe.video.fps < 25.5;
        if (isHd(probe))
            return europe ? QStringLiteral("MPEG_TS_HD_EU_ISO") : QStringLiteral("MPEG_TS_HD_NA_ISO");
        return europe ? QStringLiteral("MPEG_TS_SD_EU_ISO") : QStringLiteral("MPEG_TS_SD_NA_ISO");
    }
    // DLNA itself names no AVI profile; this is the name renderers that
    // play MPEG-4 ASP in AVI (DivX, Xvid) announce and accept.
    if (format == QLatin1String("avi") && video == QLatin1String("mpeg4"))
        return QStringLiteral("AVI");
    return {};
}
