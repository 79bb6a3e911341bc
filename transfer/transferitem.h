#pragma once

#include "transfer/sizeplan.h"
#include "transfer/transferdecision.h"

#include <QString>
#include <QStringList>

namespace Zarnet {

// One file of a transfer: its plan, then how it ended.
struct TransferItem
{
    // AlreadyThere: the destination holds what this run would make of the
    // source, made before; nothing was written (outputs names that file).
    enum State { Waiting, Planned, Arrived, AlreadyThere, Failed, Cancelled };
    // Whose a failure is, which decides what a user can do about it: another
    // folder or the stick back for the destination's, nothing for the video's.
    enum class Fault { None, Source, Destination, DestinationGone, Tool };

    QString source;
    State state = Waiting;
    bool probed = false;
    TransferDecision decision;
    SizePlan size;
    // The final name in the destination (or on the disc); a split's ends in
    // " - part %d.EXT", the last "%d" standing for the part's number.
    QString name;
    QStringList outputs; // what arrived, as paths
    QString error; // why it did not
    Fault fault = Fault::None;
};

} // namespace Zarnet
