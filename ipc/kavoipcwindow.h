#pragma once

#include <atomic>
#include <cstddef>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct pollfd;

// The hidden window of a window-message endpoint. On Windows it is a hidden
// top-level window of class "KavoIPCWindowClassName", delivered to with
// WM_COPYDATA. Elsewhere a window is a listening Unix socket in the user's
// window directory, named after the window title; enumerating windows lists
// that directory. Every delivery is synchronous per peer and bounded in time.
class KavoIPCWindow
{
public:
    // The copy-data case of the window procedure; answers the callback count.
    using CopyDataHandler = std::function<int(const char *senderWindow, uint32_t tag,
                                              const unsigned char *data, uint32_t size)>;

    static constexpr uint32_t kCopyDataMessage = 0x004A;
    static constexpr uint32_t kMaxDataSize = 16u << 20;
    static constexpr size_t kWindowNameSize = 108;
    static constexpr size_t kRequestHeaderSize = 12 + kWindowNameSize;
    static constexpr int kDeliveryTimeoutMs = 3000;

    explicit KavoIPCWindow(CopyDataHandler handler);
    KavoIPCWindow(const KavoIPCWindow &) = delete;
    KavoIPCWindow &operator=(const KavoIPCWindow &) = delete;
    ~KavoIPCWindow();

    // On the thread that then runs the loop.
    bool Create();
    // Serves deliveries until a close is posted; then the window is gone.
    void RunMessageLoop();
    void PostClose();
    const std::string &Name() const { return m_name; }

    // The sender window named in a request: a socket of ours in the
    // directory whose name carries the window title.
    bool IsPeer(const char *name) const;
    // Hands the data to every peer window, this one included, and sums their
    // answers. On the window's own thread this window is called directly,
    // and deliveries to it are served while the others are awaited.
    int SendToAll(uint32_t tag, const unsigned char *data, uint32_t size, bool onWindowThread);
    // Serves one connected socket to its end, as the loop would: reads the
    // request, answers it and closes it, or drops it at its deadline.
    void ServeConnection(int fd);
    // True while a send from another thread is under way: it holds the
    // endpoint's send lock and awaits this window's answer before it ends.
    bool IsAwaitedBySender() const { return m_awaitedBySender.load(); }

    // Created if missing; empty when refused (not ours, or open to others).
    static std::string WindowDirectory();
    static bool HasWindowTitle(const char *name);

private:
    // A delivery to this window from another thread of this process: it
    // stays in the process, as a cross-thread window message does.
    struct LocalDelivery;
    // A request being read. Each connection has its own deadline, so a
    // silent one delays nobody.
    struct Incoming;
    // What only one platform keeps: on Windows the window handle and its
    // procedure.
    struct Native;
    static constexpr size_t kMaxIncoming = 256;

    std::shared_ptr<LocalDelivery> PostLocal(uint32_t tag, const unsigned char *data, uint32_t size);
    int AwaitLocal(const std::shared_ptr<LocalDelivery> &delivery);
    void ServeLocal(bool closing);
    void Wake(char reason);
    // Connects and writes the request: the socket to await the answer on, or -1.
    int BeginDelivery(const std::string &name, uint32_t tag, const unsigned char *data, uint32_t size,
                      bool serveOwn);
    // The peer's callback count, 0 when it does not answer in time.
    int FinishDelivery(int fd, bool serveOwn);
    bool WaitReady(int fd, short events, bool serveOwn);
    // The listening socket (while below the cap) and every request being
    // read; the time until the nearest deadline, -1 for none.
    int AddOwnSockets(std::vector<pollfd> &fds) const;
    // Never blocks: accepts, reads what has come, answers whole requests and
    // drops expired ones. Answers how many requests were handled.
    int ServeReady();
    void Accept();
    void RemoveIfStale(const std::string &path);
    void Destroy();

    CopyDataHandler m_handler;
    std::string m_directory;
    std::string m_name;
    int m_listenFd = -1;
    int m_lockFd = -1;
    int m_wakeFds[2] = {-1, -1};
    std::atomic<bool> m_awaitedBySender{false};
    std::mutex m_localLock;
    std::condition_variable m_localDone;
    std::deque<std::shared_ptr<LocalDelivery>> m_localQueue;
    std::vector<std::unique_ptr<Incoming>> m_incoming;
    bool m_closed = false;
    std::unique_ptr<Native> m_native;
};
