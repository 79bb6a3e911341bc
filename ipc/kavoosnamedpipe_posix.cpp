#include "ipc/cpipesocket.h"
#include "ipc/kavoosnamedpipe.h"

#include "ipc/kavoospipeerror.h"
#include "ipc/userruntimedirectory.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <linux/sockios.h>

namespace KavoOS {

namespace {

constexpr char PipePrefix[] = "\\\\.\\Pipe\\";
constexpr size_t PipePrefixLength = sizeof PipePrefix - 1;
// What one message costs the socket buffer beyond its bytes, generously.
constexpr size_t MessageOverhead = 2048;
// A Read within BurstGap of the last message polls for up to BurstSpin
// before it blocks.
constexpr std::chrono::microseconds BurstGap { 200 };
constexpr std::chrono::microseconds BurstSpin { 30 };

uint32_t errorFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return kErrorFileNotFound;
    case EACCES:
    case EPERM:
        return kErrorAccessDenied;
    case ENOMEM:
    case ENOBUFS:
        return kErrorNotEnoughMemory;
    case EPIPE:
    case ECONNRESET:
        return kErrorBrokenPipe;
    case ENOTCONN:
        return kErrorPipeNotConnected;
    case EAGAIN:
    case ETIMEDOUT:
        return kErrorSemTimeout;
    case ENAMETOOLONG:
        return kErrorFilenameExcedRange;
    case EMSGSIZE:
        return kErrorInvalidParameter;
    default:
        return kErrorGenFailure;
    }
}

bool fail(uint32_t code)
{
    SetLastError(code);
    return false;
}

bool failErrno()
{
    return fail(errorFromErrno(errno));
}

bool fillAddress(const std::string &path, sockaddr_un &address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool peerIsUs(int fd)
{
    ucred credentials {};
    socklen_t size = sizeof credentials;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && credentials.uid == geteuid();
}

void setWriteTimeout(int fd)
{
    timeval timeout {};
    timeout.tv_sec = CNamedPipe::WriteTimeoutMs / 1000;
    timeout.tv_usec = (CNamedPipe::WriteTimeoutMs % 1000) * 1000;
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

std::string lockPathOf(const std::string &socketPath)
{
    return socketPath + ".lock";
}

// The owner of a socket file holds an exclusive flock on <socket>.lock for
// its life. -1: another live process holds it.
int takeOwnerLock(const std::string &lockPath)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return -1;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            close(fd);
            return -1;
        }
        // Whoever held it before us may have removed the file meanwhile.
        struct stat held
        {
        };
        struct stat named
        {
        };
        if (fstat(fd, &held) == 0 && stat(lockPath.c_str(), &named) == 0 && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino)
            return fd;
        close(fd);
    }
    return -1;
}

bool ownerIsGone(const std::string &lockPath)
{
    const int fd = open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return errno == ENOENT;
    const bool free = flock(fd, LOCK_SH | LOCK_NB) == 0;
    close(fd);
    return free;
}

// A refused connection to a socket whose owner is dead: remove its files.
// False while a live owner holds them.
bool removeIfStale(const std::string &socketPath)
{
    const std::string lockPath = lockPathOf(socketPath);
    const int lockFd = takeOwnerLock(lockPath);
    if (lockFd < 0)
        return false;
    unlink(socketPath.c_str());
    unlink(lockPath.c_str());
    close(lockFd);
    return true;
}

} // namespace

struct CNamedPipe::Native
{
    // The connected socket, the client taken first if need be; -1 with the
    // last error set.
    int Connection(CNamedPipe &pipe);

    std::atomic<CNamedPipe::Access> access { CNamedPipe::Access::Duplex };
    int fd = -1; // the connection
    int listenFd = -1; // server, until its client is taken
    int lockFd = -1; // server: held for the life of the socket file
    std::string path; // server: the socket file to remove
    std::atomic<std::chrono::steady_clock::duration> lastMessage {};
    // The send buffer's size, read once: nobody changes it.
    std::atomic<int> sendBuffer { 0 };
    // At least what the send buffer holds: the last measure plus what went
    // since, generously. The reader only ever takes from it, so while this
    // leaves room for a run, the run fits without asking the socket.
    std::atomic<size_t> queuedAtMost { 0 };
};

CNamedPipe::CNamedPipe()
    : m_native(new Native)
{
}

CNamedPipe::~CNamedPipe()
{
    Close();
}

std::string CPipeSocket::Directory()
{
    return UserRuntimeDirectory("KavoPipe", "KavoPipe");
}

std::string CPipeSocket::Path(const std::string &pipeName)
{
    if (pipeName.size() <= PipePrefixLength
        || strncasecmp(pipeName.c_str(), PipePrefix, PipePrefixLength) != 0) {
        fail(kErrorInvalidName);
        return {};
    }
    const std::string name = pipeName.substr(PipePrefixLength);
    if (name == "." || name == ".." || name.find('/') != std::string::npos
        || name.find('\0') != std::string::npos) {
        fail(kErrorInvalidName);
        return {};
    }
    const std::string directory = Directory();
    if (directory.empty())
        return {};
    std::string path = directory + '/' + name;
    sockaddr_un address;
    if (!fillAddress(path, address)) {
        fail(kErrorFilenameExcedRange);
        return {};
    }
    return path;
}

namespace {

// Under the lock: the socket address of a pipe an unused object may open.
bool addressFor(bool inUse, const std::string &pipeName, std::string &path, sockaddr_un &address)
{
    if (inUse)
        return fail(kErrorInvalidParameter);
    path = CPipeSocket::Path(pipeName);
    return !path.empty() && fillAddress(path, address);
}

} // namespace

bool CNamedPipe::Create(const std::string &pipeName, Access access)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string path;
    sockaddr_un address;
    if (!addressFor(m_native->fd >= 0 || m_native->listenFd >= 0, pipeName, path, address))
        return false;

    const int lockFd = takeOwnerLock(lockPathOf(path));
    if (lockFd < 0)
        return fail(kErrorPipeBusy);
    // We own the name now; a file left there is a dead server's.
    unlink(path.c_str());
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || listen(fd, 4) != 0) {
        const int error = errno;
        if (fd >= 0)
            close(fd);
        unlink(path.c_str());
        unlink(lockPathOf(path).c_str());
        close(lockFd);
        return fail(errorFromErrno(error));
    }
    m_native->listenFd = fd;
    m_native->lockFd = lockFd;
    m_native->path = path;
    m_native->access = access;
    m_shutdown = false;
    return true;
}

bool CNamedPipe::Open(const std::string &pipeName, Access access)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string path;
    sockaddr_un address;
    if (!addressFor(m_native->fd >= 0 || m_native->listenFd >= 0, pipeName, path, address))
        return false;

    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return failErrno();
    // Bounds a connect to a server whose backlog is full.
    setWriteTimeout(fd);
    int result;
    do {
        result = connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        close(fd);
        switch (error) {
        case ECONNREFUSED:
            return fail(removeIfStale(path) ? kErrorFileNotFound : kErrorPipeBusy);
        case EAGAIN:
        case ETIMEDOUT:
            return fail(kErrorPipeBusy);
        default:
            return fail(errorFromErrno(error));
        }
    }
    if (!peerIsUs(fd)) {
        close(fd);
        return fail(kErrorAccessDenied);
    }
    m_native->fd = fd;
    m_native->access = access;
    m_shutdown = false;
    return true;
}

bool CPipeSocket::Adopt(CNamedPipe &pipe, int fd)
{
    std::lock_guard<std::mutex> lock(pipe.m_mutex);
    if (fd < 0 || pipe.m_native->fd >= 0 || pipe.m_native->listenFd >= 0)
        return fail(kErrorInvalidParameter);
    pipe.m_native->fd = fd;
    pipe.m_native->access = CNamedPipe::Access::Duplex;
    pipe.m_shutdown = false;
    return true;
}

bool CNamedPipe::IsOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_native->fd >= 0 || m_native->listenFd >= 0;
}

bool CNamedPipe::acceptLocked()
{
    if (m_native->fd >= 0)
        return true;
    if (m_native->listenFd < 0)
        return fail(kErrorPipeNotConnected);
    const int fd = accept4(m_native->listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        return fail(errno == EAGAIN || errno == EWOULDBLOCK || errno == ECONNABORTED || errno == EINTR
                ? kErrorPipeListening
                : errorFromErrno(errno));
    if (!peerIsUs(fd)) {
        close(fd);
        return fail(kErrorPipeListening);
    }
    m_native->fd = fd;
    // One client per pipe: later ones find it busy (refused, owner alive).
    close(m_native->listenFd);
    m_native->listenFd = -1;
    return true;
}

int CNamedPipe::Native::Connection(CNamedPipe &pipe)
{
    std::lock_guard<std::mutex> lock(pipe.m_mutex);
    if (pipe.m_shutdown) {
        fail(kErrorOperationAborted);
        return -1;
    }
    // Valid until Close, which the owner calls only once no read or write
    // runs; not holding the lock meanwhile lets Shutdown end their waits.
    return pipe.acceptLocked() ? fd : -1;
}

bool CNamedPipe::Read(void *buffer, unsigned n)
{
    int listenFd = -1;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_native->access == Access::Write)
            return fail(kErrorAccessDenied);
        if (m_native->fd < 0)
            listenFd = m_native->listenFd;
    }
    if (listenFd >= 0) {
        // A reader polling for a client that has not come would otherwise
        // wake every 10 ms; Shutdown ends the wait at once. Only this thread
        // takes the client, so the socket stays open meanwhile.
        pollfd client { listenFd, POLLIN, 0 };
        poll(&client, 1, ListenWaitMs);
    }
    const int fd = m_native->Connection(*this);
    if (fd < 0)
        return false;
    if (n == 0)
        return true;
    iovec part { buffer, n };
    msghdr message {};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    // A message close behind the last one is usually part of the same frame
    // and already on its way: waiting for it awake costs less than sleeping
    // and being woken again.
    ssize_t received = -1;
    int error = EAGAIN;
    const auto now = std::chrono::steady_clock::now();
    if (now - std::chrono::steady_clock::time_point(m_native->lastMessage.load()) < BurstGap) {
        const auto until = now + BurstSpin;
        do {
            received = recvmsg(fd, &message, MSG_CMSG_CLOEXEC | MSG_DONTWAIT);
            error = errno;
            if (received >= 0 || (error != EAGAIN && error != EINTR))
                break;
            sched_yield();
        } while (std::chrono::steady_clock::now() < until);
    }
    if (received < 0 && (error == EAGAIN || error == EINTR)) {
        do {
            received = recvmsg(fd, &message, MSG_CMSG_CLOEXEC);
        } while (received < 0 && errno == EINTR);
        error = errno;
    }
    if (received > 0)
        m_native->lastMessage = std::chrono::steady_clock::now().time_since_epoch();
    // The fd stays valid until Close, which waits for this thread's owner.
    if (m_shutdown)
        return fail(kErrorOperationAborted);
    if (received < 0)
        return fail(errorFromErrno(error));
    if (received == 0)
        return fail(kErrorBrokenPipe); // the peer has gone; no empty message is ever sent
    if (message.msg_flags & MSG_TRUNC)
        return fail(kErrorMoreData);
    if (static_cast<size_t>(received) != n)
        return fail(kErrorInvalidData);
    return true;
}

bool CNamedPipe::WriteMessages(const Message *messages, unsigned count, int timeoutMs, unsigned *sent)
{
    unsigned done = 0;
    if (sent)
        *sent = 0;
    if (m_native->access == Access::Read)
        return fail(kErrorAccessDenied);
    const int fd = m_native->Connection(*this);
    if (fd < 0)
        return false;
    // A frame's few messages need no allocation.
    constexpr unsigned Few = 16;
    iovec fewParts[Few];
    mmsghdr fewHeaders[Few] = {};
    std::vector<iovec> manyParts;
    std::vector<mmsghdr> manyHeaders;
    if (count > Few) {
        manyParts.resize(count);
        manyHeaders.resize(count);
    }
    iovec *parts = count > Few ? manyParts.data() : fewParts;
    mmsghdr *headers = count > Few ? manyHeaders.data() : fewHeaders;
    for (unsigned i = 0; i < count; ++i) {
        parts[i] = { const_cast<void *>(messages[i].data), messages[i].size };
        headers[i].msg_hdr.msg_iov = &parts[i];
        headers[i].msg_hdr.msg_iovlen = 1;
    }
    // The whole run shares one timeout: the socket's own would start again
    // with every call.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    // A run that fits the socket buffer is begun only once it fits whole,
    // so a peer that stops reading leaves whole runs behind, never half of
    // one.
    size_t needed = 0;
    for (unsigned i = 0; i < count; ++i)
        needed += messages[i].size + MessageOverhead;
    int bufferSize = m_native->sendBuffer.load();
    if (bufferSize <= 0) {
        socklen_t optionSize = sizeof bufferSize;
        if (getsockopt(fd, SOL_SOCKET, SO_SNDBUF, &bufferSize, &optionSize) != 0)
            bufferSize = 0;
        m_native->sendBuffer = bufferSize;
    }
    const bool fitsBuffer = bufferSize > 0 && needed <= static_cast<size_t>(bufferSize);
    while (done < count) {
        bool room = done != 0 || !fitsBuffer
            || m_native->queuedAtMost.load() + needed <= static_cast<size_t>(bufferSize);
        int queued = 0;
        if (!room && ioctl(fd, SIOCOUTQ, &queued) == 0) {
            queued = std::clamp(queued, 0, bufferSize);
            m_native->queuedAtMost = static_cast<size_t>(queued);
            room = needed <= static_cast<size_t>(bufferSize - queued);
        } else if (!room) {
            room = true;
        }
        const int n = room ? sendmmsg(fd, headers + done, count - done, MSG_NOSIGNAL | MSG_DONTWAIT)
                           : (errno = EAGAIN, -1);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (m_shutdown)
                return fail(kErrorOperationAborted);
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                return failErrno();
            const auto left
                = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return fail(kErrorSemTimeout);
            // The socket reports room long before a whole run fits: then
            // look again now and then rather than spin.
            pollfd writable { fd, static_cast<short>(room ? POLLOUT : 0), 0 };
            poll(&writable, 1, static_cast<int>(std::min<long long>(left.count(), room ? left.count() : 5)));
            if (m_shutdown)
                return fail(kErrorOperationAborted);
            continue;
        }
        size_t went = 0;
        for (int i = 0; i < n; ++i) {
            if (headers[done + i].msg_len != messages[done + i].size)
                return fail(kErrorGenFailure);
            went += messages[done + i].size + MessageOverhead;
        }
        m_native->queuedAtMost += went;
        done += static_cast<unsigned>(n);
        if (sent)
            *sent = done;
    }
    return true;
}

void CNamedPipe::Shutdown()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_shutdown = true;
    if (m_native->fd >= 0)
        shutdown(m_native->fd, SHUT_RDWR);
    if (m_native->listenFd >= 0)
        shutdown(m_native->listenFd, SHUT_RDWR);
}

void CNamedPipe::Close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    closeLocked();
    m_shutdown = false;
}

void CNamedPipe::closeLocked()
{
    if (m_native->fd >= 0)
        close(m_native->fd);
    if (m_native->listenFd >= 0)
        close(m_native->listenFd);
    m_native->fd = m_native->listenFd = -1;
    m_native->sendBuffer = 0;
    m_native->queuedAtMost = 0;
    m_native->access = Access::Duplex;
    if (m_native->lockFd >= 0) {
        // Still holding the lock, so no new server's files are removed.
        unlink(m_native->path.c_str());
        unlink(lockPathOf(m_native->path).c_str());
        close(m_native->lockFd);
        m_native->lockFd = -1;
    }
    m_native->path.clear();
}

bool CNamedPipe::Wait(const std::string &pipeName, int timeoutMs)
{
    const std::string path = CPipeSocket::Path(pipeName);
    if (path.empty())
        return false;
    struct stat first
    {
    };
    if (stat(path.c_str(), &first) != 0)
        return fail(kErrorFileNotFound);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        struct stat now
        {
        };
        if (stat(path.c_str(), &now) != 0)
            return fail(kErrorFileNotFound);
        if (now.st_ino != first.st_ino || now.st_dev != first.st_dev || ownerIsGone(lockPathOf(path)))
            return true;
    }
    return fail(kErrorSemTimeout);
}

} // namespace KavoOS
