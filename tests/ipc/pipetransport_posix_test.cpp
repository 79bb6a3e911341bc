// The socket files, folders and semaphores behind the Linux pipes, and what
// Windows pipes do otherwise: a second server is one more instance there, a
// write to a reader that left fails with 232, a wait for a busy pipe is not
// ended by its server leaving, and a reader sees a cut connection only once
// the writer's pipe is closed, not at Shutdown.
#include "ipc/cpipesocket.h"
#include "ipc/cpipetransport.h"
#include "ipc/kavoosnamedpipe.h"
#include "ipc/kavoospipeerror.h"
#include "ipc/signalpeerready.h"
#include "tests/ipc/pipe_testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <semaphore.h>
#include <sys/stat.h>
#include <unistd.h>

using KavoOS::CNamedPipe;
using KavoOS::CPipeSocket;
using kvds::CPipeTransport;
using kvds::ITransportIPC;

namespace {

bool fileExists(const std::string &path)
{
    struct stat info
    {
    };
    return lstat(path.c_str(), &info) == 0;
}

using PipeTransportTest = PipeTest;

} // namespace

TEST_F(PipeTransportTest, ServerConnectsWithoutClientAndWritesFailUntilOneComes)
{
    const std::string base = UniqueBase("lonely");
    CPipeTransport server(base, true, nullptr);
    ASSERT_TRUE(server.Connect());
    EXPECT_TRUE(server.IsConnected());
    EXPECT_TRUE(fileExists(RuntimeDir() + "/KavoPipe/" + base + "_Client2Server"));
    EXPECT_TRUE(fileExists(RuntimeDir() + "/KavoPipe/" + base + "_Server2Client"));
    EXPECT_FALSE(server.Write("x", 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorPipeListening);
    char byte;
    EXPECT_FALSE(server.Read(&byte, 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorPipeListening);

    // A second Connect changes nothing.
    EXPECT_FALSE(server.Connect());
    EXPECT_TRUE(server.IsConnected());

    CPipeTransport client(base, false, nullptr);
    ASSERT_TRUE(client.Connect());
    EXPECT_FALSE(client.Connect());
    EXPECT_TRUE(Carries(server, client, "x"));
    EXPECT_TRUE(Carries(client, server, "yz"));

    // Closing removes the socket files, so a later client finds no server.
    server.Disconnect();
    EXPECT_FALSE(server.IsConnected());
    EXPECT_FALSE(fileExists(RuntimeDir() + "/KavoPipe/" + base + "_Client2Server"));
    EXPECT_FALSE(fileExists(RuntimeDir() + "/KavoPipe/" + base + "_Client2Server.lock"));
}

TEST_F(PipeTransportTest, SecondServerOnTheSameNameFailsWithoutDisturbingTheFirst)
{
    const std::string base = UniqueBase("twice");
    CPipeTransport first(base, true, nullptr);
    ASSERT_TRUE(first.Connect());
    CPipeTransport second(base, true, nullptr);
    EXPECT_FALSE(second.Connect());
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorPipeBusy);
    EXPECT_FALSE(second.IsConnected());

    CPipeTransport client(base, false, nullptr);
    ASSERT_TRUE(client.Connect());
    EXPECT_TRUE(Carries(client, first, "ok"));

    // Once the first has gone the name can be served again.
    first.Disconnect();
    EXPECT_TRUE(second.Connect());
}

TEST_F(PipeTransportTest, StaleSocketOfAKilledServerIsCleanedAndTheNameServedAgain)
{
    const std::string base = UniqueBase("stale");
    ChildProcess peer;
    ASSERT_TRUE(peer.start({ PipePeerProgram(), "serve", base }));
    ASSERT_TRUE(peer.waitForLine("ready"));
    peer.kill(SIGKILL);
    peer.wait();
    const std::string socket = RuntimeDir() + "/KavoPipe/" + base + "_Server2Client";
    ASSERT_TRUE(fileExists(socket));

    CPipeTransport client(base, false, nullptr);
    EXPECT_FALSE(client.Connect());
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorFileNotFound);
    EXPECT_FALSE(fileExists(socket));
    EXPECT_FALSE(fileExists(socket + ".lock"));

    // A new server replaces the other, still stale, pipe of the pair.
    CPipeTransport server(base, true, nullptr);
    ASSERT_TRUE(server.Connect());
    ASSERT_TRUE(client.Connect());
    EXPECT_TRUE(Carries(client, server, "hi"));
}

TEST_F(PipeTransportTest, PipeNamesOutsideTheNamespaceOrTooLongAreRefused)
{
    EXPECT_TRUE(CPipeSocket::Path("\\\\.\\pipe\\lower").size() > 0);
    EXPECT_EQ(CPipeSocket::Path("abc"), "");
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidName);
    EXPECT_EQ(CPipeSocket::Path("\\\\.\\Pipe\\"), "");
    EXPECT_EQ(CPipeSocket::Path("\\\\.\\Pipe\\../escape"), "");
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidName);
    EXPECT_EQ(CPipeSocket::Path("\\\\.\\Pipe\\" + std::string(120, 'n')), "");
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorFilenameExcedRange);

    CPipeTransport server(std::string(120, 'n'), true, nullptr);
    EXPECT_FALSE(server.Connect());
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorFilenameExcedRange);
}

TEST_F(PipeTransportTest, PipeDirectoryOpenToOthersIsRefused)
{
    const std::string directory = CPipeSocket::Directory();
    ASSERT_EQ(directory, RuntimeDir() + "/KavoPipe");
    struct stat info
    {
    };
    ASSERT_EQ(stat(directory.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(chmod(directory.c_str(), 0755), 0);
    EXPECT_EQ(CPipeSocket::Directory(), "");
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorAccessDenied);
    CPipeTransport server(UniqueBase("open"), true, nullptr);
    EXPECT_FALSE(server.Connect());

    ASSERT_EQ(rmdir(directory.c_str()), 0);
    ASSERT_EQ(symlink("/tmp", directory.c_str()), 0);
    EXPECT_EQ(CPipeSocket::Directory(), "");
    unlink(directory.c_str());
}

TEST(SignalPeerReady, PostsAnExistingSemaphoreAndNeverCreatesOne)
{
    const std::string name = kvds::PeerReadyName(static_cast<unsigned long>(getpid()));
    char expected[64];
    std::snprintf(expected, sizeof expected, "/{83AB5D5B-695E-4879-8049-63EB7C0F542A}%x", getpid());
    EXPECT_EQ(name, expected);
    EXPECT_EQ(kvds::PeerReadyName(0xABCDEFul), "/{83AB5D5B-695E-4879-8049-63EB7C0F542A}abcdef");

    sem_unlink(name.c_str());
    EXPECT_FALSE(kvds::SignalPeerReady());
    EXPECT_EQ(sem_open(name.c_str(), 0), SEM_FAILED); // still not there

    sem_t *ready = sem_open(name.c_str(), O_CREAT | O_EXCL, 0600, 0);
    ASSERT_NE(ready, SEM_FAILED);
    EXPECT_TRUE(kvds::SignalPeerReady());
    int value = -1;
    sem_getvalue(ready, &value);
    EXPECT_EQ(value, 1);
    sem_close(ready);
    sem_unlink(name.c_str());
}

TEST_F(PipeTransportTest, ClientConnectPostsItsReadySemaphore)
{
    const std::string base = UniqueBase("ready");
    const std::string name = kvds::PeerReadyName(static_cast<unsigned long>(getpid()));
    sem_unlink(name.c_str());
    sem_t *ready = sem_open(name.c_str(), O_CREAT | O_EXCL, 0600, 0);
    ASSERT_NE(ready, SEM_FAILED);
    CPipeTransport server(base, true, nullptr);
    ASSERT_TRUE(server.Connect());
    int value = -1;
    sem_getvalue(ready, &value);
    EXPECT_EQ(value, 0); // a server does not signal
    CPipeTransport client(base, false, nullptr);
    ASSERT_TRUE(client.Connect());
    sem_getvalue(ready, &value);
    EXPECT_EQ(value, 1);
    sem_close(ready);
    sem_unlink(name.c_str());
}

// Posting never waits for a peer that stopped reading: runs queue behind a
// full socket until the writer gives up and cuts the connection, and what
// the peer finds is whole runs only, then the end.
TEST_F(PipeTransportTest, PostEachNeverWaitsAndLeavesOnlyWholeRuns)
{
    TransportPair pair("post");
    ASSERT_TRUE(pair.ok);
    CPipeTransport &server = pair.server;
    CPipeTransport &client = pair.client;

    constexpr unsigned RunLength = 7;
    const std::string field(300, 'f');
    auto longest = std::chrono::steady_clock::duration::zero();
    unsigned posted = 0;
    const auto start = std::chrono::steady_clock::now();
    for (uint32_t run = 0; std::chrono::steady_clock::now() - start < std::chrono::seconds(4); ++run) {
        std::vector<ITransportIPC::Buffer> buffers = { { &run, 4 } };
        buffers.resize(RunLength, { field.data(), static_cast<unsigned>(field.size()) });
        const auto before = std::chrono::steady_clock::now();
        const bool ok = server.PostEach(buffers.data(), RunLength);
        longest = std::max(longest, std::chrono::steady_clock::now() - before);
        if (!ok && KavoOS::GetLastError() == KavoOS::kErrorBrokenPipe)
            break; // cut by the writer
        posted += ok;
    }
    EXPECT_LT(longest, std::chrono::milliseconds(500));
    ASSERT_TRUE(WaitUntil([&] {
        return !server.PostEach(std::vector<ITransportIPC::Buffer>(1, { "x", 1 }).data(), 1)
            && KavoOS::GetLastError() == KavoOS::kErrorBrokenPipe;
    }));

    // The peer reads everything left to it: run numbers in order, each run whole.
    unsigned messages = 0;
    uint32_t expectedRun = 0;
    std::vector<char> buffer(field.size());
    for (;;) {
        if (messages % RunLength == 0) {
            uint32_t run = 0;
            if (!client.Read(&run, 4))
                break;
            EXPECT_EQ(run, expectedRun++);
        } else {
            ASSERT_TRUE(client.Read(buffer.data(), static_cast<unsigned>(buffer.size())))
                << "a run cut short";
        }
        ++messages;
    }
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorBrokenPipe);
    EXPECT_EQ(messages % RunLength, 0u);
    EXPECT_GT(expectedRun, 0u);
    EXPECT_LE(expectedRun, posted);
}

TEST_F(PipeTransportTest, PeerGoneGivesBrokenPipeBothWays)
{
    const std::string base = UniqueBase("gone");
    CPipeTransport server(base, true, nullptr);
    ASSERT_TRUE(server.Connect());
    {
        CPipeTransport client(base, false, nullptr);
        ASSERT_TRUE(client.Connect());
        ASSERT_TRUE(client.Write("last", 4));
        ASSERT_TRUE(server.Write("x", 1));
    }
    char buffer[4];
    // What was written before the peer left is still read.
    ASSERT_TRUE(server.Read(buffer, 4));
    EXPECT_FALSE(server.Read(buffer, 4));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorBrokenPipe);
    EXPECT_FALSE(server.Write("x", 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorBrokenPipe);
    EXPECT_TRUE(server.IsConnected()); // until Disconnect
}

TEST_F(PipeTransportTest, SecondClientFindsThePipeBusyAndItsWaitIsBounded)
{
    TransportPair pair("busy");
    ASSERT_TRUE(pair.ok);
    CPipeTransport &server = pair.server;
    CPipeTransport &client = pair.client;
    ASSERT_TRUE(server.Write("x", 1)); // takes the client on the server's write pipe

    CNamedPipe intruder;
    EXPECT_FALSE(intruder.Open(server.WritePipeName()));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorPipeBusy);
    EXPECT_FALSE(CNamedPipe::Wait(server.WritePipeName(), 100));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorSemTimeout);

    // When the server goes, the wait ends at once with not found.
    std::thread closer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        server.Disconnect();
    });
    EXPECT_FALSE(CNamedPipe::Wait(client.ReadPipeName(), 10000));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorFileNotFound);
    closer.join();
}
