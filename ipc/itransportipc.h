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

    struct Buffer
    {
        const void *data;
        unsigned n;
    };
    // Each buffer as its own Write, in order, in one call, so that a
    // transport can hand a whole frame to the system at once and wake its
    // reader once. (null, 0) is skipped as Write skips it; when any buffer has
    // data without bytes or bytes without data, nothing is written.
    virtual bool WriteEach(const Buffer *buffers, unsigned count)
    {
        for (unsigned i = 0; i < count; ++i) {
            if ((buffers[i].data == nullptr) != (buffers[i].n == 0))
                return false;
        }
        for (unsigned i = 0; i < count; ++i) {
            if (!Write(buffers[i].data, buffers[i].n))
                return false;
        }
        return true;
    }
    // As WriteEach, but the caller never waits for the peer: what the pipe
    // does not take at once is finished by a writer of the transport's own.
    // A run is written whole or not started; a run the peer does not take
    // in time cuts the connection. False, with nothing handed over, when the
    // run cannot go (no peer yet, peer gone, connection cut, too much
    // waiting).
    virtual bool PostEach(const Buffer *buffers, unsigned count) { return WriteEach(buffers, count); }
};

} // namespace kvds
