#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The hidden window of a window-message endpoint: a hidden top-level window
// of class "KavoIPCWindowClassName" titled "KavoIPCWindowName", delivered to
// with WM_COPYDATA, or what stands for one where there are no such windows.
// Every delivery is synchronous per peer and bounded in time.
class KavoIPCWindow
{
public:
    // The copy-data case of the window procedure; answers the callback count.
    using CopyDataHandler = std::function<int(
        const char *senderWindow, uint32_t tag, const unsigned char *data, uint32_t size)>;

    static constexpr uint32_t kCopyDataMessage = 0x004A;
    static constexpr uint32_t kMaxDataSize = 16u << 20;
    // The longest sender window name, its terminating zero included.
    static constexpr size_t kWindowNameSize = 108;
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
    // How a delivery names this window as its sender.
    const std::string &Name() const { return m_name; }

    // Whether a sender window name is a live endpoint window of this desktop.
    bool IsPeer(const char *name) const;
    // The process that owns the window a sender name stands for.
    bool ProcessOf(const char *name, long *processId) const;
    // Hands the data to every peer window, this one too when includeOwn, and
    // sums their answers. On the window's own thread this window is called
    // directly, and deliveries to it are served while the others are awaited.
    int SendToAll(
        uint32_t tag, const unsigned char *data, uint32_t size, bool onWindowThread, bool includeOwn);
    // True while a send from another thread is under way: it holds the
    // endpoint's send lock and awaits this window's answer before it ends.
    bool IsAwaitedBySender() const { return m_awaitedBySender.load(); }

    // Whether a name has the form of an endpoint window's name.
    static bool HasWindowTitle(const char *name);

    // What only one platform keeps: the window handle and its procedure, or
    // the sockets that stand for the window. Code of that platform alone
    // (its tests, its fuzzing) reaches it here.
    struct Native;
    Native &native() { return *m_native; }

private:
    CopyDataHandler m_handler;
    std::string m_name;
    std::atomic<bool> m_awaitedBySender { false };
    std::unique_ptr<Native> m_native;
};
