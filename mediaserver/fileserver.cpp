#include "mediaserver/fileserver.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <pthread.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr char Prefix[] = "/media/";
// A request head longer than this is refused: none of ours comes near.
constexpr size_t MaxHead = 8192;
// One client's share of a turn, so that many fast ones take turns.
constexpr off_t TurnBytes = 8 << 20;
constexpr uint64_t WakeTag = 1ULL << 63;
constexpr uint64_t ListenerTag = 1ULL << 62;

bool debugging()
{
    return qEnvironmentVariableIsSet("KAVO_DEBUG");
}

struct Entry
{
    std::string path;
    std::string mimeType;
    std::string features;
};
using Files = std::unordered_map<std::string, Entry>;

struct Listener
{
    QString address;
    int fd = -1;
};

struct Client
{
    int fd = -1;
    std::string in;
    std::string head;
    size_t headSent = 0;
    int file = -1;
    off_t offset = 0;
    off_t remaining = 0;
    bool keepAlive = true;
    bool writing = false;
    bool finished = false; // the peer sends no more
    Clock::time_point active = Clock::now();
};

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Digits only, without overflow; false otherwise.
bool number(const std::string &text, off_t *value)
{
    if (text.empty() || text.size() > 18)
        return false;
    off_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    *value = result;
    return true;
}

enum class Range { None, Satisfiable, Unsatisfiable };

// One "bytes=" range against a file of size bytes. Anything we do not
// take (several ranges, other units, bad syntax) is ignored, as HTTP
// allows: the whole file goes out.
Range parseRange(const std::string &header, off_t size, off_t *first, off_t *last)
{
    const std::string value = trimmed(header);
    if (lower(value.substr(0, 6)) != "bytes=" || value.find(',') != std::string::npos)
        return Range::None;
    const std::string spec = trimmed(value.substr(6));
    const size_t dash = spec.find('-');
    if (dash == std::string::npos)
        return Range::None;
    const std::string from = trimmed(spec.substr(0, dash));
    const std::string to = trimmed(spec.substr(dash + 1));
    off_t a = 0;
    off_t b = 0;
    if (from.empty()) {
        if (!number(to, &b))
            return Range::None;
        if (b == 0 || size == 0)
            return Range::Unsatisfiable;
        *first = size > b ? size - b : 0;
        *last = size - 1;
        return Range::Satisfiable;
    }
    if (!number(from, &a) || (!to.empty() && (!number(to, &b) || b < a)))
        return Range::None;
    if (a >= size)
        return Range::Unsatisfiable;
    *first = a;
    *last = to.empty() ? size - 1 : std::min(b, size - 1);
    return Range::Satisfiable;
}

// The id in "/media/<id>[.<extension>]", or empty. Ids are letters and
// digits, so nothing in a URL can name a path.
std::string idOf(std::string target)
{
    if (target.compare(0, 7, "http://") == 0) {
        const size_t slash = target.find('/', 7);
        target = slash == std::string::npos ? std::string("/") : target.substr(slash);
    }
    target = target.substr(0, target.find('?'));
    const size_t prefix = sizeof(Prefix) - 1;
    if (target.compare(0, prefix, Prefix) != 0)
        return {};
    std::string rest = target.substr(prefix);
    const size_t dot = rest.find('.');
    std::string id = rest.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : rest.substr(dot + 1);
    const auto plain = [](const std::string &text) {
        return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isalnum(c); });
    };
    if (id.empty() || !plain(id) || !plain(extension))
        return {};
    return id;
}

int openListener(const QString &address, quint16 port)
{
    sockaddr_in where {};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    if (inet_pton(AF_INET, address.toLatin1().constData(), &where.sin_addr) != 1)
        return -1;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&where), sizeof where) != 0 || ::listen(fd, 64) != 0) {
        if (debugging())
            std::fprintf(stderr, "kavo-media-server: no file server on %s:%u: %s\n", qPrintable(address),
                port, std::strerror(errno));
        ::close(fd);
        return -1;
    }
    return fd;
}

quint16 portOf(int fd)
{
    sockaddr_in where {};
    socklen_t length = sizeof where;
    if (::getsockname(fd, reinterpret_cast<sockaddr *>(&where), &length) != 0)
        return 0;
    return ntohs(where.sin_port);
}

} // namespace

struct FileServer::Loop
{
    // Shared with the thread, under the mutex.
    std::mutex mutex;
    std::vector<Listener> listeners;
    std::vector<int> retired;
    std::shared_ptr<const Files> files = std::make_shared<Files>();
    bool quit = false;

    int wake = -1;
    std::thread thread;
    quint16 port = 0;

    // The thread's own.
    int epoll = -1;
    std::vector<int> watched;
    std::unordered_map<uint64_t, Client> clients;
    uint64_t nextClient = 1;

    ~Loop()
    {
        if (thread.joinable()) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                quit = true;
            }
            poke();
            thread.join();
        }
        for (const Listener &listener : listeners)
            ::close(listener.fd);
        for (int fd : retired)
            ::close(fd);
        if (wake >= 0)
            ::close(wake);
        if (epoll >= 0)
            ::close(epoll);
    }

    void poke() const
    {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(wake, &one, sizeof one);
    }

    bool begin()
    {
        wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        epoll = ::epoll_create1(EPOLL_CLOEXEC);
        if (wake < 0 || epoll < 0)
            return false;
        epoll_event event {};
        event.events = EPOLLIN;
        event.data.u64 = WakeTag;
        if (::epoll_ctl(epoll, EPOLL_CTL_ADD, wake, &event) != 0)
            return false;
        thread = std::thread([this] { run(); });
        return true;
    }

    void run()
    {
        // A peer gone while we write would otherwise end the process.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        epoll_event events[64];
        for (;;) {
            const int count = ::epoll_wait(epoll, events, 64, 1000);
            if (!sync())
                break;
            for (int i = 0; i < count; ++i) {
                const uint64_t tag = events[i].data.u64;
                if (tag == WakeTag) {
                    uint64_t value = 0;
                    [[maybe_unused]] const ssize_t got = ::read(wake, &value, sizeof value);
                } else if (tag & ListenerTag) {
                    accept(static_cast<int>(tag & ~ListenerTag));
                } else {
                    serve(tag, events[i].events);
                }
            }
            dropIdle();
        }
        for (auto &[id, client] : clients)
            release(client);
        clients.clear();
    }

    // Takes the listeners the owner set; false when told to end.
    bool sync()
    {
        std::vector<int> wanted;
        std::vector<int> closing;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (quit)
                return false;
            for (const Listener &listener : listeners)
                wanted.push_back(listener.fd);
            closing.swap(retired);
        }
        for (int fd : closing) {
            ::epoll_ctl(epoll, EPOLL_CTL_DEL, fd, nullptr);
            ::close(fd);
            watched.erase(std::remove(watched.begin(), watched.end(), fd), watched.end());
        }
        for (int fd : wanted) {
            if (std::find(watched.begin(), watched.end(), fd) != watched.end())
                continue;
            epoll_event event {};
            event.events = EPOLLIN;
            event.data.u64 = ListenerTag | static_cast<uint64_t>(fd);
            if (::epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &event) == 0)
                watched.push_back(fd);
        }
        return true;
    }

    void accept(int listener)
    {
        for (;;) {
            const int fd = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0)
                return;
            if (clients.size() >= static_cast<size_t>(MaxClients)) {
                ::close(fd);
                continue;
            }
            const int on = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            const uint64_t id = nextClient++;
            Client &client = clients[id];
            client.fd = fd;
            epoll_event event {};
            event.events = EPOLLIN;
            event.data.u64 = id;
            if (::epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &event) != 0) {
                ::close(fd);
                clients.erase(id);
            }
        }
    }

    static void release(Client &client)
    {
        if (client.file >= 0)
            ::close(client.file);
        client.file = -1;
        if (client.fd >= 0)
            ::close(client.fd);
        client.fd = -1;
    }

    void drop(uint64_t id)
    {
        const auto found = clients.find(id);
        if (found == clients.end())
            return;
        release(found->second);
        clients.erase(found);
    }

    void dropIdle()
    {
        const auto now = Clock::now();
        for (auto it = clients.begin(); it != clients.end();) {
            if (now - it->second.active > std::chrono::milliseconds(IdleLimitMs)) {
                release(it->second);
                it = clients.erase(it);
            } else {
                ++it;
            }
        }
    }

    void watchFor(uint64_t id, Client &client, uint32_t what)
    {
        epoll_event event {};
        // Hang-ups and errors come anyway; a half-closed peer that still
        // reads gets its answer.
        event.events = what;
        event.data.u64 = id;
        ::epoll_ctl(epoll, EPOLL_CTL_MOD, client.fd, &event);
    }

    void serve(uint64_t id, uint32_t what)
    {
        const auto found = clients.find(id);
        if (found == clients.end())
            return;
        Client &client = found->second;
        if (what & EPOLLERR) {
            drop(id);
            return;
        }
        if (!client.writing) {
            if (!receive(client)) {
                drop(id);
                return;
            }
            if (!answer(client)) {
                drop(id);
                return;
            }
        }
        if (client.writing && !send(client)) {
            drop(id);
            return;
        }
        // Done with one answer: the next request may already be here.
        while (!client.writing && client.keepAlive && client.in.find("\r\n\r\n") != std::string::npos) {
            if (!answer(client) || (client.writing && !send(client))) {
                drop(id);
                return;
            }
        }
        if (!client.writing && (!client.keepAlive || client.finished)) {
            drop(id);
            return;
        }
        watchFor(id, client, client.writing ? EPOLLOUT : EPOLLIN);
    }

    // False when the connection failed or the peer sent more head than we
    // take. A peer that closed its sending side still gets its answers.
    static bool receive(Client &client)
    {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::recv(client.fd, buffer, sizeof buffer, 0);
            if (got > 0) {
                client.in.append(buffer, static_cast<size_t>(got));
                client.active = Clock::now();
                if (client.in.size() > MaxHead * 2)
                    return false;
                continue;
            }
            if (got == 0) {
                client.finished = true;
                return true;
            }
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        }
    }

    static void respond(Client &client, const char *status, const std::string &headers = {})
    {
        client.head = std::string("HTTP/1.1 ") + status + "\r\nContent-Length: 0\r\n" + headers
            + (client.keepAlive ? "" : "Connection: close\r\n") + "\r\n";
        client.headSent = 0;
        client.writing = true;
    }

    // Turns one complete request head into an answer; false to hang up.
    bool answer(Client &client)
    {
        const size_t end = client.in.find("\r\n\r\n");
        if (end == std::string::npos ? client.in.size() > MaxHead : end > MaxHead) {
            client.in.clear();
            client.keepAlive = false;
            respond(client, "431 Request Header Fields Too Large");
            return true;
        }
        if (end == std::string::npos)
            return true;
        const std::string head = client.in.substr(0, end);
        client.in.erase(0, end + 4);
        std::vector<std::string> lines;
        for (size_t at = 0; at <= head.size();) {
            const size_t next = head.find("\r\n", at);
            lines.push_back(head.substr(at, next == std::string::npos ? std::string::npos : next - at));
            if (next == std::string::npos)
                break;
            at = next + 2;
        }
        const std::string &request = lines.front();
        const size_t space = request.find(' ');
        const size_t space2 = request.find(' ', space == std::string::npos ? space : space + 1);
        if (space == std::string::npos || space2 == std::string::npos
            || request.compare(space2 + 1, 7, "HTTP/1.") != 0) {
            client.keepAlive = false;
            respond(client, "400 Bad Request");
            return true;
        }
        const std::string method = request.substr(0, space);
        const std::string target = request.substr(space + 1, space2 - space - 1);
        const bool http10 = request.compare(space2 + 1, 8, "HTTP/1.0") == 0;
        std::string range, connection, transferMode;
        for (size_t i = 1; i < lines.size(); ++i) {
            const size_t colon = lines[i].find(':');
            if (colon == std::string::npos)
                continue;
            const std::string name = lower(trimmed(lines[i].substr(0, colon)));
            const std::string value = trimmed(lines[i].substr(colon + 1));
            if (name == "range")
                range = value;
            else if (name == "connection")
                connection = lower(value);
            else if (name == "transfermode.dlna.org")
                transferMode = value;
        }
        client.keepAlive = http10 ? connection.find("keep-alive") != std::string::npos
                                  : connection.find("close") == std::string::npos;
        if (method != "GET" && method != "HEAD") {
            respond(client, "405 Method Not Allowed", "Allow: GET, HEAD\r\n");
            return true;
        }
        Entry entry;
        {
            std::shared_ptr<const Files> files;
            {
                std::lock_guard<std::mutex> lock(mutex);
                files = this->files;
            }
            const auto found = files->find(idOf(target));
            if (found == files->end()) {
                respond(client, "404 Not Found");
                return true;
            }
            entry = found->second;
        }
        // Not blocking on whatever may have taken the file's place.
        const int file = ::open(entry.path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        struct stat status
        {
        };
        if (file < 0 || ::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
            if (file >= 0)
                ::close(file);
            respond(client, "404 Not Found");
            return true;
        }
        const off_t size = status.st_size;
        off_t first = 0;
        off_t last = size - 1;
        const Range kind = range.empty() ? Range::None : parseRange(range, size, &first, &last);
        if (kind == Range::Unsatisfiable) {
            ::close(file);
            respond(client, "416 Range Not Satisfiable",
                "Content-Range: bytes */" + std::to_string(size) + "\r\n");
            return true;
        }
        if (transferMode != "Streaming" && transferMode != "Interactive" && transferMode != "Background")
            transferMode = "Streaming";
        const off_t length = size == 0 ? 0 : last - first + 1;
        std::string headers = std::string("HTTP/1.1 ")
            + (kind == Range::Satisfiable ? "206 Partial Content" : "200 OK") + "\r\nContent-Type: "
            + entry.mimeType + "\r\nContent-Length: " + std::to_string(length) + "\r\n";
        if (kind == Range::Satisfiable)
            headers += "Content-Range: bytes " + std::to_string(first) + "-" + std::to_string(last) + "/"
                + std::to_string(size) + "\r\n";
        headers += "Accept-Ranges: bytes\r\ncontentFeatures.dlna.org: " + entry.features
            + "\r\ntransferMode.dlna.org: " + transferMode + "\r\n"
            + (client.keepAlive ? "" : "Connection: close\r\n") + "\r\n";
        client.head = std::move(headers);
        client.headSent = 0;
        client.writing = true;
        if (method == "HEAD" || length == 0) {
            ::close(file);
            return true;
        }
        client.file = file;
        client.offset = first;
        client.remaining = length;
        return true;
    }

    // Sends what the socket takes now; false to hang up.
    static bool send(Client &client)
    {
        while (client.headSent < client.head.size()) {
            const ssize_t sent = ::send(client.fd, client.head.data() + client.headSent,
                client.head.size() - client.headSent, MSG_NOSIGNAL | (client.remaining > 0 ? MSG_MORE : 0));
            if (sent < 0)
                return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
            client.headSent += static_cast<size_t>(sent);
            client.active = Clock::now();
        }
        off_t turn = 0;
        while (client.remaining > 0 && turn < TurnBytes) {
            const size_t chunk = static_cast<size_t>(std::min<off_t>(client.remaining, TurnBytes - turn));
            const ssize_t sent = ::sendfile(client.fd, client.file, &client.offset, chunk);
            if (sent < 0)
                return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
            // The file got shorter than announced: the answer cannot be whole.
            if (sent == 0)
                return false;
            client.remaining -= sent;
            turn += sent;
            client.active = Clock::now();
        }
        if (client.remaining > 0)
            return true;
        if (client.file >= 0)
            ::close(client.file);
        client.file = -1;
        client.head.clear();
        client.headSent = 0;
        client.writing = false;
        return true;
    }
};

FileServer::FileServer() = default;

FileServer::~FileServer()
{
    stop();
}

bool FileServer::listen(const QStringList &addresses)
{
    if (!m_loop) {
        auto loop = std::make_unique<Loop>();
        if (!loop->begin())
            return false;
        m_loop = std::move(loop);
    }
    Loop &loop = *m_loop;
    std::vector<Listener> kept;
    std::vector<int> retired;
    {
        std::lock_guard<std::mutex> lock(loop.mutex);
        for (const Listener &listener : loop.listeners) {
            if (addresses.contains(listener.address))
                kept.push_back(listener);
            else
                retired.push_back(listener.fd);
        }
    }
    if (kept.empty())
        loop.port = 0;
    bool all = true;
    for (const QString &address : addresses) {
        const bool open = std::any_of(
            kept.begin(), kept.end(), [&](const Listener &listener) { return listener.address == address; });
        if (open)
            continue;
        const int fd = openListener(address, loop.port);
        if (fd < 0) {
            all = false;
            continue;
        }
        if (loop.port == 0)
            loop.port = portOf(fd);
        kept.push_back({ address, fd });
    }
    {
        std::lock_guard<std::mutex> lock(loop.mutex);
        loop.listeners = kept;
        loop.retired.insert(loop.retired.end(), retired.begin(), retired.end());
    }
    loop.poke();
    return all;
}

void FileServer::stop()
{
    m_loop.reset();
}

QStringList FileServer::addresses() const
{
    QStringList open;
    if (!m_loop)
        return open;
    std::lock_guard<std::mutex> lock(m_loop->mutex);
    for (const Listener &listener : m_loop->listeners)
        open.append(listener.address);
    return open;
}

quint16 FileServer::port() const
{
    return m_loop ? m_loop->port : 0;
}

void FileServer::setFiles(const QList<SharedVideo> &files)
{
    if (!m_loop)
        return;
    auto table = std::make_shared<Files>();
    for (const SharedVideo &video : files) {
        table->emplace(video.id.toStdString(),
            Entry { QFile::encodeName(video.path).toStdString(), video.mimeType.toStdString(),
                contentFeatures(video).toStdString() });
    }
    std::lock_guard<std::mutex> lock(m_loop->mutex);
    m_loop->files = std::move(table);
}

QByteArray FileServer::path(const SharedVideo &video)
{
    const QString suffix = QFileInfo(video.path).suffix().toLower();
    QByteArray path = Prefix + video.id.toLatin1();
    const bool plain = !suffix.isEmpty() && std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
        return c.isLetterOrNumber() && c.unicode() < 128;
    });
    if (plain)
        path += '.' + suffix.toLatin1();
    return path;
}

QByteArray FileServer::contentFeatures(const SharedVideo &video)
{
    // Byte ranges; streaming and background transfers; DLNA 1.5.
    QByteArray features = "DLNA.ORG_OP=01;DLNA.ORG_FLAGS=01500000000000000000000000000000";
    if (!video.dlnaProfile.isEmpty())
        features.prepend("DLNA.ORG_PN=" + video.dlnaProfile.toLatin1() + ';');
    return features;
}
