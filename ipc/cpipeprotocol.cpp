#include "ipc/cpipeprotocol.h"

#include "ipc/kavoospipeerror.h"
#include "ipc/pipecrc32.h"

#include <array>

namespace kvds {

namespace {

constexpr uint32_t InitialCheck = 0xFFFFFFFFu;

std::array<unsigned char, 4> littleEndian(uint32_t value)
{
    return { static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24) };
}

} // namespace

CPipeProtocol::CPipeProtocol(ITransportIPC *transport)
    : m_transport(transport)
{
}

bool CPipeProtocol::WriteMessage(
    const std::string &sender, const std::string &topic, unsigned length, const void *data)
{
    return writeFrame(sender, topic, length, data, false);
}

bool CPipeProtocol::PostMessage(
    const std::string &sender, const std::string &topic, unsigned length, const void *data)
{
    return writeFrame(sender, topic, length, data, true);
}

bool CPipeProtocol::writeFrame(
    const std::string &sender, const std::string &topic, unsigned length, const void *data, bool post)
{
    if (!m_transport || (length != 0 && !data))
        return false;
    const uint32_t check = length ? PipeCrc32(data, length, InitialCheck) : InitialCheck;
    const auto magicBytes = littleEndian(Magic);
    const auto lengthBytes = littleEndian(length);
    const auto checkBytes = littleEndian(check);
    const auto senderSize = littleEndian(static_cast<uint32_t>(sender.size()));
    const auto topicSize = littleEndian(static_cast<uint32_t>(topic.size()));
    // An empty field is no message at all: a message pipe cannot carry one.
    const ITransportIPC::Buffer fields[] = {
        { magicBytes.data(), 4 },
        { lengthBytes.data(), 4 },
        { checkBytes.data(), 4 },
        { senderSize.data(), 4 },
        { sender.empty() ? nullptr : sender.data(), static_cast<unsigned>(sender.size()) },
        { topicSize.data(), 4 },
        { topic.empty() ? nullptr : topic.data(), static_cast<unsigned>(topic.size()) },
        { length ? data : nullptr, length },
    };
    constexpr unsigned count = sizeof fields / sizeof fields[0];
    return post ? m_transport->PostEach(fields, count) : m_transport->WriteEach(fields, count);
}

bool CPipeProtocol::readU32(uint32_t &value)
{
    unsigned char bytes[4];
    if (!m_transport->Read(bytes, sizeof bytes))
        return false;
    value
        = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
    return true;
}

bool CPipeProtocol::readName(std::string &name)
{
    uint32_t size = 0;
    if (!readU32(size))
        return false;
    if (size > MaxNameLength) {
        KavoOS::SetLastError(KavoOS::kErrorInvalidData);
        return false;
    }
    name.resize(size);
    return size == 0 || m_transport->Read(name.data(), size);
}

bool CPipeProtocol::ReadMessage(std::string &sender, std::string &topic, unsigned &length, const char *&data)
{
    length = 0;
    data = nullptr;
    if (!m_transport)
        return false;

    uint32_t magic = 0;
    if (!readU32(magic))
        return false;
    if (magic != Magic) {
        // A refused frame is bad data, not a broken pipe: the reader goes on.
        KavoOS::SetLastError(KavoOS::kErrorInvalidData);
        return false;
    }
    uint32_t payloadLength = 0;
    uint32_t check = 0;
    std::string newSender;
    std::string newTopic;
    if (!readU32(payloadLength) || !readU32(check) || !readName(newSender) || !readName(newTopic))
        return false;
    if (payloadLength > MaxPayloadLength) {
        KavoOS::SetLastError(KavoOS::kErrorInvalidData);
        return false;
    }

    m_payload.Resize(payloadLength, false);
    if (payloadLength != 0) {
        if (!m_payload.Data()) {
            KavoOS::SetLastError(KavoOS::kErrorNotEnoughMemory);
            return false;
        }
        if (!m_transport->Read(m_payload.Data(), payloadLength))
            return false;
        if (PipeCrc32(m_payload.Data(), payloadLength, InitialCheck) != check) {
            KavoOS::SetLastError(KavoOS::kErrorInvalidData);
            return false;
        }
    } else if (check != InitialCheck) {
        // An empty payload's check is fixed; any other value means fields
        // that do not belong together.
        KavoOS::SetLastError(KavoOS::kErrorInvalidData);
        return false;
    }

    sender = std::move(newSender);
    topic = std::move(newTopic);
    length = payloadLength;
    data = payloadLength ? m_payload.Data() : nullptr;
    return true;
}

} // namespace kvds
