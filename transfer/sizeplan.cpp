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
    if (part > 0 && (plan.limit == 0 || part < plan.limit)) {
        plan.limit = part;
        if (decision.estimatedBytes > part && decision.duration > 0) {
            // Parts are cut by time; a margin keeps the bit rate's swings under the limit.
            plan.parts = int(std::ceil(double(decision.estimatedBytes) / (part * 0.85)));
            plan.segmentSeconds = decision.duration / plan.parts;
            plan.message = tr("split into %1 parts of at most %2").arg(plan.parts).arg(gib(part));
        }
        return plan;
    }
    if (plan.limit > 0 && decision.estimatedBytes > plan.limit) {
        plan.fits = false;
        plan.message = tr("about %1 is more than one file may hold on FAT32 or a disc (4 GiB - 1 byte)")
                           .arg(gib(decision.estimatedBytes));
    }
    return plan;
}

} // namespace Zarnet
