#include "ipc/kavoipcwindow_posix.h"

#include "ipc/userruntimedirectory.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char kWindowClassName[] = "KavoIPCWindowClassName";
constexpr char kWindowTitle[] = "KavoIPCWindowName";
constexpr char kLockSuffix[] = ".lock";

constexpr char kWakeClose = 1;
constexpr char kWakeLocal = 2;

uid_t OwnUid()
{
    static const uid_t uid = geteuid();
    return uid;
}

} // namespace

namespace KavoIPCSocket {

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

bool PeerIsUs(int fd)
{
    ucred cred {};
    socklen_t length = sizeof(cred);
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &length) == 0 && cred.uid == OwnUid();
}

bool IsOurSocket(const std::string &path)
{
    struct stat st
    {
    };
    return lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == OwnUid();
}

bool SameFile(int fd, const std::string &path)
{
    struct stat held
    {
    }, named {};
    return fstat(fd, &held) == 0 && lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino;
}

void SendAnswer(int fd, int32_t count)
{
    unsigned char answer[4];
    PutLe32(answer, static_cast<uint32_t>(count));
    ssize_t n;
    do {
        n = send(fd, answer, sizeof(answer), MSG_NOSIGNAL | MSG_DONTWAIT);
    } while (n < 0 && errno == EINTR);
}

std::string LockPathOf(const std::string &socketPath)
{
    return socketPath + kLockSuffix;
}

} // namespace KavoIPCSocket

using namespace KavoIPCSocket;

KavoIPCWindow::KavoIPCWindow(CopyDataHandler handler)
    : m_handler(std::move(handler))
    , m_native(new Native(*this))
{
}

KavoIPCWindow::~KavoIPCWindow() = default;

bool KavoIPCWindow::Create()
{
    return m_native->Create();
}

void KavoIPCWindow::RunMessageLoop()
{
    m_native->RunMessageLoop();
}

void KavoIPCWindow::PostClose()
{
    m_native->Wake(kWakeClose);
}

bool KavoIPCWindow::IsPeer(const char *name) const
{
    return m_native->IsPeer(name);
}

bool KavoIPCWindow::ProcessOf(const char *name, long *processId) const
{
    return Native::ProcessOfName(name, processId);
}

int KavoIPCWindow::SendToAll(
    uint32_t tag, const unsigned char *data, uint32_t size, bool onWindowThread, bool includeOwn)
{
    return m_native->SendToAll(tag, data, size, onWindowThread, includeOwn);
}

KavoIPCWindow::Native::Native(KavoIPCWindow &window)
    : owner(window)
{
    if (pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        wakeFds[0] = wakeFds[1] = -1;
}

KavoIPCWindow::Native::~Native()
{
    Destroy();
    for (int &fd : wakeFds) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

std::string KavoIPCWindow::Native::WindowDirectory()
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

bool KavoIPCWindow::Native::Create()
{
    if (listenFd >= 0 || wakeFds[0] < 0)
        return false;
    directory = WindowDirectory();
    if (directory.empty())
        return false;

    static std::atomic<unsigned> counter { 0 };
    for (int attempt = 0; attempt < 64; ++attempt) {
        const std::string name
            = std::string(kWindowTitle) + '.' + std::to_string(getpid()) + '.' + std::to_string(++counter);
        const std::string path = directory + '/' + name;
        const std::string lockPath = LockPathOf(path);
        sockaddr_un address {};
        if (!MakeAddress(path, &address))
            return false;

        const int newLock = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (newLock < 0)
            continue;
        if (flock(newLock, LOCK_EX | LOCK_NB) != 0 || !SameFile(newLock, lockPath)) {
            close(newLock);
            continue;
        }
        // A socket left here by a dead process of the same pid.
        unlink(path.c_str());
        const int newListen = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (newListen < 0 || bind(newListen, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
            || listen(newListen, SOMAXCONN) != 0) {
            if (newListen >= 0)
                close(newListen);
            unlink(path.c_str());
            unlink(lockPath.c_str());
            close(newLock);
            return false;
        }
        owner.m_name = name;
        lockFd = newLock;
        listenFd = newListen;
        return true;
    }
    return false;
}

void KavoIPCWindow::Native::Destroy()
{
    requests.clear();
    const std::string path = directory + '/' + owner.m_name;
    if (listenFd >= 0) {
        unlink(path.c_str());
        close(listenFd);
        listenFd = -1;
    }
    if (lockFd >= 0) {
        unlink((LockPathOf(path)).c_str());
        close(lockFd);
        lockFd = -1;
    }
}

void KavoIPCWindow::Native::Wake(char reason)
{
    if (wakeFds[1] < 0)
        return;
    ssize_t n;
    do {
        n = write(wakeFds[1], &reason, 1);
    } while (n < 0 && errno == EINTR);
}

void KavoIPCWindow::Native::RunMessageLoop()
{
    bool closing = false;
    std::vector<pollfd> fds;
    while (listenFd >= 0 && !closing) {
        fds.assign(1, { wakeFds[0], POLLIN, 0 });
        const int timeout = AddOwnSockets(fds);
        const int ready = poll(fds.data(), fds.size(), timeout);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents != 0) {
            // A short read took every wake; after a full one the pipe may
            // hold more, and the next poll says so.
            char reasons[64];
            ssize_t n;
            do {
                n = read(wakeFds[0], reasons, sizeof(reasons));
            } while (n < 0 && errno == EINTR);
            if (n > 0 && std::memchr(reasons, kWakeClose, static_cast<size_t>(n)))
                closing = true;
            ServeLocal(false);
        }
        if (!closing) {
            try {
                ServeReady(fds, 1);
            } catch (...) {
                // Out of memory: the requests not yet read wait for the next pass.
            }
        }
    }
    Destroy();
    ServeLocal(true);
}

std::shared_ptr<KavoIPCWindow::Native::LocalDelivery> KavoIPCWindow::Native::PostLocal(
    uint32_t tag, const unsigned char *data, uint32_t size)
{
    auto delivery = std::make_shared<LocalDelivery>();
    delivery->tag = tag;
    delivery->data.Resize(size, false);
    if (size != 0 && !delivery->data.Data())
        return nullptr;
    if (size != 0)
        std::memcpy(delivery->data.Data(), data, size);
    {
        std::lock_guard<std::mutex> lock(localLock);
        if (closed)
            return nullptr;
        localQueue.push_back(delivery);
    }
    Wake(kWakeLocal);
    return delivery;
}

// Bounded like any delivery; the window works on its own copy of the data,
// so giving up leaves nothing dangling.
int KavoIPCWindow::Native::AwaitLocal(const std::shared_ptr<LocalDelivery> &delivery)
{
    if (!delivery)
        return 0;
    std::unique_lock<std::mutex> lock(localLock);
    localDone.wait_for(
        lock, std::chrono::milliseconds(kDeliveryTimeoutMs), [&delivery] { return delivery->done; });
    return delivery->done ? delivery->result : 0;
}

void KavoIPCWindow::Native::ServeLocal(bool closing)
{
    for (;;) {
        std::shared_ptr<LocalDelivery> delivery;
        {
            std::lock_guard<std::mutex> lock(localLock);
            if (closing)
                closed = true;
            if (localQueue.empty())
                return;
            delivery = localQueue.front();
            localQueue.pop_front();
        }
        const int result = closing ? 0
                                   : owner.m_handler(owner.m_name.c_str(), delivery->tag,
                                       delivery->data.Data(), delivery->data.Size());
        {
            std::lock_guard<std::mutex> lock(localLock);
            delivery->result = result;
            delivery->done = true;
        }
        localDone.notify_all();
    }
}

bool KavoIPCWindow::Native::IsPeer(const char *name) const
{
    // This window lives while it serves: its own name needs no look.
    if (name && !owner.m_name.empty() && owner.m_name == name)
        return true;
    return HasWindowTitle(name) && IsOurSocket(directory + '/' + name);
}

bool KavoIPCWindow::Native::ProcessOfName(const char *windowName, long *processId)
{
    if (!windowName)
        return false;
    // The sender window field of a request is zero-padded, not always ended.
    const void *end = std::memchr(windowName, 0, kWindowNameSize);
    const std::string name(windowName, end ? static_cast<const char *>(end) - windowName : kWindowNameSize);
    const size_t last = name.rfind('.');
    if (last == std::string::npos || last == 0)
        return false;
    const size_t first = name.rfind('.', last - 1);
    if (first == std::string::npos || last - first < 2 || last - first > 10)
        return false;
    long pid = 0;
    for (size_t i = first + 1; i < last; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return false;
        pid = pid * 10 + (name[i] - '0');
    }
    if (pid <= 0)
        return false;
    if (processId)
        *processId = pid;
    return true;
}
