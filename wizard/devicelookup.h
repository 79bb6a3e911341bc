#pragma once

#include <QString>

namespace Zarnet {

// A stored device as kavo-transfer needs it, for the wizard and the command
// line alike: read through the shared store under the program's own
// component id, as every player process reads it.
class DeviceLookup
{
public:
    enum Status { Found, StoreUnreadable, NoSuchDevice, UnknownType };
    struct Result
    {
        Status status = StoreUnreadable;
        QString name;
        int type = -1; // the stored code, also when it is unknown
    };

    static Result find(unsigned id);
};

} // namespace Zarnet
