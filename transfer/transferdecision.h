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
    QString reason; // a sentence for the person sending: what the device lacks, what is done
    QString detail; // the same for a technical reader: codecs, profiles, limits
    const DeviceProfile *profile = nullptr;
    OutputContainer container = OutputContainer::Mp4;
    int videoStream = 0; // the source's stream index of the picture
    bool hasAudio = false;
    bool copyVideo = false;
    bool copyAudio = false; // the chosen track
    // The sound tracks written, the chosen one first (and default); each
    // copied or converted to what the device plays.
    struct AudioTrack
    {
        int stream = 0; // the source's stream index
        bool copy = false;
    };
    QVector<AudioTrack> audioTracks;
    // A transcode's picture: fitted into the box, pixels squared first.
    int boxWidth = 0;
    int boxHeight = 0;
    bool squarePixels = false;
    // Interlaced fields woven into whole pictures, the top one first or not.
    bool deinterlace = false;
    bool topFieldFirst = true;
    int rotation = 0; // turned upright by ffmpeg while converting
    QString sourceRate; // the source's frame rate, as ffprobe gave it
    QString outputRate; // empty: the source's
    QVector<int> subtitles; // the source's subtitle streams carried along
    QString subtitleCodec; // "mov_text" or "copy"
    // A text subtitle track (among the source's subtitle streams) written as
    // NAME.srt beside an AVI, which holds none: DivX players read it there.
    int sidecarSubtitle = -1;
    QString sidecarTrack; // its language, or "track N"
    QStringList notes; // what the user should know beyond the reason
    // Set when the source turned out damaged: "the source is damaged: 3 s of
    // 6 s could be read". The file still arrives, with this said.
    QString damage;
    double duration = 0;
    qint64 estimatedBytes = 0;
    qint64 audioKbps = 0; // all the sound tracks written, together

    QString extension() const;
    static QString actionName(TransferAction action);
    static QString damageText(double readSeconds, double claimedSeconds);
    static QString sidecarNote(const QString &track);

    Q_DECLARE_TR_FUNCTIONS(Zarnet::TransferDecision)
};

// audioLanguage: the user's ISO 639 code ("de", "ger", "deu"), or empty;
// subtitleLanguage the same for subtitles, empty: audioLanguage's.
TransferDecision decide(const MediaProbe &probe, const DeviceProfile &profile,
    const QString &audioLanguage = {}, const QString &subtitleLanguage = {});
// The track a player should play: the one flagged default, else the one in
// the user's language, else the first. An index into probe.audios.
int chooseAudio(const MediaProbe &probe, const QString &audioLanguage);
// The same for text subtitles: an index into probe.subtitles, or -1 when
// none is text.
int chooseTextSubtitle(const MediaProbe &probe, const QString &language);
// Whether the video the decision keeps must first be read from the stream,
// for what the probe cannot see.
bool wantsStreamCheck(const MediaProbe &probe, const TransferDecision &decision);
// Whether a conversion must first learn from the pictures whether they are
// interlaced, the stream not saying so.
bool wantsFieldCheck(const MediaProbe &probe, const TransferDecision &decision);
// Before any probe, from the name alone: whether the file may go as it is.
// A guess that lets its copy begin while it is probed.
bool mayGoAsItIs(const QString &suffix, const DeviceProfile &profile);

} // namespace Zarnet
