#include "transfer/transferarguments.h"

namespace Zarnet {

namespace {

QString muxer(OutputContainer container)
{
    return QLatin1String(OutputContainerNames[int(container)].muxer);
}

QString pictureFilter(const TransferDecision &decision)
{
    QStringList filters;
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
    if (decision.copyVideo) {
        *args << QStringLiteral("-c:v") << QStringLiteral("copy");
    } else if (profile.video == VideoFormat::H264) {
        *args << QStringLiteral("-vf") << pictureFilter(decision) << QStringLiteral("-c:v")
              << QStringLiteral("libx264") << QStringLiteral("-preset") << paths.x264Preset
              << QStringLiteral("-crf") << QStringLiteral("21") << QStringLiteral("-maxrate")
              << QStringLiteral("%1k").arg(profile.peakKbps) << QStringLiteral("-bufsize")
              << QStringLiteral("%1k").arg(profile.peakKbps) << QStringLiteral("-profile:v")
              << QStringLiteral("high") << QStringLiteral("-level:v")
              << QStringLiteral("%1.%2").arg(profile.maxLevel / 10).arg(profile.maxLevel % 10)
              << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    } else {
        // A one-second buffer at the peak rate bounds every second by it.
        *args << QStringLiteral("-vf") << pictureFilter(decision) << QStringLiteral("-c:v")
              << QStringLiteral("mpeg4") << QStringLiteral("-b:v")
              << QStringLiteral("%1k").arg(profile.averageKbps) << QStringLiteral("-maxrate")
              << QStringLiteral("%1k").arg(profile.peakKbps) << QStringLiteral("-bufsize")
              << QStringLiteral("%1k").arg(profile.peakKbps) << QStringLiteral("-bf")
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
    if (!decision.hasAudio)
        return;
    if (decision.copyAudio) {
        *args << QStringLiteral("-c:a") << QStringLiteral("copy");
        return;
    }
    const DeviceProfile &profile = *decision.profile;
    *args << QStringLiteral("-c:a")
          << (profile.audio == AudioFormat::Mp3 ? QStringLiteral("libmp3lame") : QStringLiteral("aac"))
          << QStringLiteral("-b:a") << QStringLiteral("%1k").arg(profile.audioKbps) << QStringLiteral("-ac")
          << QStringLiteral("2");
}

} // namespace

QStringList transferArguments(const TransferDecision &decision, const TransferPaths &paths)
{
    QStringList args { QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"), QStringLiteral("-nostats"),
        QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y") };
    // AVI stores no presentation times; the segment muxer cuts by them.
    if (paths.segmentSeconds > 0)
        args << QStringLiteral("-fflags") << QStringLiteral("+genpts");
    args << inputArguments(paths.source) << QStringLiteral("-map")
         << QStringLiteral("0:%1").arg(decision.videoStream);
    if (decision.hasAudio)
        args << QStringLiteral("-map") << QStringLiteral("0:a:0");
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
        args << QStringLiteral("-f") << QStringLiteral("segment") << QStringLiteral("-segment_format")
             << muxer(decision.container) << QStringLiteral("-segment_time")
             << QString::number(paths.segmentSeconds, 'f', 3) << QStringLiteral("-segment_start_number")
             << QStringLiteral("1") << QStringLiteral("-reset_timestamps") << QStringLiteral("1");
    } else {
        args << QStringLiteral("-f") << muxer(decision.container);
    }
    args << QStringLiteral("-progress") << QStringLiteral("pipe:1") << QStringLiteral("file:") + paths.output;
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
