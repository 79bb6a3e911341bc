#pragma once

#include "ipc/refcounted.h"

namespace kvds {

// Starts the peer process of a server transport. Nothing here implements it;
// callers pass none.
class IPipeLauncher : public kvtl::IRefCounted
{
public:
    // Kept for its place in the table; never called.
    virtual bool Reserved() = 0;
    virtual bool Launch(const char *baseName) = 0;
};

} // namespace kvds
