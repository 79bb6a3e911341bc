#pragma once

namespace kvds {

// Added to an endpoint that knows which process sent the message it is
// delivering. IKavoIPCCallback::OnMessage carries only the names the sender
// chose, and players of one user share a component id; a callback that must
// tell its own process's messages from another's asks here, from inside
// OnMessage, on the thread that called it. The wire is unchanged: the
// process is read from the sender window that every delivery names.
class IKavoIPCDelivery
{
public:
    // The process that sent the message this endpoint is delivering on the
    // calling thread; false outside a delivery or when the sender is unknown.
    virtual bool CurrentSenderProcess(long *processId) const = 0;

protected:
    ~IKavoIPCDelivery() = default;
};

} // namespace kvds
