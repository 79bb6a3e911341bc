// The pipe frame reader against arbitrary messages on a SOCK_SEQPACKET
// socket pair. The input is a list of messages, each a 16-bit little-endian
// size and that many bytes; the reader reads frames until the pipe ends.
#include "ipc/cpipeprotocol.h"
#include "ipc/kavoosnamedpipe.h"
#include "ipc/kavoospipeerror.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include <sys/socket.h>
#include <unistd.h>

namespace {

class SocketTransport : public kvtl::RefCountedImpl<kvds::ITransportIPC>
{
public:
    explicit SocketTransport(int fd) { m_pipe.Adopt(fd); }
    bool Connect() override { return false; }
    bool Disconnect() override { return true; }
    bool IsConnected() override { return m_pipe.IsOpen(); }
    bool Write(const void *, unsigned) override { return false; }
    bool Read(void *buffer, unsigned n) override { return m_pipe.Read(buffer, n); }
    bool SetCallback(kvds::ITransportIPCCallback *) override { return true; }

private:
    KavoOS::CNamedPipe m_pipe;
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

    auto *transport = new SocketTransport(ends[0]);
    transport->AddRef();
    {
        kvds::CPipeProtocol protocol(transport);
        protocol.AddRef(); // on the stack: no Release may delete it
        std::string sender;
        std::string topic;
        unsigned length = 0;
        const char *payload = nullptr;
        // Every frame consumes at least one message, so this ends.
        for (size_t frame = 0; frame <= messages; ++frame) {
            if (protocol.ReadMessage(sender, topic, length, payload)) {
                if (sender.size() > kvds::CPipeProtocol::MaxNameLength
                    || topic.size() > kvds::CPipeProtocol::MaxNameLength
                    || length > kvds::CPipeProtocol::MaxPayloadLength || (length != 0) != (payload != nullptr))
                    __builtin_trap();
                volatile char sink = 0;
                for (unsigned i = 0; i < length; ++i)
                    sink = sink ^ payload[i];
                continue;
            }
            if (length != 0 || payload != nullptr)
                __builtin_trap();
            if (KavoOS::GetLastError() == KavoOS::kErrorBrokenPipe)
                break;
        }
    }
    transport->Release();
    close(ends[1]);
    return 0;
}
