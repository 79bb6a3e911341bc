#pragma once

#include "ipc/itransportipccallback.h"
#include "ipc/refcounted.h"

namespace kvds {

// A two-way byte channel between two processes. Reads and writes move exact
// byte counts; framing belongs to the protocol above.
class ITransportIPC : public kvtl::IRefCounted
{
public:
    virtual bool Connect() = 0;
    virtual bool Disconnect() = 0;
    virtual bool IsConnected() = 0;
    virtual bool Write(const void *data, unsigned n) = 0;
    virtual bool Read(void *buffer, unsigned n) = 0;
    virtual bool SetCallback(ITransportIPCCallback *cb) = 0;
};

} // namespace kvds
