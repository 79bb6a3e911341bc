#include "transfer/transferarguments.h"

#include <algorithm>

namespace Zarnet {

namespace {

QString muxer(OutputContainer container)
{
    return QLatin1String(OutputContainerNames[int(container)].muxer);
}

QString pictureFilter(const TransferDecision &decision)
{
    QStringList filters;
    // Fields woven first: every later filter wants whole pictures. A frame
    // rate held by the output gets one picture per frame, not per field.
    if (decision.deinterlace)
        filters << QStringLiteral("bwdif=mode=send_frame:parity=%1:deint=all")
                       .arg(decision.topFieldFirst ? QStringLiteral("tff") : QStringLiteral("bff"));
    // Square first: fitting an anamorphic picture into the box as it is
    // stored would squash it.
    if (decision.squarePixels)
        filters << QStringLiteral("scale=trunc(iw*sar/2)*2:ih") << QStringLiteral("setsar=1");
    filters << QStringLiteral("scale=w='min(%1,iw)':h='min(%2,ih)':force_original_aspect_ratio=decrease:"
                              "force_divisible_by=2")
                   .arg(decision.boxWidth)
                   .arg(decision.boxHeight);
    if (!decision.outputRate.isEmpty())
        filters << QStringLiteral("fps=") + decision.outputRate;
    return filters.join(QLatin1Char(','));
}

void videoArguments(const TransferDecision &decision, const TransferPaths &paths, QStringList *args)
{
    const DeviceProfile &profile = *decision.profile;
    const int ceiling = paths.videoKbpsCeiling;
    const int peak = ceiling > 0 ? std::min(ceiling, profile.peakKbps) : profile.peakKbps;
    const int average = ceiling > 0 ? std::min(ceiling * 4 / 5, profile.averageKbps) : profile.averageKbps;
    if (decision.copyVideo) {
        *args << QStringLiteral("-c:v") << QStringLiteral("copy");
    } else if (profile.video == VideoFormat::H264) {
        *args << QStringLiteral("-vf") << pictureFilter(decision) << QStringLiteral("-c:v")
              << QStringLiteral("libx264") << QStringLiteral("-preset") << paths.x264Preset
              << QStringLiteral("-crf") << QStringLiteral("22") << QStringLiteral("-maxrate")
              << QStringLiteral("%1k").arg(peak) << QStringLiteral("-bufsize")
              << QStringLiteral("%1k").arg(peak) << QStringLiteral("-profile:v") << QStringLiteral("high")
              << QStringLiteral("-level:v")
              << QStringLiteral("%1.%2").arg(profile.maxLevel / 10).arg(profile.maxLevel % 10)
              << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    } else {
        // A one-second buffer at the peak rate bounds every second by it.
        *args << QStringLiteral("-vf") << pictureFilter(decision) << QStringLiteral("-c:v")
              << QStringLiteral("mpeg4") << QStringLiteral("-b:v") << QStringLiteral("%1k").arg(average)
              << QStringLiteral("-maxrate") << QStringLiteral("%1k").arg(peak) << QStringLiteral("-bufsize")
              << QStringLiteral("%1k").arg(peak) << QStringLiteral("-bf")
              << QString::number(profile.maxBFrames) << QStringLiteral("-g") << QStringLiteral("250")
              << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    }
    if (profile.fourcc && decision.container == OutputContainer::Avi)
        *args << QStringLiteral("-vtag") << QLatin1String(profile.fourcc);
    // The AVI muxer otherwise takes a made-up rate and pads with empty frames.
    if (decision.container == OutputContainer::Avi) {
        const QString rate = decision.outputRate.isEmpty() ? decision.sourceRate : decision.outputRate;
        if (!rate.isEmpty() && rate != QLatin1String("0/0"))
            *args << QStringLiteral("-r") << rate;
    }
}

void audioArguments(const TransferDecision &decision, QStringList *args)
{
    const DeviceProfile &profile = *decision.profile;
    for (int i = 0; i < decision.audioTracks.size(); ++i) {
        const QString track = QString::number(i);
        if (decision.audioTracks.at(i).copy) {
            *args << QStringLiteral("-c:a:") + track << QStringLiteral("copy");
        } else {
            *args << QStringLiteral("-c:a:") + track
                  << (profile.audio == AudioFormat::Mp3 ? QStringLiteral("libmp3lame")
                                                        : QStringLiteral("aac"))
                  << QStringLiteral("-b:a:") + track << QStringLiteral("%1k").arg(profile.audioKbps)
                  << QStringLiteral("-ac:a:") + track << QStringLiteral("2");
        }
        // The chosen track plays first on any player.
        *args << QStringLiteral("-disposition:a:") + track
              << (i == 0 ? QStringLiteral("default") : QStringLiteral("0"));
    }
}

} // namespace

QStringList transferArguments(const TransferDecision &decision, const TransferPaths &paths)
{
    QStringList args { QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"), QStringLiteral("-nostats"),
        QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y") };
    // AVI stores no presentation times; the segment muxer cuts by them.
    if (paths.segmentSeconds > 0)
        args << QStringLiteral("-fflags") << QStringLiteral("+genpts");
    // ffmpeg turns a rotated picture upright itself (autorotate) whenever it
    // converts, and then drops the tag.
    args << inputArguments(paths.source) << QStringLiteral("-map")
         << QStringLiteral("0:%1").arg(decision.videoStream);
    for (const TransferDecision::AudioTrack &track : decision.audioTracks)
        args << QStringLiteral("-map") << QStringLiteral("0:%1").arg(track.stream);
    for (int index : decision.subtitles)
        args << QStringLiteral("-map") << QStringLiteral("0:s:%1").arg(index);
    args << QStringLiteral("-map_metadata") << QStringLiteral("0");
    videoArguments(decision, paths, &args);
    audioArguments(decision, &args);
    if (decision.subtitles.isEmpty())
        args << QStringLiteral("-sn");
    else
        args << QStringLiteral("-c:s") << decision.subtitleCodec;
    args << QStringLiteral("-dn");
    if (paths.segmentSeconds > 0) {
        // A key frame at each cut: the parts are the seconds planned, no longer.
        if (!decision.copyVideo)
            args << QStringLiteral("-force_key_frames")
                 << QStringLiteral("expr:gte(t,n_forced*%1)").arg(paths.segmentSeconds, 0, 'f', 3);
        args << QStringLiteral("-f") << QStringLiteral("segment") << QStringLiteral("-segment_format")
             << muxer(decision.container) << QStringLiteral("-segment_time")
             << QString::number(paths.segmentSeconds, 'f', 3) << QStringLiteral("-segment_start_number")
             << QStringLiteral("1") << QStringLiteral("-reset_timestamps") << QStringLiteral("1");
    } else {
        args << QStringLiteral("-f") << muxer(decision.container);
    }
    args << QStringLiteral("-progress") << QStringLiteral("pipe:1") << QStringLiteral("file:") + paths.output;
    // A second output of the same run: the source is read once.
    if (decision.sidecarSubtitle >= 0 && !paths.subtitleOutput.isEmpty())
        args << QStringLiteral("-map") << QStringLiteral("0:s:%1").arg(decision.sidecarSubtitle)
             << QStringLiteral("-c:s") << QStringLiteral("srt") << QStringLiteral("-f")
             << QStringLiteral("srt") << QStringLiteral("file:") + paths.subtitleOutput;
    return args;
}

QStringList inputArguments(const QString &absolutePath)
{
    return { QStringLiteral("-protocol_whitelist"), QStringLiteral("file"), QStringLiteral("-i"),
        QStringLiteral("file:") + absolutePath };
}

QString descriptorPath(int descriptor)
{
    return QStringLiteral("/proc/self/fd/%1").arg(descriptor);
}

} // namespace Zarnet
