// The Windows named pipe behind CNamedPipe: codes straight from the system,
// message-mode reads, writes that never wait on the reader, and a blocked
// read woken without closing its handle.
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

std::string uniquePipe(const char *label)
{
    static int counter = 0;
    return "\\\\.\\Pipe\\KavoTest-" + std::string(label) + '-' + std::to_string(GetCurrentProcessId()) + '-'
        + std::to_string(++counter);
}

// Fails the test instead of hanging it.
template <typename T> bool within(std::future<T> &result, int seconds = 10)
{
    return result.wait_for(std::chrono::seconds(seconds)) == std::future_status::ready;
}

} // namespace

TEST(NamedPipeWin, TheSystemsCodesReachTheCaller)
{
    const std::string name = uniquePipe("codes");
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

TEST(NamedPipeWin, AReadTakesOneWholeMessageOfItsLength)
{
    const std::string name = uniquePipe("read");
    CNamedPipe server;
    CNamedPipe client;
    ASSERT_TRUE(server.Create(name));
    ASSERT_TRUE(client.Open(name));
    const std::string longer(10000, 'l');
    ASSERT_TRUE(client.Write(longer.data(), static_cast<unsigned>(longer.size())));
    ASSERT_TRUE(client.Write("ab", 2));
    ASSERT_TRUE(client.Write("next", 4));

    char buffer[8] = {};
    EXPECT_FALSE(server.Read(buffer, 4));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorMoreData);
    EXPECT_FALSE(server.Read(buffer, 4));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidData);
    ASSERT_TRUE(server.Read(buffer, 4));
    EXPECT_EQ(std::string(buffer, 4), "next");
}

TEST(NamedPipeWin, ShutdownWakesABlockedReadWithoutClosingItsHandle)
{
    const std::string name = uniquePipe("shutdown");
    CNamedPipe server;
    CNamedPipe client;
    ASSERT_TRUE(server.Create(name));
    ASSERT_TRUE(client.Open(name));
    char byte = 0;
    ASSERT_TRUE(client.Write("c", 1));
    ASSERT_TRUE(server.Read(&byte, 1)); // the client is taken

    auto blocked = std::async(std::launch::async, [&] {
        const bool read = server.Read(&byte, 1);
        return read ? 0u : KavoOS::GetLastError();
    });
    EXPECT_EQ(blocked.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    server.Shutdown();
    ASSERT_TRUE(within(blocked));
    EXPECT_EQ(blocked.get(), KavoOS::kErrorOperationAborted);
    EXPECT_TRUE(server.IsOpen());
    EXPECT_FALSE(server.Write("x", 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorOperationAborted);
    server.Close();
    EXPECT_FALSE(server.IsOpen());
}

TEST(NamedPipeWin, RunsGoWholeOrNotAtAllAndNeverWaitOnAStoppedReader)
{
    const std::string name = uniquePipe("runs");
    CNamedPipe server;
    CNamedPipe client;
    ASSERT_TRUE(server.Create(name));
    ASSERT_TRUE(client.Open(name));
    const std::string part(1000, 'p');
    const CNamedPipe::Message run[3] = {{part.data(), part.size()}, {part.data(), part.size()}, {"end", 3}};

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

TEST(NamedPipeWin, ARunLargerThanTheBudgetGoesAsRoomComesWithinOneTimeout)
{
    const std::string name = uniquePipe("large");
    CNamedPipe server;
    CNamedPipe client;
    ASSERT_TRUE(server.Create(name));
    ASSERT_TRUE(client.Open(name));
    const std::string part(1000, 'l');
    const std::vector<CNamedPipe::Message> run(3000, {part.data(), part.size()});
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

TEST(NamedPipeWin, ShutdownEndsAWriterWaitingForRoom)
{
    const std::string name = uniquePipe("writer");
    CNamedPipe server;
    CNamedPipe client;
    ASSERT_TRUE(server.Create(name));
    ASSERT_TRUE(client.Open(name));
    const std::string big(CNamedPipe::InFlightBytes / 2, 'b');
    const CNamedPipe::Message message{big.data(), big.size()};
    while (client.WriteMessages(&message, 1, 0)) {
    }
    auto waiting = std::async(std::launch::async, [&] {
        const bool written = client.WriteMessages(&message, 1, 60000);
        return written ? 0u : KavoOS::GetLastError();
    });
    EXPECT_EQ(waiting.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    client.Shutdown();
    ASSERT_TRUE(within(waiting));
    EXPECT_EQ(waiting.get(), KavoOS::kErrorOperationAborted);
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
