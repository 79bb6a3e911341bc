#pragma once

#include "ipc/kavoipcwindow.h"
#include "ipc/memorybuffer.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/un.h>

// The POSIX stand-in for a window: a listening Unix socket in the user's
// window directory, named after the window title, the process id and a
// count; enumerating windows lists that directory. A delivery is one
// connection: a request (message number, tag, size, sender window name,
// data) and a 4-byte answer.
struct KavoIPCWindow::Native
{
    using Clock = std::chrono::steady_clock;
    static constexpr size_t kRequestHeaderSize = 12 + kWindowNameSize;
    static constexpr size_t kMaxIncoming = 256;

    // A delivery to this window from another thread of this process: it
    // stays in the process, as a cross-thread window message does.
    struct LocalDelivery
    {
        uint32_t tag = 0;
        kvtl::MemoryBuffer<unsigned char> data;
        int result = 0;
        bool done = false;
    };

    // A request being read. Each connection has its own deadline, so a
    // silent one delays nobody.
    struct Incoming
    {
        enum class Step { More, Ready, Done };

        explicit Incoming(int socket)
            : fd(socket)
        {
        }
        ~Incoming();
        Incoming(const Incoming &) = delete;
        Incoming &operator=(const Incoming &) = delete;
        // Reads what has arrived without waiting. Done: answered or dropped.
        Step Advance();

        // The request's data once Ready.
        const unsigned char *Data() const
        {
            return size == 0 ? nullptr : size <= sizeof(inlineData) ? inlineData : data.Data();
        }

        int fd;
        Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kDeliveryTimeoutMs);
        unsigned char header[kRequestHeaderSize] = {};
        size_t headerGot = 0;
        uint32_t size = 0;
        // A notice's data usually fits here and comes with its header in
        // one read; longer data gets a buffer of its own.
        unsigned char inlineData[2048];
        kvtl::MemoryBuffer<unsigned char> data;
        size_t dataGot = 0;
    };

    explicit Native(KavoIPCWindow &window);
    ~Native();
    Native(const Native &) = delete;
    Native &operator=(const Native &) = delete;

    // Created if missing; empty when refused (not ours, or open to others).
    static std::string WindowDirectory();
    // The process part of a window name "<title>.<pid>.<n>"; false when the
    // name has no such part.
    static bool ProcessOfName(const char *name, long *processId);

    bool Create();
    void RunMessageLoop();
    bool IsPeer(const char *name) const;
    int SendToAll(
        uint32_t tag, const unsigned char *data, uint32_t size, bool onWindowThread, bool includeOwn);

    // Serves one connected socket to its end, as the loop would: reads the
    // request, answers it and closes it, or drops it at its deadline.
    void ServeConnection(int fd);

    std::shared_ptr<LocalDelivery> PostLocal(uint32_t tag, const unsigned char *data, uint32_t size);
    int AwaitLocal(const std::shared_ptr<LocalDelivery> &delivery);
    void ServeLocal(bool closing);
    void Wake(char reason);
    // Connects and writes the request: the socket to await the answer on, or -1.
    int BeginDelivery(
        const std::string &name, uint32_t tag, const unsigned char *data, uint32_t size, bool serveOwn);
    // The peer's callback count, 0 when it does not answer in time.
    int FinishDelivery(int fd, bool serveOwn);
    bool WaitReady(int fd, short events, bool serveOwn);
    // The listening socket (while below the cap) and every request being
    // read, appended to fds; the time until the nearest deadline, -1 for none.
    int AddOwnSockets(std::vector<pollfd> &fds) const;
    // Never blocks: with fds as polled, their own sockets from first on,
    // accepts, reads what has come, answers whole requests and drops
    // expired ones. Answers how many requests were handled.
    int ServeReady(const std::vector<pollfd> &fds, size_t first);
    void Accept();
    void Answer(int fd, const unsigned char *header, const unsigned char *data, uint32_t size);
    void RemoveIfStale(const std::string &path);
    void Destroy();

    KavoIPCWindow &owner;
    std::string directory;
    int listenFd = -1;
    int lockFd = -1;
    int wakeFds[2] = { -1, -1 };
    std::mutex localLock;
    std::condition_variable localDone;
    std::deque<std::shared_ptr<LocalDelivery>> localQueue;
    std::vector<std::unique_ptr<Incoming>> requests;
    bool closed = false;
};

// Helpers the POSIX window's files share.
namespace KavoIPCSocket {

void PutLe32(unsigned char *p, uint32_t v);
uint32_t GetLe32(const unsigned char *p);
bool MakeAddress(const std::string &path, sockaddr_un *address);
bool PeerIsUs(int fd);
bool IsOurSocket(const std::string &path);
// True when fd still names the file at path, i.e. nobody removed or
// replaced the lock file between open and flock.
bool SameFile(int fd, const std::string &path);
// Answers a request with a callback count, without waiting.
void SendAnswer(int fd, int32_t count);
// The file whose flock the owner of a window socket holds for its life.
std::string LockPathOf(const std::string &socketPath);

} // namespace KavoIPCSocket
