#pragma once

#include "transfer/sizeplan.h"
#include "transfer/transferdecision.h"

#include <QString>
#include <QStringList>

namespace Zarnet {

// One file of a transfer: its plan, then how it ended.
struct TransferItem
{
    enum State { Waiting, Planned, Arrived, Failed, Cancelled };

    QString source;
    State state = Waiting;
    bool probed = false;
    TransferDecision decision;
    SizePlan size;
    QString name; // the final name in the destination (or on the disc)
    QStringList outputs; // what arrived, as paths
    QString error; // why it did not
};

} // namespace Zarnet
