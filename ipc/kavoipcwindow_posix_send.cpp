// The sending side of the POSIX window: every peer socket in the directory
// is connected and sent its request before any answer is awaited.
#include "ipc/kavoipcwindow_posix.h"

#include "ipc/kavoipcwindowlist_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace KavoIPCSocket;

int KavoIPCWindow::Native::SendToAll(
    uint32_t tag, const unsigned char *data, uint32_t size, bool onWindowThread, bool includeOwn)
{
    KavoIPCWindowList::Names listed;
    try {
        listed = KavoIPCWindowList::Of(directory);
    } catch (...) {
        return 0; // out of memory before anyone was reached
    }
    const std::vector<std::string> &names = *listed;

    // Every peer gets its request before any answer is awaited, so the peers
    // handle it side by side; each delivery is still complete, answer and
    // all, before the send returns. A batch bounds the open sockets.
    constexpr size_t kBatch = 64;
    int delivered = 0;
    std::vector<int> pending;
    size_t finished = 0; // pending[finished...] are still open
    // From another thread this send awaits the own window before it ends;
    // sends of the window thread meanwhile are nested in it.
    if (!onWindowThread)
        owner.m_awaitedBySender = true;
    try {
        pending.reserve(kBatch);
        for (size_t first = 0; first < names.size(); first += kBatch) {
            const size_t last = std::min(names.size(), first + kBatch);
            bool callOwn = false;
            std::shared_ptr<LocalDelivery> local;
            pending.clear();
            finished = 0;
            for (size_t i = first; i < last; ++i) {
                const std::string &name = names[i];
                if (name != owner.m_name) {
                    const int fd = BeginDelivery(name, tag, data, size, onWindowThread);
                    if (fd >= 0)
                        pending.push_back(fd);
                } else if (!includeOwn) {
                    continue;
                } else if (onWindowThread) {
                    callOwn = true;
                } else {
                    local = PostLocal(tag, data, size);
                }
            }
            if (callOwn)
                delivered += owner.m_handler(owner.m_name.c_str(), tag, data, size);
            for (; finished < pending.size(); ++finished)
                delivered += FinishDelivery(pending[finished], onWindowThread);
            if (local)
                delivered += AwaitLocal(local);
        }
    } catch (...) {
        // Out of memory halfway: what was delivered counts, nothing leaks.
        for (; finished < pending.size(); ++finished)
            close(pending[finished]);
    }
    if (!onWindowThread)
        owner.m_awaitedBySender = false;
    return delivered;
}

int KavoIPCWindow::Native::BeginDelivery(
    const std::string &name, uint32_t tag, const unsigned char *data, uint32_t size, bool serveOwn)
{
    const std::string path = directory + '/' + name;
    sockaddr_un address {};
    // A peer we cannot even address is passed over, not counted.
    if (!MakeAddress(path, &address))
        return -1;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;

    auto fail = [fd] {
        close(fd);
        return -1;
    };

    for (auto deadline = Clock::now() + std::chrono::milliseconds(kDeliveryTimeoutMs);;) {
        if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0)
            break;
        if (errno == EINTR)
            continue;
        if (errno == EINPROGRESS) {
            int error = 0;
            socklen_t length = sizeof(error);
            if (!WaitReady(fd, POLLOUT, serveOwn)
                || getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0)
                return fail();
            break;
        }
        if (errno == ECONNREFUSED) {
            close(fd);
            RemoveIfStale(path);
            return -1;
        }
        // EAGAIN: the peer's backlog is full; it has not accepted for a while.
        if (errno != EAGAIN || Clock::now() >= deadline)
            return fail();
        WaitReady(-1, 0, serveOwn);
    }
    if (!PeerIsUs(fd))
        return fail();

    unsigned char header[kRequestHeaderSize] = {};
    PutLe32(header, kCopyDataMessage);
    PutLe32(header + 4, tag);
    PutLe32(header + 8, size);
    std::memcpy(header + 12, owner.m_name.c_str(), std::min(owner.m_name.size(), kWindowNameSize - 1));

    size_t sent = 0;
    const size_t total = kRequestHeaderSize + size;
    while (sent < total) {
        iovec parts[2];
        int count = 0;
        if (sent < kRequestHeaderSize)
            parts[count++] = { header + sent, kRequestHeaderSize - sent };
        const size_t dataSent = sent > kRequestHeaderSize ? sent - kRequestHeaderSize : 0;
        if (size > dataSent)
            parts[count++] = { const_cast<unsigned char *>(data) + dataSent, size - dataSent };
        msghdr message {};
        message.msg_iov = parts;
        message.msg_iovlen = static_cast<size_t>(count);
        const ssize_t n = sendmsg(fd, &message, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitReady(fd, POLLOUT, serveOwn))
                return fail();
        } else {
            return fail();
        }
    }

    return fd;
}

int KavoIPCWindow::Native::FinishDelivery(int fd, bool serveOwn)
{
    unsigned char answer[4];
    size_t received = 0;
    bool ready = WaitReady(fd, POLLIN, serveOwn);
    while (ready && received < sizeof(answer)) {
        const ssize_t n = recv(fd, answer + received, sizeof(answer) - received, 0);
        if (n > 0) {
            received += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            ready = WaitReady(fd, POLLIN, serveOwn);
        } else {
            break;
        }
    }
    close(fd);
    if (received < sizeof(answer))
        return 0;
    const auto count = static_cast<int32_t>(GetLe32(answer));
    return count > 0 ? count : 0;
}

// Waits for fd (or, with fd -1, a short pause), serving deliveries to the own
// window meanwhile when asked, so that two window threads sending to each
// other both get through. Each served delivery restarts the wait.
bool KavoIPCWindow::Native::WaitReady(int fd, short events, bool serveOwn)
{
    auto deadline = Clock::now() + std::chrono::milliseconds(fd < 0 ? 1 : kDeliveryTimeoutMs);
    std::vector<pollfd> fds;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left < 0)
            return false;
        fds.clear();
        if (fd >= 0)
            fds.push_back({ fd, events, 0 });
        int timeout = static_cast<int>(left);
        if (serveOwn) {
            const int own = AddOwnSockets(fds);
            if (own >= 0)
                timeout = std::min(timeout, own);
        }
        const int ready = poll(fds.data(), fds.size(), timeout);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (fd >= 0 && fds[0].revents != 0)
            return true;
        if (serveOwn && ServeReady(fds, fd >= 0 ? 1 : 0) > 0 && fd >= 0)
            deadline = Clock::now() + std::chrono::milliseconds(kDeliveryTimeoutMs);
        if (ready == 0 && Clock::now() >= deadline)
            return fd < 0;
    }
}

// A refused connection: if the owner's lock is free, the owner is dead and
// whoever wins the lock removes the socket and the lock file.
void KavoIPCWindow::Native::RemoveIfStale(const std::string &path)
{
    const std::string lockPath = LockPathOf(path);
    const int lockFd = open(lockPath.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (lockFd < 0) {
        // Owners lock before they bind: a socket without a lock file has none.
        if (errno == ENOENT)
            unlink(path.c_str());
        return;
    }
    if (flock(lockFd, LOCK_EX | LOCK_NB) == 0 && SameFile(lockFd, lockPath)) {
        unlink(path.c_str());
        unlink(lockPath.c_str());
    }
    close(lockFd);
}
