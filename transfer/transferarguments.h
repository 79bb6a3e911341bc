#pragma once

#include "transfer/transferdecision.h"

#include <QString>
#include <QStringList>

namespace Zarnet {

// Where one conversion reads and writes. With segmentSeconds set the output
// is a pattern with one %d, the part's number counted from 1.
struct TransferPaths
{
    QString source;
    QString output;
    double segmentSeconds = 0;
    int videoKbpsCeiling = 0; // 0: the profile's rates
    QString x264Preset = QStringLiteral("veryfast");
    // Where the decision's text subtitles go as SubRip, beside the video;
    // empty: nowhere.
    QString subtitleOutput = {};
};

// ffmpeg's arguments for a remux or transcode: the output is written in the
// decision's container whatever its name ends in, and progress goes to
// standard output. Pure.
QStringList transferArguments(const TransferDecision &decision, const TransferPaths &paths);

// How ffmpeg and ffprobe are handed an input: an absolute local path, read as
// that file and nothing else (never an option, another protocol, or a
// protocol's syntax), and with nothing it names read beyond local files.
QStringList inputArguments(const QString &absolutePath);
// An output we opened ourselves, as the child sees it.
QString descriptorPath(int descriptor);

} // namespace Zarnet
