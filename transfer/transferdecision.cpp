#include "transfer/transferdecision.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Zarnet {

namespace {

constexpr double RateSlack = 0.01;

enum class SourceContainer { Mp4, QuickTime, Avi, Matroska, MpegTs, Other };

SourceContainer sourceContainer(const MediaProbe &probe)
{
    const QStringList names = probe.formatName.split(QLatin1Char(','));
    if (names.contains(QLatin1String("mp4")))
        return probe.brand.trimmed() == QLatin1String("qt") ? SourceContainer::QuickTime
                                                            : SourceContainer::Mp4;
    if (names.contains(QLatin1String("avi")))
        return SourceContainer::Avi;
    if (names.contains(QLatin1String("matroska")))
        return SourceContainer::Matroska;
    if (names.contains(QLatin1String("mpegts")))
        return SourceContainer::MpegTs;
    return SourceContainer::Other;
}

QString containerName(SourceContainer container, const QString &formatName)
{
    switch (container) {
    case SourceContainer::Mp4:
        return QStringLiteral("MP4");
    case SourceContainer::QuickTime:
        return QStringLiteral("QuickTime");
    case SourceContainer::Avi:
        return QStringLiteral("AVI");
    case SourceContainer::Matroska:
        return QStringLiteral("Matroska");
    case SourceContainer::MpegTs:
        return QStringLiteral("MPEG-TS");
    case SourceContainer::Other:
        break;
    }
    return formatName.section(QLatin1Char(','), 0, 0).toUpper();
}

bool containerAccepted(SourceContainer container, const DeviceProfile &profile)
{
    switch (container) {
    case SourceContainer::Mp4:
        return profile.container == OutputContainer::Mp4;
    case SourceContainer::Avi:
        return profile.acceptsAvi;
    case SourceContainer::Matroska:
        return profile.acceptsMatroska;
    case SourceContainer::MpegTs:
        return profile.acceptsMpegTs;
    default:
        return false;
    }
}

OutputContainer keptContainer(SourceContainer container, const DeviceProfile &profile)
{
    switch (container) {
    case SourceContainer::Avi:
        return OutputContainer::Avi;
    case SourceContainer::Matroska:
        return OutputContainer::Matroska;
    case SourceContainer::MpegTs:
        return OutputContainer::MpegTs;
    default:
        return profile.container;
    }
}

QString videoName(const MediaProbe::Video &video)
{
    QString name = video.codec == QLatin1String("h264") ? QStringLiteral("H.264")
        : video.codec == QLatin1String("mpeg4")         ? QStringLiteral("MPEG-4 Part 2")
        : video.codec == QLatin1String("hevc")          ? QStringLiteral("HEVC")
                                                        : video.codec.toUpper();
    if (!video.profile.isEmpty())
        name += QLatin1Char(' ') + video.profile;
    if (video.codec == QLatin1String("h264") && video.level > 0)
        name += QStringLiteral("@%1.%2").arg(video.level / 10).arg(video.level % 10);
    return name;
}

QString audioName(const QString &codec)
{
    if (codec == QLatin1String("ac3"))
        return QStringLiteral("AC-3");
    if (codec == QLatin1String("aac"))
        return QStringLiteral("AAC");
    return codec.toUpper();
}

QString levelText(int level)
{
    return QStringLiteral("%1.%2").arg(level / 10).arg(level % 10);
}

QString rateText(double fps)
{
    return QString::number(fps, 'g', 4);
}

bool fitsFrame(const FrameLimit &limit, const MediaProbe::Video &video)
{
    return video.width <= limit.width && video.height <= limit.height
        && video.fps <= limit.maxFps + RateSlack;
}

qint64 videoKbps(const MediaProbe &probe)
{
    if (probe.video.bitRate > 0)
        return probe.video.bitRate / 1000;
    qint64 audio = 0;
    for (const MediaProbe::Audio &track : probe.audios)
        audio += track.bitRate;
    return probe.bitRate > 0 ? std::max<qint64>(0, probe.bitRate - audio) / 1000 : 0;
}

// A reason twice: a sentence for the person sending, and what a technical
// reader (the tooltip, --verbose) wants to see.
struct Why
{
    QString plain;
    QString detail;
    bool isEmpty() const { return detail.isEmpty(); }
};

// The profile labels, named in the interface's language; marked here for lupdate.
[[maybe_unused]] constexpr const char *profileLabels[] = {
    QT_TRANSLATE_NOOP("Zarnet::TransferDecision", "DVD Player"),
    QT_TRANSLATE_NOOP("Zarnet::TransferDecision", "Blu-ray Player"),
    QT_TRANSLATE_NOOP("Zarnet::TransferDecision", "TV"),
    QT_TRANSLATE_NOOP("Zarnet::TransferDecision", "PlayStation®3"),
};

QString deviceNoun(const DeviceProfile &profile)
{
    return TransferDecision::tr(profile.label);
}

// What people call a codec, where ffprobe's name says little to them.
QString plainCodec(const QString &codec)
{
    static const struct
    {
        const char *codec;
        const char *name;
    } names[] = { { "mpeg2video", "MPEG-2" }, { "mpeg1video", "MPEG-1" }, { "h264", "H.264" },
        { "hevc", "HEVC (H.265)" }, { "mpeg4", "MPEG-4 (DivX, Xvid)" }, { "vp8", "VP8" }, { "vp9", "VP9" },
        { "av1", "AV1" }, { "wmv3", "Windows Media" }, { "vc1", "VC-1" }, { "mjpeg", "Motion JPEG" },
        { "prores", "ProRes" }, { "theora", "Theora" }, { "msmpeg4v3", "DivX 3" } };
    for (const auto &entry : names) {
        if (codec == QLatin1String(entry.codec))
            return QLatin1String(entry.name);
    }
    return codec.toUpper();
}

QString targetVideo(const DeviceProfile &profile)
{
    return profile.video == VideoFormat::H264 ? QStringLiteral("H.264") : QStringLiteral("MPEG-4 (DivX)");
}

// Empty when the video plays as it is, else why not.
Why videoProblem(const MediaProbe &probe, const DeviceProfile &profile)
{
    const MediaProbe::Video &video = probe.video;
    const QString device = deviceNoun(profile);
    const QString target = targetVideo(profile);
    const auto notPlayed = [&](const QString &detail) {
        return Why { TransferDecision::tr("This %1 does not play %2 video: converting it to %3.")
                         .arg(device, plainCodec(video.codec), target),
            detail };
    };
    const auto feature = [&](const QString &what, const QString &detail) {
        return Why { TransferDecision::tr("This %1 does not play %2: converting the video to plain %3.")
                         .arg(device, what, target),
            detail };
    };
    if (profile.video == VideoFormat::H264) {
        if (video.codec != QLatin1String("h264"))
            return notPlayed(TransferDecision::tr("%1 video is not H.264").arg(videoName(video)));
        static const char *const played[] = { "Constrained Baseline", "Baseline", "Main", "High" };
        if (std::none_of(std::begin(played), std::end(played),
                [&](const char *name) { return video.profile == QLatin1String(name); }))
            return feature(TransferDecision::tr("H.264 in the %1 profile").arg(video.profile),
                TransferDecision::tr("H.264 profile %1 is beyond High").arg(video.profile));
        if (video.level > profile.maxLevel)
            return feature(
                TransferDecision::tr("H.264 this demanding (level %1)").arg(levelText(video.level)),
                TransferDecision::tr("H.264 level %1 is over %2")
                    .arg(levelText(video.level), levelText(profile.maxLevel)));
    } else {
        if (video.codec != QLatin1String("mpeg4") || !video.profile.contains(QLatin1String("Simple")))
            return notPlayed(TransferDecision::tr("%1 video is not MPEG-4 ASP").arg(videoName(video)));
        if (video.bFrames > profile.maxBFrames)
            return feature(TransferDecision::tr("this many B-frames in a row"),
                TransferDecision::tr("more than %1 B-frame in a row").arg(profile.maxBFrames));
        if (video.qpel)
            return feature(TransferDecision::tr("quarter-pixel motion"),
                TransferDecision::tr("QPel (quarter-pixel motion) is not played"));
        if (video.gmc)
            return feature(TransferDecision::tr("global motion compensation"),
                TransferDecision::tr("GMC (global motion compensation) is not played"));
        if (video.bRun > profile.maxBFrames)
            return feature(TransferDecision::tr("this many B-frames in a row"),
                TransferDecision::tr("%1 B-frames in a row are more than %2")
                    .arg(video.bRun)
                    .arg(profile.maxBFrames));
    }
    if (video.pixelFormat != QLatin1String("yuv420p") && video.pixelFormat != QLatin1String("yuvj420p"))
        return feature(TransferDecision::tr("this kind of colour (10-bit, or finer than 4:2:0)"),
            TransferDecision::tr("pixel format %1 is not 8-bit 4:2:0").arg(video.pixelFormat));
    if (!fitsFrame(profile.frames[0], video) && !fitsFrame(profile.frames[1], video))
        return Why { TransferDecision::tr(
                         "This %1 does not play pictures this large or this fast: converting "
                         "the video to one it plays.")
                         .arg(device),
            TransferDecision::tr("%1\u00d7%2 at %3 fps is over %4\u00d7%5 at %6 fps and %7\u00d7%8 at %9 fps")
                .arg(video.width)
                .arg(video.height)
                .arg(rateText(video.fps))
                .arg(profile.frames[0].width)
                .arg(profile.frames[0].height)
                .arg(rateText(profile.frames[0].maxFps))
                .arg(profile.frames[1].width)
                .arg(profile.frames[1].height)
                .arg(rateText(profile.frames[1].maxFps)) };
    const qint64 kbps = videoKbps(probe);
    // An average a quarter over the target overshoots the peak somewhere.
    const qint64 limit = profile.averageKbps > 0 ? profile.averageKbps * 5 / 4 : profile.peakKbps;
    if (kbps > limit)
        return Why { TransferDecision::tr("The video holds more data per second than this %1 reads: "
                                          "converting it to less.")
                         .arg(device),
            TransferDecision::tr("%1 kb/s is over the %2 kb/s it plays").arg(kbps).arg(limit) };
    return {};
}

Why audioProblem(const MediaProbe::Audio &audio, const DeviceProfile &profile)
{
    if (audio.codec == QLatin1String("ac3") && profile.keepsAc3)
        return {};
    const QString wanted = profile.audio == AudioFormat::Mp3 ? QStringLiteral("mp3") : QStringLiteral("aac");
    const QString plain = TransferDecision::tr("This %1 does not play %2 sound: converting the sound to %3.")
                              .arg(deviceNoun(profile), audioName(audio.codec), audioName(wanted));
    if (audio.codec != wanted)
        return { plain,
            TransferDecision::tr("%1 audio is not %2").arg(audioName(audio.codec), audioName(wanted)) };
    if (audio.channels > 2)
        return { TransferDecision::tr("This %1 plays stereo sound only: mixing the %2 channels down to two.")
                     .arg(deviceNoun(profile))
                     .arg(audio.channels),
            TransferDecision::tr("%1 channels are more than stereo").arg(audio.channels) };
    if (profile.audio == AudioFormat::Aac && audio.profile != QLatin1String("LC"))
        return { TransferDecision::tr(
                     "This %1 does not play this kind of AAC sound: converting it to plain AAC.")
                     .arg(deviceNoun(profile)),
            TransferDecision::tr("AAC %1 is not AAC-LC").arg(audio.profile) };
    return {};
}

QLocale::Language languageOf(const QString &code)
{
    return code.isEmpty() ? QLocale::AnyLanguage : QLocale::codeToLanguage(code, QLocale::AnyLanguageCode);
}

QString trackName(const MediaProbe::Audio &audio, int number)
{
    const QLocale::Language language = languageOf(audio.language);
    return language == QLocale::AnyLanguage ? TransferDecision::tr("track %1").arg(number)
                                            : QLocale::languageToString(language);
}

// Every track the container holds, the chosen one first; the AVI a DVD
// player reads holds one.
void chooseAudioTracks(const MediaProbe &probe, int chosen, TransferDecision *decision)
{
    const DeviceProfile &profile = *decision->profile;
    QVector<int> order { chosen };
    for (int i = 0; i < probe.audios.size(); ++i) {
        if (i != chosen)
            order << i;
    }
    QStringList left;
    for (int i : order) {
        const MediaProbe::Audio &audio = probe.audios.at(i);
        if (decision->container == OutputContainer::Avi && i != chosen) {
            left << trackName(audio, i + 1);
            continue;
        }
        const bool copy = i == chosen ? decision->copyAudio
                                      : audioProblem(audio, profile).isEmpty()
                && !(decision->container == OutputContainer::Avi && audio.codec == QLatin1String("aac"));
        decision->audioTracks.append({ audio.index, copy });
        decision->audioKbps += copy && audio.bitRate > 0 ? (audio.bitRate + 999) / 1000 : profile.audioKbps;
    }
    if (order.size() > 1 && decision->action != TransferAction::Copy) {
        decision->notes
            << TransferDecision::tr("sound: %1 first").arg(trackName(probe.audios.at(chosen), chosen + 1));
        if (!left.isEmpty())
            decision->notes << TransferDecision::tr("left out, as AVI holds one sound track: %1")
                                   .arg(left.join(QStringLiteral(", ")));
    }
}

QString subtitleName(const MediaProbe::Subtitle &subtitle, int number)
{
    const QLocale::Language language = languageOf(subtitle.language);
    return language == QLocale::AnyLanguage ? TransferDecision::tr("track %1").arg(number)
                                            : QLocale::languageToString(language);
}

// The AVI holds none: the chosen text track goes beside it as a .srt.
void chooseSidecar(const MediaProbe &probe, const QString &language, TransferDecision *decision)
{
    const int chosen = chooseTextSubtitle(probe, language);
    QStringList left;
    for (int i = 0; i < probe.subtitles.size(); ++i) {
        if (i != chosen && probe.subtitles.at(i).text)
            left << subtitleName(probe.subtitles.at(i), i + 1);
    }
    if (chosen >= 0) {
        decision->sidecarSubtitle = chosen;
        decision->sidecarTrack = subtitleName(probe.subtitles.at(chosen), chosen + 1);
        decision->notes << TransferDecision::sidecarNote(decision->sidecarTrack);
    }
    if (!left.isEmpty())
        decision->notes << TransferDecision::tr("other subtitles left out, as one .srt file is read: %1")
                               .arg(left.join(QStringLiteral(", ")));
    if (probe.hasImageSubtitles())
        decision->notes << TransferDecision::tr(
            "image subtitles left out: they are not text, and not burned in");
}

void chooseSubtitles(const MediaProbe &probe, const QString &language, TransferDecision *decision)
{
    if (probe.subtitles.isEmpty())
        return;
    const bool image = probe.hasImageSubtitles();
    if (decision->action == TransferAction::Copy) {
        if (image)
            decision->notes << TransferDecision::tr("image subtitles stay as they are: not burned in");
        return;
    }
    switch (decision->container) {
    case OutputContainer::Mp4:
        decision->subtitleCodec = QStringLiteral("mov_text");
        for (int i = 0; i < probe.subtitles.size(); ++i) {
            if (probe.subtitles.at(i).text)
                decision->subtitles.append(i);
        }
        if (image)
            decision->notes << TransferDecision::tr(
                "image subtitles left out: not burned in, MP4 cannot carry them");
        break;
    case OutputContainer::Matroska:
        decision->subtitleCodec = QStringLiteral("copy");
        for (int i = 0; i < probe.subtitles.size(); ++i)
            decision->subtitles.append(i);
        if (image)
            decision->notes << TransferDecision::tr("image subtitles carried as they are: not burned in");
        break;
    case OutputContainer::Avi:
        chooseSidecar(probe, language, decision);
        break;
    case OutputContainer::MpegTs:
        decision->notes << (image
                ? TransferDecision::tr("subtitles left out: not burned in, %1 cannot carry them")
                : TransferDecision::tr("subtitles left out: %1 cannot carry them"))
                               .arg(QStringLiteral("MPEG-TS"));
        break;
    }
}

void choosePicture(const MediaProbe &probe, const DeviceProfile &profile, TransferDecision *decision)
{
    const MediaProbe::Video &video = probe.video;
    // Past the larger picture's rate, the second (smaller, faster) limit applies.
    const FrameLimit &limit
        = video.fps > profile.frames[0].maxFps + RateSlack ? profile.frames[1] : profile.frames[0];
    decision->boxWidth = limit.width;
    decision->boxHeight = limit.height;
    decision->squarePixels = !probe.isSquarePixels();
    if (video.fps > limit.maxFps + RateSlack || video.fps <= 0) {
        // NTSC players run at 29.97, not 30.
        decision->outputRate = profile.video == VideoFormat::Mpeg4Asp && limit.maxFps == 30.0
            ? QStringLiteral("30000/1001")
            : QString::number(limit.maxFps);
    }
}

} // namespace

QString TransferDecision::extension() const
{
    return QLatin1String(OutputContainerNames[int(container)].extension);
}

QString TransferDecision::damageText(double readSeconds, double claimedSeconds)
{
    if (readSeconds < 0)
        return tr("the source is damaged: the decoder met errors in it");
    return tr("the source is damaged: %1 s of %2 s could be read")
        .arg(QString::number(readSeconds, 'f', 0), QString::number(claimedSeconds, 'f', 0));
}

QString TransferDecision::sidecarNote(const QString &track)
{
    return tr("subtitles (%1) written beside it as a .srt file").arg(track);
}

QString TransferDecision::actionName(TransferAction action)
{
    switch (action) {
    case TransferAction::Copy:
        return QStringLiteral("copy");
    case TransferAction::Remux:
        return QStringLiteral("remux");
    case TransferAction::Transcode:
        return QStringLiteral("transcode");
    }
    return {};
}

int chooseAudio(const MediaProbe &probe, const QString &audioLanguage)
{
    QVector<int> flagged;
    for (int i = 0; i < probe.audios.size(); ++i) {
        if (probe.audios.at(i).isDefault)
            flagged << i;
    }
    // Muxers flag the first track default on their own; among several
    // flagged, the user's language still decides.
    if (flagged.size() == 1)
        return flagged.first();
    const QLocale::Language wanted = languageOf(audioLanguage);
    for (int i = 0; i < probe.audios.size() && wanted != QLocale::AnyLanguage; ++i) {
        if ((flagged.isEmpty() || flagged.contains(i)) && languageOf(probe.audios.at(i).language) == wanted)
            return i;
    }
    return flagged.isEmpty() ? 0 : flagged.first();
}

int chooseTextSubtitle(const MediaProbe &probe, const QString &language)
{
    QVector<int> text;
    QVector<int> flagged;
    for (int i = 0; i < probe.subtitles.size(); ++i) {
        if (!probe.subtitles.at(i).text)
            continue;
        text << i;
        if (probe.subtitles.at(i).isDefault)
            flagged << i;
    }
    if (flagged.size() == 1)
        return flagged.first();
    const QLocale::Language wanted = languageOf(language);
    for (int i : flagged.isEmpty() ? text : flagged) {
        if (wanted != QLocale::AnyLanguage && languageOf(probe.subtitles.at(i).language) == wanted)
            return i;
    }
    return flagged.isEmpty() ? (text.isEmpty() ? -1 : text.first()) : flagged.first();
}

TransferDecision decide(const MediaProbe &probe, const DeviceProfile &profile, const QString &audioLanguage,
    const QString &subtitleLanguage)
{
    const int chosen = probe.hasAudio ? chooseAudio(probe, audioLanguage) : -1;
    const MediaProbe::Audio sound = probe.hasAudio ? probe.audios.at(chosen) : MediaProbe::Audio();
    TransferDecision decision;
    decision.profile = &profile;
    decision.videoStream = probe.video.index;
    decision.hasAudio = probe.hasAudio;
    decision.duration = probe.duration;
    decision.sourceRate = probe.video.frameRate;
    if (probe.readableSeconds > 0)
        decision.damage = TransferDecision::damageText(probe.readableSeconds, probe.duration);

    const SourceContainer source = sourceContainer(probe);
    const QString device = deviceNoun(profile);
    Why videoWhy = videoProblem(probe, profile);
    const Why audioWhy = probe.hasAudio ? audioProblem(sound, profile) : Why();
    Why containerWhy;
    if (!containerAccepted(source, profile))
        containerWhy = {
            TransferDecision::tr("This %1 does not play %2 files: putting the video, unchanged, "
                                 "into %3.")
                .arg(device, containerName(source, probe.formatName),
                    QString::fromLatin1(OutputContainerNames[int(profile.container)].extension).toUpper()),
            TransferDecision::tr("%1 is not played").arg(containerName(source, probe.formatName))
        };
    else if (profile.fourcc && probe.video.codecTag != QLatin1String(profile.fourcc))
        containerWhy
            = { TransferDecision::tr("This %1 looks for videos tagged as DivX: tagging it so, unchanged.")
                      .arg(device),
                  TransferDecision::tr("FourCC %1 is not %2")
                      .arg(probe.video.codecTag, QLatin1String(profile.fourcc)) };

    // Players that ignore the rotation tag show such a picture sideways.
    if (videoWhy.isEmpty() && probe.video.rotation != 0)
        videoWhy
            = Why { TransferDecision::tr("The video is filmed turned and only tagged to be shown upright, "
                                         "which this %1 ignores: converting it, turned upright.")
                        .arg(device),
                  TransferDecision::tr("rotation %1\u00b0 is only a tag").arg(probe.video.rotation) };
    if (videoWhy.isEmpty()) {
        decision.copyVideo = true;
        decision.copyAudio = audioWhy.isEmpty();
        if (audioWhy.isEmpty() && containerWhy.isEmpty()) {
            decision.action = TransferAction::Copy;
            decision.container = keptContainer(source, profile);
            decision.reason
                = TransferDecision::tr("This %1 plays it as it is: copying it unchanged.").arg(device);
            decision.detail = probe.hasAudio
                ? TransferDecision::tr("%1 with %2 and %3 plays as it is")
                      .arg(containerName(source, probe.formatName), videoName(probe.video),
                          audioName(sound.codec))
                : TransferDecision::tr("%1 with %2 plays as it is")
                      .arg(containerName(source, probe.formatName), videoName(probe.video));
        } else {
            decision.action = TransferAction::Remux;
            decision.container = containerWhy.isEmpty() ? keptContainer(source, profile) : profile.container;
            QStringList why;
            QStringList plain;
            if (!containerWhy.isEmpty()) {
                why << containerWhy.detail;
                plain << containerWhy.plain;
            }
            if (!audioWhy.isEmpty()) {
                why << TransferDecision::tr("%1: audio re-encoded").arg(audioWhy.detail);
                plain << audioWhy.plain;
            }
            if (containerWhy.isEmpty())
                plain << TransferDecision::tr("The picture stays as it is.");
            decision.reason = plain.join(QLatin1Char(' '));
            decision.detail
                = TransferDecision::tr("%1; the video is kept").arg(why.join(QStringLiteral("; ")));
        }
    } else {
        decision.action = TransferAction::Transcode;
        decision.container = profile.container;
        decision.copyAudio = audioWhy.isEmpty() && probe.hasAudio
            && !(profile.container == OutputContainer::Avi && sound.codec == QLatin1String("aac"));
        decision.reason = videoWhy.plain;
        decision.detail = videoWhy.detail;
        decision.rotation = probe.video.rotation;
        choosePicture(probe, profile, &decision);
        if (probe.isInterlaced()) {
            decision.deinterlace = true;
            decision.topFieldFirst = probe.video.fieldOrder == QLatin1String("tt")
                || probe.video.fieldOrder == QLatin1String("bt");
            decision.notes << TransferDecision::tr("interlaced: made progressive");
        }
    }
    if (probe.hasAudio)
        chooseAudioTracks(probe, chosen, &decision);
    chooseSubtitles(probe, subtitleLanguage.isEmpty() ? audioLanguage : subtitleLanguage, &decision);

    if (decision.action == TransferAction::Transcode) {
        const qint64 sourceKbps = videoKbps(probe);
        const qint64 kbps = profile.averageKbps > 0
            ? profile.averageKbps
            : (sourceKbps > 0 ? std::min<qint64>(sourceKbps, profile.peakKbps) : profile.peakKbps);
        decision.estimatedBytes = qint64(std::ceil(probe.duration * (kbps + decision.audioKbps) * 1000 / 8));
    } else {
        decision.estimatedBytes = probe.size;
    }
    return decision;
}

bool wantsStreamCheck(const MediaProbe &probe, const TransferDecision &decision)
{
    // ffprobe reports the reorder depth, not the run of B-frames, and neither
    // QPel nor GMC: only the stream itself tells.
    return decision.copyVideo && decision.profile->video == VideoFormat::Mpeg4Asp
        && probe.video.codec == QLatin1String("mpeg4") && !probe.video.streamChecked;
}

bool wantsFieldCheck(const MediaProbe &probe, const TransferDecision &decision)
{
    if (decision.action != TransferAction::Transcode || probe.knowsFields() || probe.video.fieldsDetected)
        return false;
    // Codecs that have no fields to code: their pictures are whole.
    static const char *const progressiveOnly[] = { "vp8", "vp9", "av1", "theora", "mpeg1video", "flv1",
        "h263", "msmpeg4v1", "msmpeg4v2", "msmpeg4v3", "wmv1", "wmv2", "png", "gif", "webp" };
    if (std::any_of(std::begin(progressiveOnly), std::end(progressiveOnly),
            [&](const char *codec) { return probe.video.codec == QLatin1String(codec); }))
        return false;
    // Fields come from cameras and broadcasts at their own line counts; a
    // picture scaled to any other height was made whole before, or would be
    // beyond saving by then.
    const MediaProbe::Video &video = probe.video;
    const int lines = video.rotation % 180 ? video.width : video.height;
    static const int fieldHeights[] = { 480, 486, 576, 1080, 1088 };
    return std::find(std::begin(fieldHeights), std::end(fieldHeights), lines) != std::end(fieldHeights);
}

bool mayGoAsItIs(const QString &suffix, const DeviceProfile &profile)
{
    static const struct
    {
        const char *suffix;
        SourceContainer container;
    } suffixes[]
        = { { "mp4", SourceContainer::Mp4 }, { "m4v", SourceContainer::Mp4 }, { "avi", SourceContainer::Avi },
              { "mkv", SourceContainer::Matroska }, { "ts", SourceContainer::MpegTs },
              { "m2ts", SourceContainer::MpegTs }, { "mts", SourceContainer::MpegTs } };
    for (const auto &entry : suffixes) {
        if (suffix.compare(QLatin1String(entry.suffix), Qt::CaseInsensitive) == 0)
            return containerAccepted(entry.container, profile);
    }
    return false;
}

} // namespace Zarnet
