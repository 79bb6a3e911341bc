#include "ipc/kavoipcwindow.h"

#include "ipc/memorybuffer.h"
#include "ipc/userruntimedirectory.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char kWindowClassName[] = "KavoIPCWindowClassName";
constexpr char kWindowTitle[] = "KavoIPCWindowName";
constexpr char kLockSuffix[] = ".lock";

using Clock = std::chrono::steady_clock;

constexpr char kWakeClose = 1;
constexpr char kWakeLocal = 2;

void PutLe32(unsigned char *p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

uint32_t GetLe32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool MakeAddress(const std::string &path, sockaddr_un *address)
{
    if (path.size() >= sizeof(address->sun_path))
        return false;
    std::memset(address, 0, sizeof(*address));
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

uid_t OwnUid()
{
    static const uid_t uid = geteuid();
    return uid;
}

bool PeerIsUs(int fd)
{
    ucred cred{};
    socklen_t length = sizeof(cred);
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &length) == 0 && cred.uid == OwnUid();
}

bool IsOurSocket(const std::string &path)
{
    struct stat st{};
    return lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == OwnUid();
}

// True when fd still names the file at path, i.e. nobody removed or
// replaced the lock file between open and flock.
bool SameFile(int fd, const std::string &path)
{
    struct stat held{}, named{};
    return fstat(fd, &held) == 0 && lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino;
}

void Answer(int fd, int32_t count)
{
    unsigned char answer[4];
    PutLe32(answer, static_cast<uint32_t>(count));
    ssize_t n;
    do {
        n = send(fd, answer, sizeof(answer), MSG_NOSIGNAL | MSG_DONTWAIT);
    } while (n < 0 && errno == EINTR);
}

} // namespace

struct KavoIPCWindow::Incoming
{
    enum class Step { More, Ready, Done };

    explicit Incoming(int socket) : fd(socket) {}
    ~Incoming()
    {
        if (fd >= 0)
            close(fd);
    }
    // Reads what has arrived without waiting. Done: answered or dropped.
    Step Advance();

    int fd;
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kDeliveryTimeoutMs);
    unsigned char header[kRequestHeaderSize] = {};
    size_t headerGot = 0;
    uint32_t size = 0;
    kvtl::MemoryBuffer<unsigned char> data;
    size_t dataGot = 0;
};

// The fixed part is read first (its first 12 bytes decide whether the rest
// is wanted), then exactly size bytes: nothing past the request.
KavoIPCWindow::Incoming::Step KavoIPCWindow::Incoming::Advance()
{
    for (;;) {
        const bool inHeader = headerGot < kRequestHeaderSize;
        if (!inHeader && dataGot == size)
            return Step::Ready;
        unsigned char *to = inHeader ? header + headerGot : data.Data() + dataGot;
        const size_t want = inHeader ? kRequestHeaderSize - headerGot : size - dataGot;
        const ssize_t n = recv(fd, to, want, MSG_DONTWAIT);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return Step::More;
        if (n <= 0)
            return Step::Done; // ended early: dropped unanswered
        if (!inHeader) {
            dataGot += static_cast<size_t>(n);
            continue;
        }
        const bool hadFixed = headerGot >= 12;
        headerGot += static_cast<size_t>(n);
        if (!hadFixed && headerGot >= 12) {
            size = GetLe32(header + 8);
            if (GetLe32(header) != kCopyDataMessage || size > kMaxDataSize) {
                Answer(fd, 0);
                return Step::Done;
            }
        }
        if (headerGot == kRequestHeaderSize && size != 0) {
            data.Resize(size, false);
            if (!data.Data()) {
                Answer(fd, 0);
                return Step::Done;
            }
        }
    }
}

struct KavoIPCWindow::LocalDelivery
{
    uint32_t tag = 0;
    kvtl::MemoryBuffer<unsigned char> data;
    int result = 0;
    bool done = false;
};

// Everything lives in the members the header names.
struct KavoIPCWindow::Native
{
};

KavoIPCWindow::KavoIPCWindow(CopyDataHandler handler) : m_handler(std::move(handler))
{
    if (pipe2(m_wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        m_wakeFds[0] = m_wakeFds[1] = -1;
}

KavoIPCWindow::~KavoIPCWindow()
{
    Destroy();
    for (int &fd : m_wakeFds) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

std::string KavoIPCWindow::WindowDirectory()
{
    return KavoOS::UserRuntimeDirectory(kWindowClassName, "KavoIPC");
}

bool KavoIPCWindow::HasWindowTitle(const char *name)
{
    const size_t titleLength = sizeof(kWindowTitle) - 1;
    if (!name || std::strncmp(name, kWindowTitle, titleLength) != 0)
        return false;
    if (name[titleLength] != '\0' && name[titleLength] != '.')
        return false;
    const size_t length = std::strlen(name);
    const size_t suffixLength = sizeof(kLockSuffix) - 1;
    if (length >= suffixLength && std::strcmp(name + length - suffixLength, kLockSuffix) == 0)
        return false;
    return std::strchr(name, '/') == nullptr;
}

bool KavoIPCWindow::Create()
{
    if (m_listenFd >= 0 || m_wakeFds[0] < 0)
        return false;
    m_directory = WindowDirectory();
    if (m_directory.empty())
        return false;

    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 64; ++attempt) {
        const std::string name = std::string(kWindowTitle) + '.' + std::to_string(getpid()) + '.'
            + std::to_string(++counter);
        const std::string path = m_directory + '/' + name;
        const std::string lockPath = path + kLockSuffix;
        sockaddr_un address{};
        if (!MakeAddress(path, &address))
            return false;

        const int lockFd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (lockFd < 0)
            continue;
        if (flock(lockFd, LOCK_EX | LOCK_NB) != 0 || !SameFile(lockFd, lockPath)) {
            close(lockFd);
            continue;
        }
        // A socket left here by a dead process of the same pid.
        unlink(path.c_str());
        const int listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (listenFd < 0 || bind(listenFd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
            || listen(listenFd, SOMAXCONN) != 0) {
            if (listenFd >= 0)
                close(listenFd);
            unlink(path.c_str());
            unlink(lockPath.c_str());
            close(lockFd);
            return false;
        }
        m_name = name;
        m_lockFd = lockFd;
        m_listenFd = listenFd;
        return true;
    }
    return false;
}

void KavoIPCWindow::Destroy()
{
    m_incoming.clear();
    const std::string path = m_directory + '/' + m_name;
    if (m_listenFd >= 0) {
        unlink(path.c_str());
        close(m_listenFd);
        m_listenFd = -1;
    }
    if (m_lockFd >= 0) {
        unlink((path + kLockSuffix).c_str());
        close(m_lockFd);
        m_lockFd = -1;
    }
}

void KavoIPCWindow::Wake(char reason)
{
    if (m_wakeFds[1] < 0)
        return;
    ssize_t n;
    do {
        n = write(m_wakeFds[1], &reason, 1);
    } while (n < 0 && errno == EINTR);
}

void KavoIPCWindow::PostClose()
{
    Wake(kWakeClose);
}

void KavoIPCWindow::RunMessageLoop()
{
    bool closing = false;
    std::vector<pollfd> fds;
    while (m_listenFd >= 0 && !closing) {
        fds.assign(1, {m_wakeFds[0], POLLIN, 0});
        const int timeout = AddOwnSockets(fds);
        const int ready = poll(fds.data(), fds.size(), timeout);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents != 0) {
            char reasons[64];
            ssize_t n;
            while ((n = read(m_wakeFds[0], reasons, sizeof(reasons))) > 0) {
                if (std::memchr(reasons, kWakeClose, static_cast<size_t>(n)))
                    closing = true;
            }
            ServeLocal(false);
        }
        if (!closing) {
            try {
                ServeReady();
            } catch (...) {
                // Out of memory: the requests not yet read wait for the next pass.
            }
        }
    }
    Destroy();
    ServeLocal(true);
}

std::shared_ptr<KavoIPCWindow::LocalDelivery> KavoIPCWindow::PostLocal(uint32_t tag, const unsigned char *data,
                                                                       uint32_t size)
{
    auto delivery = std::make_shared<LocalDelivery>();
    delivery->tag = tag;
    delivery->data.Resize(size, false);
    if (size != 0 && !delivery->data.Data())
        return nullptr;
    if (size != 0)
        std::memcpy(delivery->data.Data(), data, size);
    {
        std::lock_guard<std::mutex> lock(m_localLock);
        if (m_closed)
            return nullptr;
        m_localQueue.push_back(delivery);
    }
    Wake(kWakeLocal);
    return delivery;
}

// Bounded like any delivery; the window works on its own copy of the data,
// so giving up leaves nothing dangling.
int KavoIPCWindow::AwaitLocal(const std::shared_ptr<LocalDelivery> &delivery)
{
    if (!delivery)
        return 0;
    std::unique_lock<std::mutex> lock(m_localLock);
    m_localDone.wait_for(lock, std::chrono::milliseconds(kDeliveryTimeoutMs),
                         [&delivery] { return delivery->done; });
    return delivery->done ? delivery->result : 0;
}

void KavoIPCWindow::ServeLocal(bool closing)
{
    for (;;) {
        std::shared_ptr<LocalDelivery> delivery;
        {
            std::lock_guard<std::mutex> lock(m_localLock);
            if (closing)
                m_closed = true;
            if (m_localQueue.empty())
                return;
            delivery = m_localQueue.front();
            m_localQueue.pop_front();
        }
        const int result = closing ? 0
                                   : m_handler(m_name.c_str(), delivery->tag, delivery->data.Data(),
                                               delivery->data.Size());
        {
            std::lock_guard<std::mutex> lock(m_localLock);
            delivery->result = result;
            delivery->done = true;
        }
        m_localDone.notify_all();
    }
}

int KavoIPCWindow::AddOwnSockets(std::vector<pollfd> &fds) const
{
    if (m_listenFd >= 0 && m_incoming.size() < kMaxIncoming)
        fds.push_back({m_listenFd, POLLIN, 0});
    if (m_incoming.empty())
        return -1;
    Clock::time_point nearest = Clock::time_point::max();
    for (const auto &incoming : m_incoming) {
        fds.push_back({incoming->fd, POLLIN, 0});
        nearest = std::min(nearest, incoming->deadline);
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(nearest - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, kDeliveryTimeoutMs));
}

void KavoIPCWindow::Accept()
{
    while (m_listenFd >= 0 && m_incoming.size() < kMaxIncoming) {
        const int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        if (!PeerIsUs(fd)) {
            Answer(fd, 0);
            close(fd);
            continue;
        }
        std::unique_ptr<Incoming> incoming;
        try {
            incoming = std::make_unique<Incoming>(fd);
        } catch (...) {
            close(fd);
            throw;
        }
        m_incoming.push_back(std::move(incoming));
    }
}

int KavoIPCWindow::ServeReady()
{
    Accept();
    // Whole requests leave the table before their callbacks run: a callback
    // that sends serves this window again, nested.
    std::vector<std::unique_ptr<Incoming>> whole;
    whole.reserve(m_incoming.size());
    const auto now = Clock::now();
    for (auto it = m_incoming.begin(); it != m_incoming.end();) {
        const Incoming::Step step = (*it)->Advance();
        if (step == Incoming::Step::More && now < (*it)->deadline) {
            ++it;
            continue;
        }
        // An expired request is dropped unanswered, as a stalled read was.
        if (step == Incoming::Step::Ready)
            whole.push_back(std::move(*it));
        it = m_incoming.erase(it);
    }
    for (const auto &request : whole) {
        char sender[kWindowNameSize];
        std::memcpy(sender, request->header + 12, kWindowNameSize);
        if (!std::memchr(sender, 0, kWindowNameSize))
            sender[0] = '\0';
        Answer(request->fd, m_handler(sender, GetLe32(request->header + 4), request->data.Data(), request->size));
    }
    return static_cast<int>(whole.size());
}

void KavoIPCWindow::ServeConnection(int fd)
{
    if (!PeerIsUs(fd)) {
        Answer(fd, 0);
        close(fd);
        return;
    }
    Incoming request(fd);
    Incoming::Step step;
    while ((step = request.Advance()) == Incoming::Step::More) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(request.deadline - Clock::now()).count();
        pollfd p{fd, POLLIN, 0};
        if (left <= 0 || (poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR))
            return;
    }
    if (step == Incoming::Step::Ready) {
        char sender[kWindowNameSize];
        std::memcpy(sender, request.header + 12, kWindowNameSize);
        if (!std::memchr(sender, 0, kWindowNameSize))
            sender[0] = '\0';
        Answer(fd, m_handler(sender, GetLe32(request.header + 4), request.data.Data(), request.size));
    }
}

bool KavoIPCWindow::IsPeer(const char *name) const
{
    return HasWindowTitle(name) && IsOurSocket(m_directory + '/' + name);
}

int KavoIPCWindow::SendToAll(uint32_t tag, const unsigned char *data, uint32_t size,
                             bool onWindowThread)
{
    std::vector<std::string> names;
    if (DIR *directory = opendir(m_directory.c_str())) {
        try {
            while (const dirent *entry = readdir(directory)) {
                if (HasWindowTitle(entry->d_name))
                    names.emplace_back(entry->d_name);
            }
        } catch (...) {
            // Out of memory: those listed so far still get the message.
        }
        closedir(directory);
    }

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
        m_awaitedBySender = true;
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
                if (!IsOurSocket(m_directory + '/' + name))
                    continue;
                if (name != m_name) {
                    const int fd = BeginDelivery(name, tag, data, size, onWindowThread);
                    if (fd >= 0)
                        pending.push_back(fd);
                } else if (onWindowThread) {
                    callOwn = true;
                } else {
                    local = PostLocal(tag, data, size);
                }
            }
            if (callOwn)
                delivered += m_handler(m_name.c_str(), tag, data, size);
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
        m_awaitedBySender = false;
    return delivered;
}

int KavoIPCWindow::BeginDelivery(const std::string &name, uint32_t tag, const unsigned char *data,
                                 uint32_t size, bool serveOwn)
{
    const std::string path = m_directory + '/' + name;
    sockaddr_un address{};
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
    std::memcpy(header + 12, m_name.c_str(), std::min(m_name.size(), kWindowNameSize - 1));

    size_t sent = 0;
    const size_t total = kRequestHeaderSize + size;
    while (sent < total) {
        iovec parts[2];
        int count = 0;
        if (sent < kRequestHeaderSize)
            parts[count++] = {header + sent, kRequestHeaderSize - sent};
        const size_t dataSent = sent > kRequestHeaderSize ? sent - kRequestHeaderSize : 0;
        if (size > dataSent)
            parts[count++] = {const_cast<unsigned char *>(data) + dataSent, size - dataSent};
        msghdr message{};
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

int KavoIPCWindow::FinishDelivery(int fd, bool serveOwn)
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
bool KavoIPCWindow::WaitReady(int fd, short events, bool serveOwn)
{
    auto deadline = Clock::now() + std::chrono::milliseconds(fd < 0 ? 1 : kDeliveryTimeoutMs);
    std::vector<pollfd> fds;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left < 0)
            return false;
        fds.clear();
        if (fd >= 0)
            fds.push_back({fd, events, 0});
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
        if (serveOwn && ServeReady() > 0 && fd >= 0)
            deadline = Clock::now() + std::chrono::milliseconds(kDeliveryTimeoutMs);
        if (ready == 0 && Clock::now() >= deadline)
            return fd < 0;
    }
}

// A refused connection: if the owner's lock is free, the owner is dead and
// whoever wins the lock removes the socket and the lock file.
void KavoIPCWindow::RemoveIfStale(const std::string &path)
{
    const std::string lockPath = path + kLockSuffix;
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
