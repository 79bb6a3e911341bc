#include "transfer/sizeplan.h"

#include <cmath>

namespace Zarnet {

namespace {
QString gib(qint64 bytes)
{
    return SizePlan::tr("%1 GiB").arg(double(bytes) / (1 << 30), 0, 'f', 2);
}
} // namespace

// partBytes overrides the profile's part size (tests cannot write 1 GiB).
SizePlan SizePlan::make(const TransferDecision &decision, bool fat32Destination, qint64 partBytes)
{
    SizePlan plan;
    const DeviceProfile &profile = *decision.profile;
    const qint64 part = partBytes > 0 ? partBytes : profile.partBytes;
    if (fat32Destination || profile.alwaysFat32)
        plan.limit = Fat32MaxFile;
    const bool splits = part > 0 && (plan.limit == 0 || part < plan.limit);
    if (splits)
        plan.limit = part;
    if (splits && decision.estimatedBytes > part && decision.duration > 0) {
        // Parts are cut by time; a margin keeps the bit rate's swings under the limit.
        plan.parts = int(std::ceil(double(decision.estimatedBytes) / (part * 0.85)));
        plan.segmentSeconds = decision.duration / plan.parts;
        plan.message = tr("split into %1 parts of at most %2").arg(plan.parts).arg(gib(part));
    }
    if (plan.limit == 0 || decision.duration <= 0)
        return plan;
    if (decision.action == TransferAction::Transcode) {
        // Every second stays under the ceiling (a one-second buffer), so a
        // file of these seconds cannot pass the limit; what is left is the
        // container's own bytes.
        const double seconds = plan.segmentSeconds > 0 ? plan.segmentSeconds : decision.duration;
        const qint64 total = qint64(double(plan.limit) * 0.95 * 8 / seconds / 1000);
        const qint64 video = total - decision.audioKbps;
        const qint64 wanted = profile.peakKbps;
        if (video < MinimumVideoKbps) {
            plan.fits = false;
            plan.message = tr("%1 s is too long for one file of at most %2 at a watchable quality")
                               .arg(QString::number(decision.duration, 'f', 0), gib(plan.limit));
        } else if (video < wanted) {
            plan.videoKbpsCeiling = int(video);
        }
        return plan;
    }
    if (!splits && decision.estimatedBytes > plan.limit) {
        plan.fits = false;
        plan.message = tr("about %1 is more than one file may hold on FAT32 or a disc (4 GiB - 1 byte)")
                           .arg(gib(decision.estimatedBytes));
    }
    return plan;
}

} // namespace Zarnet
