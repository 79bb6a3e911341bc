#pragma once

#include "ipc/iprotocolipc.h"
#include "ipc/itransportipc.h"
#include "ipc/memorybuffer.h"
#include "ipc/refcountedimpl.h"
#include "ipc/refcountedptr.h"

#include <cstdint>

namespace kvds {

// The frame of the pipe messages: magic "Kavo", payload length, payload
// check, sender length and bytes, topic length and bytes, payload; integers
// u32 little-endian. Each field is its own transport write and read, so on a
// message pipe every field is one message; a frame's writes go to the
// transport together.
class CPipeProtocol : public kvtl::RefCountedImpl<IProtocolIPC>
{
public:
    static constexpr uint32_t Magic = 0x6F76614Bu; // "Kavo" read little-endian
    // Refused on receipt before anything is allocated: no sender of the
    // channel comes near these.
    static constexpr uint32_t MaxNameLength = 256;
    static constexpr uint32_t MaxPayloadLength = 64 * 1024;

    explicit CPipeProtocol(ITransportIPC *transport);

    bool WriteMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override;
    bool PostMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override;
    bool ReadMessage(std::string &sender, std::string &topic, unsigned &length, const char *&data) override;

private:
    bool writeFrame(
        const std::string &sender, const std::string &topic, unsigned length, const void *data, bool post);
    bool readU32(uint32_t &value);
    bool readName(std::string &name);

    kvtl::RefCountedPtr<ITransportIPC> m_transport;
    kvtl::MemoryBuffer<char> m_payload;
};

} // namespace kvds
