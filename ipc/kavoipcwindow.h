#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The hidden window of a window-message endpoint. Here a window is a
// listening Unix socket in the user's window directory, named after the
// window title; enumerating windows lists that directory. Every delivery is
// synchronous per peer and bounded in time.
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
    // Reads one request from a connected socket, answers it and closes it.
    void ServeConnection(int fd);
    // True while a thread other than the window's waits for this window to
    // answer its delivery.
    bool IsAwaitedBySender() const { return m_awaitedBySender.load(); }

    // Created if missing; empty when refused (not ours, or open to others).
    static std::string WindowDirectory();
    static bool HasWindowTitle(const char *name);

private:
    int Deliver(const std::string &name, uint32_t tag, const unsigned char *data, uint32_t size,
                bool serveOwn);
    bool WaitReady(int fd, short events, bool serveOwn);
    void ServePending();
    void RemoveIfStale(const std::string &path);
    void Destroy();

    CopyDataHandler m_handler;
    std::string m_directory;
    std::string m_name;
    int m_listenFd = -1;
    int m_lockFd = -1;
    int m_wakeFds[2] = {-1, -1};
    std::atomic<bool> m_awaitedBySender{false};
};
