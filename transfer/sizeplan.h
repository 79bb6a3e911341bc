#pragma once

#include "transfer/transferdecision.h"

#include <QCoreApplication>
#include <QString>

namespace Zarnet {

// Whether one output fits the file limits before anything is written: the
// destination's FAT32 limit (always, for a device that reads FAT32 only) and
// the profile's part size, past which the output is split.
struct SizePlan
{
    bool fits = true;
    int parts = 1;
    double segmentSeconds = 0; // 0: one file
    qint64 limit = 0; // 0: none
    QString message; // why it does not fit, or how it is split
    // A conversion's highest video bit rate, so that no file can pass the
    // limit whatever the encoder does; 0: the profile's own.
    int videoKbpsCeiling = 0;

    // fat32Destination: FAT32, or a disc image, whose files stay under 4 GiB too.
    static constexpr int MinimumVideoKbps = 300;
    static SizePlan make(const TransferDecision &decision, bool fat32Destination, qint64 partBytes = 0);

    Q_DECLARE_TR_FUNCTIONS(Zarnet::SizePlan)
};

} // namespace Zarnet
