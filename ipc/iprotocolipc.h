#pragma once

#include "ipc/refcounted.h"

#include <string>

namespace kvds {

// Turns (sender, topic, payload) messages into frames on a transport and back.
class IProtocolIPC : public kvtl::IRefCounted
{
public:
    virtual bool WriteMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data)
        = 0;
    // As WriteMessage, but the caller never waits for the peer: see
    // ITransportIPC::PostEach.
    virtual bool PostMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data)
    {
        return WriteMessage(sender, topic, length, data);
    }
    // data points into the protocol's own buffer until the next call; null
    // when length is 0.
    virtual bool ReadMessage(std::string &sender, std::string &topic, unsigned &length, const char *&data)
        = 0;
};

} // namespace kvds
