#pragma once

#include <QString>

namespace Zarnet {

// One snapshot of a running transfer, for the wizard's rows and the tool's
// stderr line. fraction reaches 1 only once the file is synced and renamed.
struct TransferProgress
{
    enum Stage { Probing, Converting, Copying, Flushing, Imaging, Arrived, Failed, Cancelled };

    int file = 0; // counted from 1
    int count = 0;
    QString name;
    Stage stage = Probing;
    double fraction = 0;
    double bytesPerSecond = 0;
    double realTimeFactor = 0; // a conversion's pace, seconds of video per second; 0: unknown
    double secondsLeft = -1; // -1: unknown

    static QString stageName(Stage stage);
};

} // namespace Zarnet
