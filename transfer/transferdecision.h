#pragma once

#include "transfer/deviceprofile.h"
#include "transfer/mediaprobe.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Zarnet {

enum class TransferAction { Copy, Remux, Transcode };

// What happens to one file for one device, and why. Pure: made from a probe
// and a profile, turned into ffmpeg's arguments by transferArguments.
struct TransferDecision
{
    TransferAction action = TransferAction::Transcode;
    QString reason;
    const DeviceProfile *profile = nullptr;
    OutputContainer container = OutputContainer::Mp4;
    int videoStream = 0; // the source's stream index of the picture
    bool hasAudio = false;
    bool copyVideo = false;
    bool copyAudio = false;
    // A transcode's picture: fitted into the box, pixels squared first.
    int boxWidth = 0;
    int boxHeight = 0;
    bool squarePixels = false;
    QString sourceRate; // the source's frame rate, as ffprobe gave it
    QString outputRate; // empty: the source's
    QVector<int> subtitles; // the source's subtitle streams carried along
    QString subtitleCodec; // "mov_text" or "copy"
    QStringList notes; // what the user should know beyond the reason
    double duration = 0;
    qint64 estimatedBytes = 0;

    QString extension() const;
    static QString actionName(TransferAction action);

    Q_DECLARE_TR_FUNCTIONS(Zarnet::TransferDecision)
};

TransferDecision decide(const MediaProbe &probe, const DeviceProfile &profile);
// Whether the video the decision keeps must first be read from the stream,
// for what the probe cannot see.
bool wantsStreamCheck(const MediaProbe &probe, const TransferDecision &decision);
// Before any probe, from the name alone: whether the file may go as it is.
// A guess that lets its copy begin while it is probed.
bool mayGoAsItIs(const QString &suffix, const DeviceProfile &profile);

} // namespace Zarnet
