// Arbitrary messages on a SOCK_SEQPACKET socket pair, read the way a live
// endpoint reads them: OnPoll, the frame reader, the prefix match and the
// callbacks, one of which is the media server's own session. The input is a
// list of messages, each a 16-bit little-endian size and that many bytes.
// A frame handed on must be one whose payload matches its check value.
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/cpipeprotocol.h"
#include "ipc/cpipesocket.h"
#include "ipc/kavoosnamedpipe.h"
#include "ipc/kavoospipeerror.h"
#include "ipc/pipecrc32.h"
#include "mediaserver/mediaserversession.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// Remembers the messages of the current frame, so a callback can check
// the frame it was handed against the bytes that carried it.
class SocketTransport : public kvtl::RefCountedImpl<kvds::ITransportIPC>
{
public:
    explicit SocketTransport(int fd) { KavoOS::CPipeSocket::Adopt(m_pipe, fd); }
    bool Connect() override { return true; }
    bool Disconnect() override { return true; }
    bool IsConnected() override { return m_pipe.IsOpen(); }
    // The media server's answers go nowhere.
    bool Write(const void *, unsigned) override { return true; }
    bool Read(void *buffer, unsigned n) override
    {
        if (!m_pipe.Read(buffer, n))
            return false;
        reads.emplace_back(static_cast<const char *>(buffer), n);
        return true;
    }
    bool SetCallback(kvds::ITransportIPCCallback *) override { return true; }

    std::vector<std::string> reads;

private:
    KavoOS::CNamedPipe m_pipe;
};

uint32_t Le32(const std::string &bytes)
{
    if (bytes.size() != 4)
        __builtin_trap();
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

class CheckingCallback : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override
    {
        if (sender == kvds::CKavoNamedPipeIPC::PipeErrorSender
            && topic == kvds::CKavoNamedPipeIPC::PipeErrorTopic)
            return;
        if (sender.empty() || sender.size() > kvds::CPipeProtocol::MaxNameLength
            || topic.size() > kvds::CPipeProtocol::MaxNameLength
            || length > kvds::CPipeProtocol::MaxPayloadLength || (length != 0) != (data != nullptr))
            __builtin_trap();
        // The frame's own messages: magic, length, check, then the rest.
        const std::vector<std::string> &reads = transport->reads;
        if (reads.size() < 3 || Le32(reads[0]) != kvds::CPipeProtocol::Magic || Le32(reads[1]) != length
            || Le32(reads[2]) != kvds::PipeCrc32(data, length, 0xFFFFFFFFu))
            __builtin_trap();
        if (length != 0 && std::memcmp(reads.back().data(), data, length) != 0)
            __builtin_trap();
        ++calls;
    }
    SocketTransport *transport = nullptr;
    std::atomic<int> calls { 0 };
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
        return 0;
    size_t messages = 0;
    size_t at = 0;
    while (at + 2 <= size) {
        const size_t length = data[at] | size_t(data[at + 1]) << 8;
        at += 2;
        const size_t take = length < size - at ? length : size - at;
        // A full socket buffer ends the input; the rest is never sent.
        if (send(ends[1], data + at, take, MSG_DONTWAIT | MSG_NOSIGNAL) < 0)
            break;
        at += take;
        ++messages;
    }
    shutdown(ends[1], SHUT_WR);

    kvtl::RefCountedPtr<SocketTransport> transport(new SocketTransport(ends[0]));
    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    if (!kvds::CreateNamedPipeIPCOverTransport(transport.get(), &ipc))
        __builtin_trap();
    auto *endpoint = static_cast<kvds::CKavoNamedPipeIPC *>(ipc.get());
    kvtl::RefCountedPtr<CheckingCallback> checking(new CheckingCallback);
    checking->transport = transport.get();
    const std::atomic<bool> sharing { true };
    kvtl::RefCountedPtr<MediaServerSession> session(new MediaServerSession(
        ipc.get(), &sharing, [](MediaServerSession::Event, const std::string &name, const std::string &text) {
            if (name.size() > kvds::CPipeProtocol::MaxNameLength
                || text.size() > kvds::CPipeProtocol::MaxPayloadLength)
                __builtin_trap();
        }));
    // Keys that fuzzed topics reach, one a prefix of another, and the
    // media server's own.
    for (const char *prefix : { "D", "DevicePane->KavoMediaServerDialog", "T", "\x01" })
        ipc->RegisterCallback(std::string(prefix), checking.get(), true);
    ipc->RegisterCallback(std::string(MediaServerSession::TopicPrefix), session.get(), true);

    // Every poll consumes at least one message, so this ends.
    for (size_t poll = 0; poll <= messages; ++poll) {
        transport->reads.clear();
        if (!endpoint->OnPoll())
            break;
    }
    ipc.reset();
    session.reset();
    close(ends[1]);
    return 0;
}
