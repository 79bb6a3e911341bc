// The receiving side of the POSIX window: requests accepted and read side by
// side without blocking, each answered once whole.
#include "ipc/kavoipcwindow_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

using namespace KavoIPCSocket;

KavoIPCWindow::Native::Incoming::~Incoming()
{
    if (fd >= 0)
        close(fd);
}

// The fixed part is read first (its first 12 bytes decide whether the rest
// is wanted), then exactly size bytes: nothing past the request.
KavoIPCWindow::Native::Incoming::Step KavoIPCWindow::Native::Incoming::Advance()
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
                SendAnswer(fd, 0);
                return Step::Done;
            }
        }
        if (headerGot == kRequestHeaderSize && size != 0) {
            data.Resize(size, false);
            if (!data.Data()) {
                SendAnswer(fd, 0);
                return Step::Done;
            }
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

void KavoIPCWindow::Native::Accept()
{
    while (listenFd >= 0 && requests.size() < kMaxIncoming) {
        const int fd = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        if (!PeerIsUs(fd)) {
            SendAnswer(fd, 0);
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
        requests.push_back(std::move(incoming));
    }
}

int KavoIPCWindow::Native::ServeReady()
{
    Accept();
    // Whole requests leave the table before their callbacks run: a callback
    // that sends serves this window again, nested.
    std::vector<std::unique_ptr<Incoming>> whole;
    whole.reserve(requests.size());
    const auto now = Clock::now();
    for (auto it = requests.begin(); it != requests.end();) {
        const Incoming::Step step = (*it)->Advance();
        if (step == Incoming::Step::More && now < (*it)->deadline) {
            ++it;
            continue;
        }
        // An expired request is dropped unanswered, as a stalled read was.
        if (step == Incoming::Step::Ready)
            whole.push_back(std::move(*it));
        it = requests.erase(it);
    }
    for (const auto &request : whole)
        Answer(request->fd, request->header, request->data.Data(), request->size);
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
        Answer(fd, request.header, request.data.Data(), request.size);
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
