// The Windows named pipe behind CNamedPipe: codes straight from the system,
// writes that never wait on the reader, and a blocked read woken without
// closing its handle. Message-mode reads are in the shared transport test.
#include "ipc/kavoosnamedpipe.h"
#include "ipc/kavoospipeerror.h"
#include "ipc/signalpeerready.h"
#include "ipc/textconvert.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

using KavoOS::CNamedPipe;

namespace {

std::string uniquePipe()
{
    static int counter = 0;
    return "\\\\.\\Pipe\\KavoTest-" + std::to_string(GetCurrentProcessId()) + '-' + std::to_string(++counter);
}

// Fails the test instead of hanging it.
template <typename T> bool within(std::future<T> &result, int seconds = 10)
{
    return result.wait_for(std::chrono::seconds(seconds)) == std::future_status::ready;
}

// The code a call that blocks ends with once pipe is shut down (0: it succeeded).
template <typename Call> uint32_t endedByShutdown(CNamedPipe &pipe, Call call)
{
    auto blocked = std::async(std::launch::async, [&] { return call() ? 0u : KavoOS::GetLastError(); });
    EXPECT_EQ(blocked.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    pipe.Shutdown();
    EXPECT_TRUE(within(blocked));
    return blocked.get();
}

// A server that reads and its client that writes, on a pipe of their own.
class NamedPipeWin : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Create(name, CNamedPipe::Access::Read));
        ASSERT_TRUE(client.Open(name, CNamedPipe::Access::Write));
    }
    const std::string name = uniquePipe();
    CNamedPipe server;
    CNamedPipe client;
};

} // namespace

TEST(NamedPipeWinCodes, TheSystemsCodesReachTheCaller)
{
    const std::string name = uniquePipe();
    CNamedPipe pipe;
    EXPECT_FALSE(pipe.Open(name));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorFileNotFound);
    EXPECT_FALSE(CNamedPipe::Wait(name, 100));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorFileNotFound);
    EXPECT_FALSE(pipe.Open("C:\\not-a-pipe"));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidName);

    CNamedPipe server;
    ASSERT_TRUE(server.Create(name));
    EXPECT_FALSE(server.Write("x", 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorPipeListening);
    char byte = 0;
    EXPECT_FALSE(server.Read(&byte, 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorPipeListening);

    CNamedPipe client;
    ASSERT_TRUE(client.Open(name));
    CNamedPipe second;
    EXPECT_FALSE(second.Open(name));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorPipeBusy);
    EXPECT_FALSE(CNamedPipe::Wait(name, 100));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorSemTimeout);

    // A second server is one more instance of the pipe, not a refusal.
    CNamedPipe another;
    ASSERT_TRUE(another.Create(name));
    EXPECT_TRUE(second.Open(name));

    ASSERT_TRUE(client.Write("a", 1));
    ASSERT_TRUE(server.Read(&byte, 1));
    EXPECT_EQ(byte, 'a');
    client.Close();
    EXPECT_FALSE(server.Read(&byte, 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorBrokenPipe);
    // A write finds the pipe being closed (ERROR_NO_DATA), not broken.
    EXPECT_FALSE(server.Write("x", 1));
    EXPECT_EQ(KavoOS::GetLastError(), 232u);
}

// Each end does what it was made for; a client's read end takes a message
// in as many reads as it likes, a server's only whole.
TEST(NamedPipeWinAccess, OneWayEndsAndTheirReadModes)
{
    const std::string name = uniquePipe();
    using Access = CNamedPipe::Access;
    CNamedPipe server;
    ASSERT_TRUE(server.Create(name, Access::Write));
    CNamedPipe wrong;
    EXPECT_FALSE(wrong.Open(name, Access::Write));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorAccessDenied);
    CNamedPipe client;
    ASSERT_TRUE(client.Open(name, Access::Read));
    char buffer[6000];
    EXPECT_FALSE(server.Read(buffer, 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorAccessDenied);
    EXPECT_FALSE(client.Write("x", 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorAccessDenied);

    // The second message comes while the read already holds the first.
    const std::string message(3000, 'm');
    ASSERT_TRUE(server.Write(message.data(), 3000));
    auto later = std::async(std::launch::async, [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return server.Write(message.data(), 3000);
    });
    ASSERT_TRUE(client.Read(buffer, 1));
    ASSERT_TRUE(client.Read(buffer, 5999));
    EXPECT_EQ(std::string(buffer, 5999), std::string(5999, 'm'));
    EXPECT_TRUE(later.get());
}

TEST_F(NamedPipeWin, ShutdownWakesABlockedReadWithoutClosingItsHandle)
{
    char byte = 0;
    ASSERT_TRUE(client.Write("c", 1));
    ASSERT_TRUE(server.Read(&byte, 1)); // the client is taken
    EXPECT_EQ(endedByShutdown(server, [&] { return server.Read(&byte, 1); }), KavoOS::kErrorOperationAborted);
    EXPECT_TRUE(server.IsOpen());
    EXPECT_FALSE(server.Read(&byte, 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorOperationAborted);
    server.Close();
    EXPECT_FALSE(server.IsOpen());
}

TEST_F(NamedPipeWin, RunsGoWholeOrNotAtAllAndNeverWaitOnAStoppedReader)
{
    const std::string part(1000, 'p');
    const CNamedPipe::Message run[3]
        = { { part.data(), part.size() }, { part.data(), part.size() }, { "end", 3 } };

    // Nobody reads: each run goes at once until the budget is spent, then
    // the next fails at once with nothing of it sent.
    const auto start = std::chrono::steady_clock::now();
    int runs = 0;
    unsigned sent = 0;
    while (runs < 1000 && client.WriteMessages(run, 3, 0, &sent))
        ++runs;
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorSemTimeout);
    EXPECT_EQ(sent, 0u);
    EXPECT_GT(runs, 2);
    EXPECT_LT(runs, 1000);
    EXPECT_FALSE(client.WriteMessages(run, 3, 200, &sent));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorSemTimeout);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    // A waiting writer goes on once the reader takes enough; its thread ends
    // before the reader has taken the run, which Windows would cancel had
    // that thread issued the writes.
    auto waiting = std::async(std::launch::async, [&] { return client.WriteMessages(run, 3, 10000, &sent); });
    std::vector<char> buffer(part.size());
    for (int i = 0; i <= runs; ++i) {
        ASSERT_TRUE(server.Read(buffer.data(), 1000)) << i;
        ASSERT_TRUE(server.Read(buffer.data(), 1000)) << i;
        ASSERT_TRUE(server.Read(buffer.data(), 3)) << i;
        ASSERT_EQ(std::string(buffer.data(), 3), "end");
    }
    ASSERT_TRUE(within(waiting));
    EXPECT_TRUE(waiting.get());
    EXPECT_EQ(sent, 3u);
}

TEST_F(NamedPipeWin, ARunLargerThanTheBudgetGoesAsRoomComesWithinOneTimeout)
{
    const std::string part(1000, 'l');
    const std::vector<CNamedPipe::Message> run(3000, { part.data(), part.size() });
    unsigned sent = 0;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client.WriteMessages(run.data(), static_cast<unsigned>(run.size()), 1000, &sent));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorSemTimeout);
    EXPECT_GE(elapsed, std::chrono::milliseconds(900));
    EXPECT_LT(elapsed, std::chrono::seconds(5));
    EXPECT_GT(sent, 0u);
    EXPECT_LT(sent, run.size());
    // What went is read whole, in order; the rest never comes.
    std::vector<char> buffer(part.size());
    for (unsigned i = 0; i < sent; ++i)
        ASSERT_TRUE(server.Read(buffer.data(), 1000)) << i;
}

TEST_F(NamedPipeWin, ShutdownEndsAWriterWaitingForRoom)
{
    const std::string big(CNamedPipe::InFlightBytes / 2, 'b');
    const CNamedPipe::Message message { big.data(), big.size() };
    while (client.WriteMessages(&message, 1, 0)) { }
    EXPECT_EQ(endedByShutdown(client, [&] { return client.WriteMessages(&message, 1, 60000); }),
        KavoOS::kErrorOperationAborted);
}

TEST(ReadySignalWin, SetsTheLaunchersEventAndNeverCreatesIt)
{
    EXPECT_FALSE(kvds::SignalPeerReady());
    const kvtl::WString name = kvtl::Utf8ToWide(kvds::PeerReadyName(GetCurrentProcessId()));
    EXPECT_EQ(name.find(u'/'), kvtl::WString::npos);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, reinterpret_cast<const wchar_t *>(name.c_str()));
    ASSERT_NE(event, nullptr);
    EXPECT_TRUE(kvds::SignalPeerReady());
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    CloseHandle(event);
}
