#pragma once

#include <QString>

namespace Zarnet {

// Where each device's files go, kept in the component's settings under
// TransferWizard/Destinations/<device id> together with the device's name and
// type as they were when the place was chosen: ids are given out again after
// a delete, and a new device behind an old id must be asked anew.
class DestinationStore
{
public:
    struct Destination
    {
        enum Kind { None, Folder, Volume };
        Kind kind = None;
        QString path; // Folder: absolute; Volume: relative to the volume's root
        QString uuid; // Volume: the file system's UUID
        QString label; // Volume: what the user saw when choosing it
    };

    // False when nothing is remembered for this device as it is now.
    static bool load(unsigned deviceId, const QString &name, int type, Destination *out);
    static bool save(unsigned deviceId, const QString &name, int type, const Destination &destination);
    static bool forget(unsigned deviceId);
};

} // namespace Zarnet
