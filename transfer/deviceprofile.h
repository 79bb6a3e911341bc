#pragma once

#include "devices/devicetype.h"

#include <QtGlobal>

#include <iterator>

namespace Zarnet {

enum class OutputContainer { Avi, Mp4, Matroska, MpegTs };

// Each container's file extension and ffmpeg's name for its muxer, in the
// order of OutputContainer.
struct ContainerNames
{
    const char *extension;
    const char *muxer;
};
inline constexpr ContainerNames OutputContainerNames[]
    = { { "avi", "avi" }, { "mp4", "mp4" }, { "mkv", "matroska" }, { "ts", "mpegts" } };
static_assert(std::size(OutputContainerNames) == size_t(OutputContainer::MpegTs) + 1, "a name per container");
enum class VideoFormat { Mpeg4Asp, H264 };
enum class AudioFormat { Mp3, Aac };

// One picture size the device plays, with the highest frame rate it takes at
// that size.
struct FrameLimit
{
    int width;
    int height;
    double maxFps;
};

// What one device type plays, and the file rules its storage imposes.
struct DeviceProfile
{
    int type;
    const char *label;
    OutputContainer container; // what conversions write
    bool acceptsMatroska; // taken as they are when everything inside fits
    bool acceptsMpegTs;
    bool acceptsAvi;
    const char *fourcc; // the AVI video tag the device looks for, or null
    VideoFormat video;
    int maxLevel; // H.264 level times ten; 0 for MPEG-4 ASP
    int maxBFrames; // B-frames in a row
    FrameLimit frames[2]; // the first is the larger picture
    int averageKbps; // 0: the encoder's quality setting decides
    int peakKbps;
    AudioFormat audio;
    int audioKbps;
    bool keepsAc3;
    qint64 partBytes; // longer outputs are split into parts of this size; 0: never
    bool alwaysFat32; // the device reads FAT32 only, whatever the destination is
    bool asciiNames;
    int maxNameLength; // characters of the whole name; 0: the file system's own
};

constexpr qint64 Fat32MaxFile = Q_INT64_C(4294967295);

inline constexpr DeviceProfile DeviceProfiles[] = {
    { TransferDevicesLibrary::DVDPlayer, "DVD Player", OutputContainer::Avi, false, false, true, "DX50",
        VideoFormat::Mpeg4Asp, 0, 1, { { 720, 576, 25.0 }, { 720, 480, 30.0 } }, 2000, 4854, AudioFormat::Mp3,
        160, true, Q_INT64_C(1) << 30, false, true, 64 },
    { TransferDevicesLibrary::BluRayPlayer, "Blu-ray Player", OutputContainer::Mp4, true, true, true, nullptr,
        VideoFormat::H264, 41, 16, { { 1920, 1080, 30.0 }, { 1280, 720, 60.0 } }, 0, 20000, AudioFormat::Aac,
        160, true, 0, false, false, 0 },
    { TransferDevicesLibrary::TV, "TV", OutputContainer::Mp4, true, true, false, nullptr, VideoFormat::H264,
        41, 16, { { 1920, 1080, 30.0 }, { 1280, 720, 60.0 } }, 0, 20000, AudioFormat::Aac, 160, true, 0,
        false, false, 0 },
    { TransferDevicesLibrary::PlayStation3, "PlayStation\u00ae3", OutputContainer::Mp4, false, false, false,
        nullptr, VideoFormat::H264, 40, 16, { { 1920, 1080, 30.0 }, { 1280, 720, 60.0 } }, 0, 20000,
        AudioFormat::Aac, 160, false, 0, true, false, 0 },
};
static_assert(
    sizeof(DeviceProfiles) / sizeof(DeviceProfiles[0]) == TransferDevicesLibrary::TransferDeviceTypeCount,
    "one profile per device type");

// Null for a type outside the table.
constexpr const DeviceProfile *deviceProfile(int type)
{
    return TransferDevicesLibrary::isKnownDeviceType(type) ? &DeviceProfiles[type] : nullptr;
}

} // namespace Zarnet
