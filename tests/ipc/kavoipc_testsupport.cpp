#include "tests/ipc/kavoipc_testsupport.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void PutLe32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

int ConnectTo(const std::string &socketPath)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
    if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int SendRawRequest(const std::string &socketPath, const RawRequest &request)
{
    std::string bytes;
    PutLe32(bytes, request.message);
    PutLe32(bytes, request.tag);
    PutLe32(bytes, request.sizeFromData ? static_cast<uint32_t>(request.data.size()) : request.size);
    std::string window = request.senderWindow;
    window.resize(108, '\0');
    bytes += window;
    bytes += request.data;
    if (request.cutAfter < bytes.size())
        bytes.resize(request.cutAfter);

    const int fd = ConnectTo(socketPath);
    if (fd < 0)
        return -2;
    const timeval timeout { 10, 0 };
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += static_cast<size_t>(n);
    }
    shutdown(fd, SHUT_WR);
    unsigned char answer[4];
    size_t got = 0;
    while (got < 4) {
        const ssize_t n = recv(fd, answer + got, 4 - got, 0);
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    close(fd);
    if (got != 4)
        return -1;
    return static_cast<int32_t>(uint32_t(answer[0]) | uint32_t(answer[1]) << 8 | uint32_t(answer[2]) << 16
        | uint32_t(answer[3]) << 24);
}

std::string BuildMessage(const std::string &sender, const std::string &topic, const std::string &payload)
{
    std::string message(528 + payload.size(), '\0');
    message.replace(0, sender.size(), sender);
    message.replace(260, topic.size(), topic);
    const auto n = static_cast<uint32_t>(payload.size());
    for (int i = 0; i < 4; ++i)
        message[520 + i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    message.replace(524, payload.size(), payload);
    return message;
}

std::string WindowDirectory()
{
    return std::string(std::getenv("XDG_RUNTIME_DIR")) + "/KavoIPCWindowClassName";
}

bool FileExists(const std::string &path)
{
    struct stat st
    {
    };
    return lstat(path.c_str(), &st) == 0;
}

void FreshRuntimeDirTest::SetUp()
{
    m_saved = std::getenv("XDG_RUNTIME_DIR");
    std::string pattern = m_saved + "/testXXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
}

void FreshRuntimeDirTest::TearDown()
{
    setenv("XDG_RUNTIME_DIR", m_saved.c_str(), 1);
}
