// Feeds arbitrary delivery requests to a window-message receiver, through a
// real socket, and checks that the answer equals the callbacks it called and
// that every callback got names and payload within the rules.
//
// The first input byte picks how the rest is used:
//   0: the whole request as it comes on the wire;
//   1: behind a valid header (message, tag, size, sender window);
//   2: the same, but the size field taken from the input;
//   3: a message built from the input: sender, topic and payload split at
//      zero bytes, the length field taken from the input.
// Its upper bits pick how a slow sender writes it: in pieces of 2^n bytes
// (bits 2-5; 0 is all at once), pausing a millisecond between pieces (bit
// 6), as the receiver must serve such a sender without waiting on it.
#include "ipc/kavoipc.h"
#include "ipc/kavoipcwindow_posix.h"
#include "ipc/refcountedptr.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include <sys/socket.h>
#include <unistd.h>

namespace {

class CheckingCallback : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override
    {
        if (sender.empty() || sender.size() > 256 || topic.empty() || topic.size() > 256
            || (length == 0) != (data == nullptr) || length > KavoIPCWindow::kMaxDataSize)
            __builtin_trap();
        // Touch every payload byte so a read past the message shows.
        const auto *bytes = static_cast<const unsigned char *>(data);
        unsigned sum = 0;
        for (unsigned i = 0; i < length; ++i)
            sum += bytes[i];
        m_sum += sum;
        ++calls;
    }
    std::atomic<int> calls { 0 };

private:
    std::atomic<unsigned> m_sum { 0 };
};

struct Receiver
{
    std::string root;
    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    kvtl::RefCountedPtr<CheckingCallback> callback;
    std::unique_ptr<KavoIPCWindow> window;
};

void RemoveRoot();

Receiver &TheReceiver()
{
    static Receiver *receiver = [] {
        auto *r = new Receiver;
        char pattern[] = "/tmp/kavoipc-fuzz-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        r->root = pattern;
        setenv("XDG_RUNTIME_DIR", pattern, 1);
        std::atexit(&RemoveRoot);
        if (!CreateWindowMessageIPC(&r->ipc))
            std::abort();
        r->callback = new CheckingCallback;
        // Keys that fuzzed topics can reach, one of them a prefix of the other.
        for (const char *prefix : { "D", "Device/", "T", "\x01" })
            r->ipc->RegisterCallback(std::string(prefix), r->callback.get(), true);
        auto *impl = static_cast<KavoIPC *>(r->ipc.get());
        r->window = std::make_unique<KavoIPCWindow>(
            [impl](const char *senderWindow, uint32_t tag, const unsigned char *data, uint32_t size) {
                return impl->OnCopyData(senderWindow, tag, data, size);
            });
        if (!r->window->Create())
            std::abort();
        return r;
    }();
    return *receiver;
}

void RemoveRoot()
{
    Receiver &r = TheReceiver();
    r.window.reset();
    r.ipc.reset();
    std::error_code ignored;
    std::filesystem::remove_all(r.root, ignored);
}

void PutLe32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

uint32_t TakeLe32(const uint8_t *&data, size_t &size)
{
    uint32_t v = 0;
    for (int i = 0; i < 4 && size > 0; ++i, ++data, --size)
        v |= uint32_t(*data) << (8 * i);
    return v;
}

std::string TakeName(const uint8_t *&data, size_t &size)
{
    std::string name;
    while (size > 0 && *data != 0 && name.size() < 300) {
        name.push_back(static_cast<char>(*data));
        ++data;
        --size;
    }
    if (size > 0) {
        ++data;
        --size;
    }
    return name;
}

std::string Request(const uint8_t *data, size_t size, const std::string &window)
{
    const uint8_t mode = data[0] & 3;
    ++data;
    --size;
    if (mode == 0)
        return std::string(reinterpret_cast<const char *>(data), size);

    std::string body;
    uint32_t sizeField = 0;
    if (mode == 2)
        sizeField = TakeLe32(data, size);
    if (mode == 3) {
        const uint32_t length = TakeLe32(data, size);
        const std::string sender = TakeName(data, size);
        const std::string topic = TakeName(data, size);
        body.assign(528, '\0');
        body.replace(0, std::min<size_t>(sender.size(), 260), sender.substr(0, 260));
        body.replace(260, std::min<size_t>(topic.size(), 260), topic.substr(0, 260));
        for (int i = 0; i < 4; ++i)
            body[520 + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
        body.resize(524);
    }
    body.append(reinterpret_cast<const char *>(data), size);
    if (mode != 2)
        sizeField = static_cast<uint32_t>(body.size());

    std::string request;
    PutLe32(request, KavoIPCWindow::kCopyDataMessage);
    PutLe32(request, KavoIPC::kCopyDataTag);
    PutLe32(request, sizeField);
    std::string name = window;
    name.resize(KavoIPCWindow::kWindowNameSize, '\0');
    return request + name + body;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0 || size > 64 * 1024)
        return 0;
    Receiver &receiver = TheReceiver();
    const std::string request = Request(data, size, receiver.window->Name());
    const size_t piece = (data[0] >> 2 & 15) == 0 ? request.size() : size_t(1) << (data[0] >> 2 & 15);
    const bool pause = data[0] & 64;

    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return 0;
    std::thread sender([&] {
        int pauses = 0;
        for (size_t at = 0; at < request.size(); at += piece) {
            const size_t n = std::min(piece, request.size() - at);
            if (send(fds[0], request.data() + at, n, MSG_NOSIGNAL) != static_cast<ssize_t>(n))
                break; // the receiver refused the rest
            if (pause && pauses++ < 20)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        shutdown(fds[0], SHUT_WR);
    });

    const int before = receiver.callback->calls.load();
    receiver.window->native().ServeConnection(fds[1]);
    const int called = receiver.callback->calls.load() - before;
    sender.join();

    unsigned char answer[8];
    const ssize_t n = recv(fds[0], answer, sizeof(answer), 0);
    close(fds[0]);
    if (n != 0 && n != 4 && !(n < 0 && errno == ECONNRESET))
        __builtin_trap();
    const int32_t count = n == 4 ? static_cast<int32_t>(uint32_t(answer[0]) | uint32_t(answer[1]) << 8
                              | uint32_t(answer[2]) << 16 | uint32_t(answer[3]) << 24)
                                 : 0;
    if (count != called)
        __builtin_trap();
    return 0;
}
