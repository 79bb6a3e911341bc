// The media server's file server in-process, on a private network
// namespace of the test process's own (loopback only, gone with it):
// raw HTTP requests, the addresses it listens on, and its port.
#include "mediaserver/fileserver.h"
#include "tests/mediaserver/runcommand.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The answer to what is sent, until the server closes or stops answering;
// empty when the connection is refused.
QByteArray exchange(const char *address, quint16 port, const QByteArray &request, bool halfClose = false)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const timeval limit { 2, 0 };
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    sockaddr_in where {};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    inet_pton(AF_INET, address, &where.sin_addr);
    QByteArray answer;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&where), sizeof where) == 0
        && ::send(fd, request.constData(), request.size(), MSG_NOSIGNAL) == request.size()) {
        if (halfClose)
            ::shutdown(fd, SHUT_WR);
        char buffer[65536];
        ssize_t got = 0;
        while ((got = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
            answer.append(buffer, got);
    }
    ::close(fd);
    return answer;
}

class FileServerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (geteuid() != 0 || ::unshare(CLONE_NEWNET) != 0) {
            s_skip = "a network namespace of its own needs root (CI runs as root)";
            return;
        }
        runCommand({ u"ip"_s, u"link"_s, u"set"_s, u"lo"_s, u"up"_s });
    }
    void SetUp() override
    {
        if (s_skip)
            GTEST_SKIP() << s_skip;
        QFile file(m_dir.filePath(u"clip.mp4"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("0123456789") == 10);
        m_video = { u"v0a1"_s, file.fileName(), u"clip"_s, u"video/mp4"_s, u"AVC_MP4_MP_SD_AAC_MULT5"_s, 10 };
    }

    static const char *s_skip;
    QTemporaryDir m_dir;
    SharedVideo m_video;
};

const char *FileServerTest::s_skip = nullptr;

TEST_F(FileServerTest, AnswersRawRequests)
{
    FileServer server;
    ASSERT_TRUE(server.listen({ u"127.0.0.1"_s }));
    server.setFiles({ m_video });
    const QByteArray get = "GET /media/v0a1.mp4 HTTP/1.1\r\n";
    const struct
    {
        QByteArray request;
        bool halfClose;
        QByteArray expected;
    } cases[] = {
        { get + "Range: bytes=2-4\r\nConnection: close\r\n\r\n", false, "Content-Range: bytes 2-4/10\r\n" },
        { get + "Range: bytes=2-4\r\nConnection: close\r\n\r\n", false, "\r\n\r\n234" },
        { "GET http://127.0.0.1/media/v0a1?x HTTP/1.1\r\nConnection: close\r\n\r\n", false,
            "\r\n\r\n0123456789" },
        { "HEAD /media/v0a1.mp4 HTTP/1.0\r\n\r\n", false, "Connection: close\r\n\r\n" },
        { get + "Range: bytes=0-0\r\n\r\n", true, "\r\n\r\n0" },
        { get + "Range: bytes=9-\r\n\r\n" + get + "Range: bytes=0-1\r\n\r\n", true,
            "\r\n\r\n9HTTP/1.1 206 Partial Content" },
        { get + "Range: bytes=3-1\r\n\r\n", true, "200 OK" },
        { "GET /media/v0a1/../../etc/passwd HTTP/1.1\r\n\r\n", true, "404 Not Found" },
        { "GET /media/v0a2.mp4 HTTP/1.1\r\n\r\n", true, "404 Not Found" },
        { "GET /media/v0a1.mp4\r\n\r\n", false, "400 Bad Request" },
        { get + "X: " + QByteArray(9000, 'x') + "\r\n\r\n", false, "431 " },
    };
    for (const auto &c : cases)
        EXPECT_TRUE(exchange("127.0.0.1", server.port(), c.request, c.halfClose).contains(c.expected))
            << c.request.left(80).constData();
    server.setFiles({});
    EXPECT_TRUE(exchange("127.0.0.1", server.port(), "GET /media/v0a1.mp4 HTTP/1.0\r\n\r\n").contains("404"));
}

TEST_F(FileServerTest, ListensOnExactlyItsAddressesOnOnePort)
{
    FileServer server;
    ASSERT_TRUE(server.listen({ u"127.0.0.1"_s, u"127.0.0.2"_s }));
    server.setFiles({ m_video });
    const quint16 port = server.port();
    const QByteArray request = "GET /media/v0a1 HTTP/1.0\r\n\r\n";
    EXPECT_TRUE(exchange("127.0.0.2", port, request).contains("200 OK"));
    EXPECT_TRUE(exchange("127.0.0.3", port, request).isEmpty());
    ASSERT_TRUE(server.listen({ u"127.0.0.2"_s }));
    EXPECT_EQ(server.port(), port);
    EXPECT_EQ(server.addresses(), QStringList { u"127.0.0.2"_s });
    EXPECT_TRUE(exchange("127.0.0.1", port, request).isEmpty());
    EXPECT_TRUE(exchange("127.0.0.2", port, request).contains("200 OK"));
    EXPECT_FALSE(server.listen({ u"203.0.113.5"_s }));
    server.stop();
    EXPECT_EQ(server.port(), 0);
    EXPECT_TRUE(exchange("127.0.0.2", port, request).isEmpty());
}

} // namespace
