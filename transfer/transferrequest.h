#pragma once

#include <QString>
#include <QStringList>

namespace Zarnet {

enum class DiscSize { Cd, Dvd, DvdDual, BluRay };

// What to transfer, described apart from the run that does it.
struct TransferRequest
{
    QStringList files;
    int type = -1; // the device type whose profile applies
    QString destination; // a folder; unused when burning
    QString volumeLabel; // the removable volume the destination is on, if any
    bool burn = false;
    QString isoPath;
    DiscSize disc = DiscSize::Dvd;
    bool dryRun = false; // probe and decide only
    qint64 partBytes = 0; // 0: the profile's
    // Beside HandBrake's "Fast 1080p30" (x264 "fast" at RF 22) on MPEG-2,
    // HEVC and VP9 sources, "veryfast" at CRF 22 gave smaller files with no
    // lower SSIM against the source, in well under its time.
    QString x264Preset = QStringLiteral("veryfast");
    // The host player's Languages/AudioLanguage (an ISO 639 code), read by
    // the caller: the sound track in it is chosen when none is flagged default.
    QString audioLanguage;
    // Languages/SubtitleLanguage the same way, for the subtitles written
    // beside a DVD player's video; empty: audioLanguage's.
    QString subtitleLanguage;
    // Send a file even when the destination already holds what it would
    // make of it; otherwise such a file is left as it is.
    bool sendAgain = false;

    // What the disc holds: sectors of 2048 bytes.
    static qint64 discBytes(DiscSize disc);
    static bool parseDisc(const QString &text, DiscSize *out);
};

} // namespace Zarnet
