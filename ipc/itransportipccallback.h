#pragma once

namespace kvds {

// Polled by a transport's reader thread. Not reference counted: the owner
// clears it from the transport (SetCallback(nullptr) or Disconnect) before it
// goes away.
class ITransportIPCCallback
{
public:
    virtual ~ITransportIPCCallback() = default;
    // true: poll again; false: end the reader thread.
    virtual bool OnPoll() = 0;
};

} // namespace kvds
