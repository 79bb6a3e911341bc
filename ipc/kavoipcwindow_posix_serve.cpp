// The receiving side of the POSIX window: requests accepted and read side by
// side without blocking, each answered once whole.
#include "ipc/kavoipcwindow_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

using namespace KavoIPCSocket;

KavoIPCWindow::Native::Incoming::~Incoming()
{
    if (fd >= 0)
        close(fd);
}

// The fixed part and what follows it come in one read; its first 12 bytes
// decide whether the rest is wanted. Bytes past the request are ignored.
KavoIPCWindow::Native::Incoming::Step KavoIPCWindow::Native::Incoming::Advance()
{
    for (;;) {
        const bool inHeader = headerGot < kRequestHeaderSize;
        if (!inHeader && dataGot == size)
            return Step::Ready;
        iovec parts[2];
        size_t count = 0;
        if (inHeader) {
            parts[count++] = { header + headerGot, kRequestHeaderSize - headerGot };
            parts[count++] = { inlineData, sizeof(inlineData) };
        } else if (size <= sizeof(inlineData)) {
            parts[count++] = { inlineData + dataGot, size - dataGot };
        } else {
            parts[count++] = { data.Data() + dataGot, size - dataGot };
        }
        msghdr message {};
        message.msg_iov = parts;
        message.msg_iovlen = count;
        const ssize_t n = recvmsg(fd, &message, MSG_DONTWAIT);
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
        const size_t toHeader = std::min(static_cast<size_t>(n), kRequestHeaderSize - headerGot);
        headerGot += toHeader;
        const size_t early = static_cast<size_t>(n) - toHeader; // data read along
        if (!hadFixed && headerGot >= 12) {
            size = GetLe32(header + 8);
            if (GetLe32(header) != kCopyDataMessage || size > kMaxDataSize) {
                SendAnswer(fd, 0);
                return Step::Done;
            }
        }
        if (headerGot < kRequestHeaderSize)
            continue;
        dataGot = std::min<size_t>(early, size);
        if (size > sizeof(inlineData)) {
            data.Resize(size, false);
            if (!data.Data()) {
                SendAnswer(fd, 0);
                return Step::Done;
            }
            std::memcpy(data.Data(), inlineData, dataGot);
        }
    }
}

int KavoIPCWindow::Native::AddOwnSockets(std::vector<pollfd> &fds) const
{
    if (listenFd >= 0 && requests.size() < kMaxIncoming)
        fds.push_back({ listenFd, POLLIN, 0 });
    if (requests.empty())
        return -1;
    Clock::time_point nearest = Clock::time_point::max();
    for (const auto &incoming : requests) {
        fds.push_back({ incoming->fd, POLLIN, 0 });
        nearest = std::min(nearest, incoming->deadline);
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(nearest - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, kDeliveryTimeoutMs));
}

// One connection per readiness: a burst is taken over the next passes,
// and a lone delivery costs no call that finds nothing.
void KavoIPCWindow::Native::Accept()
{
    if (listenFd < 0 || requests.size() >= kMaxIncoming)
        return;
    int fd;
    do {
        fd = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    } while (fd < 0 && (errno == EINTR || errno == ECONNABORTED));
    if (fd < 0)
        return;
    if (!PeerIsUs(fd)) {
        SendAnswer(fd, 0);
        close(fd);
        return;
    }
    std::unique_ptr<Incoming> incoming;
    try {
        incoming = std::make_unique<Incoming>(fd);
    } catch (...) {
        close(fd);
        throw;
    }
    requests.push_back(std::move(incoming));
}

int KavoIPCWindow::Native::ServeReady(const std::vector<pollfd> &fds, size_t first)
{
    // The sockets as AddOwnSockets put them: the listening one while below
    // the cap, then one per request in the table's order.
    size_t next = first;
    const bool listening = next < fds.size() && fds[next].fd == listenFd && listenFd >= 0;
    const bool acceptReady = listening && fds[next].revents != 0;
    if (listening)
        ++next;
    const size_t polled = std::min(requests.size(), fds.size() - std::min(next, fds.size()));
    // Whole requests leave the table before their callbacks run: a callback
    // that sends serves this window again, nested.
    std::vector<std::unique_ptr<Incoming>> whole;
    if (acceptReady || !requests.empty())
        whole.reserve(requests.size() + 1);
    const auto now = Clock::now();
    size_t kept = 0;
    for (size_t i = 0; i < requests.size(); ++i) {
        std::unique_ptr<Incoming> &incoming = requests[i];
        const bool ready = i >= polled || fds[next + i].revents != 0;
        const Incoming::Step step = ready ? incoming->Advance() : Incoming::Step::More;
        if (step == Incoming::Step::More && now < incoming->deadline) {
            if (kept != i)
                requests[kept] = std::move(incoming);
            ++kept;
            continue;
        }
        // An expired request is dropped unanswered, as a stalled read was.
        if (step == Incoming::Step::Ready)
            whole.push_back(std::move(incoming));
        incoming.reset();
    }
    requests.resize(kept);
    if (acceptReady) {
        const size_t before = requests.size();
        Accept();
        // A new connection's request has usually come with it.
        if (requests.size() > before) {
            const Incoming::Step step = requests.back()->Advance();
            if (step == Incoming::Step::Ready)
                whole.push_back(std::move(requests.back()));
            if (step != Incoming::Step::More)
                requests.pop_back();
        }
    }
    for (const auto &request : whole)
        Answer(request->fd, request->header, request->Data(), request->size);
    return static_cast<int>(whole.size());
}

void KavoIPCWindow::Native::ServeConnection(int fd)
{
    if (!PeerIsUs(fd)) {
        SendAnswer(fd, 0);
        close(fd);
        return;
    }
    Incoming request(fd);
    Incoming::Step step;
    while ((step = request.Advance()) == Incoming::Step::More) {
        const auto left
            = std::chrono::ceil<std::chrono::milliseconds>(request.deadline - Clock::now()).count();
        pollfd p { fd, POLLIN, 0 };
        if (left <= 0 || (poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR))
            return;
    }
    if (step == Incoming::Step::Ready)
        Answer(fd, request.header, request.Data(), request.size);
}

void KavoIPCWindow::Native::Answer(
    int fd, const unsigned char *header, const unsigned char *data, uint32_t size)
{
    char sender[kWindowNameSize];
    std::memcpy(sender, header + 12, kWindowNameSize);
    if (!std::memchr(sender, 0, kWindowNameSize))
        sender[0] = '\0';
    SendAnswer(fd, owner.m_handler(sender, GetLe32(header + 4), data, size));
}
