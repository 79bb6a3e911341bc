#include "ipc/cpipetransport.h"
#include "ipc/kavoosnamedpipe.h"
#include "ipc/kavoospipeerror.h"
#include "ipc/refcountedptr.h"
#include "ipc/signalpeerready.h"
#include "tests/ipc/pipe_testsupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using KavoOS::CNamedPipe;
using kvds::CPipeTransport;
using kvds::ITransportIPC;

namespace {

class Launcher : public kvtl::RefCountedImpl<kvds::IPipeLauncher>
{
public:
    bool Reserved() override { return false; }
    bool Launch(const char *) override { return true; }
};

class CountingPoll : public kvds::ITransportIPCCallback
{
public:
    bool OnPoll() override
    {
        ++polls;
        return polls < stopAfter;
    }
    std::atomic<int> polls { 0 };
    int stopAfter = 1 << 30;
};

// Blocks in Read, as the endpoint does, and records how it came back.
class BlockingReader : public kvds::ITransportIPCCallback
{
public:
    bool OnPoll() override
    {
        char byte;
        if (m_transport->Read(&byte, 1)) {
            ++reads;
            return true;
        }
        lastError = KavoOS::GetLastError();
        return lastError == KavoOS::kErrorPipeListening;
    }
    std::atomic<int> reads { 0 };
    std::atomic<uint32_t> lastError { 0 };
    ITransportIPC *m_transport = nullptr;
};

using PipeTransportTest = PipeTest;

} // namespace

TEST(PipeTransportFactory, RefusesBadArgumentsAndCreatesNothing)
{
    Launcher launcher;
    launcher.AddRef();
    ITransportIPC *out = reinterpret_cast<ITransportIPC *>(0x1);
    EXPECT_FALSE(kvds::CreatePipeTransport("", true, nullptr, &out));
    EXPECT_EQ(out, reinterpret_cast<ITransportIPC *>(0x1));
    EXPECT_FALSE(kvds::CreatePipeTransport("abc", true, nullptr, nullptr));
    EXPECT_FALSE(kvds::CreatePipeTransport("abc", false, &launcher, &out));
    EXPECT_EQ(out, reinterpret_cast<ITransportIPC *>(0x1));
    EXPECT_EQ(launcher.GetRefCount(), 1);

    kvtl::RefCountedPtr<ITransportIPC> transport;
    ASSERT_TRUE(kvds::CreatePipeTransport("abc", true, &launcher, &transport));
    EXPECT_EQ(transport->GetRefCount(), 1);
    EXPECT_FALSE(transport->IsConnected());
    EXPECT_EQ(launcher.GetRefCount(), 2);
    transport.reset();
    EXPECT_EQ(launcher.GetRefCount(), 1);
}

TEST(PipeTransportNames, ServerAndClientUseOppositePipesOfTheBase)
{
    CPipeTransport server("abc", true, nullptr);
    EXPECT_EQ(server.ReadPipeName(), "\\\\.\\Pipe\\abc_Client2Server");
    EXPECT_EQ(server.WritePipeName(), "\\\\.\\Pipe\\abc_Server2Client");
    EXPECT_EQ(server.ReadPipeName().size(), 9u + 3u + 14u);
    CPipeTransport client("abc", false, nullptr);
    EXPECT_EQ(client.ReadPipeName(), "\\\\.\\Pipe\\abc_Server2Client");
    EXPECT_EQ(client.WritePipeName(), "\\\\.\\Pipe\\abc_Client2Server");
}

TEST_F(PipeTransportTest, ClientWithoutServerFailsAtOnceWithNotFound)
{
    CPipeTransport client(UniqueBase("nobody"), false, nullptr);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client.Connect());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorFileNotFound);
    EXPECT_FALSE(client.IsConnected());
    // Neither the 5000 ms wait for a busy pipe nor any pause to clean up.
    EXPECT_LT(elapsed, std::chrono::milliseconds(100));
}

TEST_F(PipeTransportTest, ZeroLengthWritesAndClosedTransport)
{
    const std::string base = UniqueBase("zero");
    CPipeTransport server(base, true, nullptr);
    EXPECT_FALSE(server.Write(nullptr, 0)); // not connected
    EXPECT_FALSE(server.Write("x", 1));
    char byte;
    EXPECT_FALSE(server.Read(&byte, 1));
    ASSERT_TRUE(server.Connect());
    CPipeTransport client(base, false, nullptr);
    ASSERT_TRUE(client.Connect());
    EXPECT_TRUE(server.Write(nullptr, 0));
    EXPECT_FALSE(server.Write("x", 0));
    EXPECT_FALSE(server.Write(nullptr, 1));
    // Nothing reached the client: the next message is the one written now.
    EXPECT_TRUE(Carries(server, client, "m"));
}

TEST_F(PipeTransportTest, WriteEachSendsEveryBufferAsItsOwnMessageOrNothing)
{
    const std::string base = UniqueBase("each");
    CPipeTransport server(base, true, nullptr);
    const ITransportIPC::Buffer one[] = { { "x", 1 } };
    EXPECT_FALSE(server.WriteEach(one, 1)); // not connected
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidHandle);
    ASSERT_TRUE(server.Connect());
    CPipeTransport client(base, false, nullptr);
    ASSERT_TRUE(client.Connect());

    // A bad buffer anywhere refuses the whole run before anything is sent.
    const ITransportIPC::Buffer dataWithoutBytes[] = { { "a", 1 }, { "b", 0 } };
    EXPECT_FALSE(server.WriteEach(dataWithoutBytes, 2));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidParameter);
    const ITransportIPC::Buffer bytesWithoutData[] = { { "a", 1 }, { nullptr, 2 } };
    EXPECT_FALSE(server.WriteEach(bytesWithoutData, 2));
    const ITransportIPC::Buffer nothing[] = { { nullptr, 0 } };
    EXPECT_TRUE(server.WriteEach(nothing, 1));

    const ITransportIPC::Buffer frame[] = { { "abc", 3 }, { nullptr, 0 }, { "de", 2 }, { "f", 1 } };
    ASSERT_TRUE(server.WriteEach(frame, 4));
    char buffer[3];
    ASSERT_TRUE(client.Read(buffer, 3));
    EXPECT_EQ(std::string(buffer, 3), "abc");
    ASSERT_TRUE(client.Read(buffer, 2));
    EXPECT_EQ(std::string(buffer, 2), "de");
    ASSERT_TRUE(client.Read(buffer, 1));
    EXPECT_EQ(buffer[0], 'f');
}

// More messages than one system call takes and more bytes than the socket
// buffer holds: the run goes out in several calls while the reader drains
// it, in order and whole.
TEST_F(PipeTransportTest, WriteEachLargerThanTheSocketBufferArrivesInOrder)
{
    TransportPair pair("big");
    ASSERT_TRUE(pair.ok);
    CPipeTransport &server = pair.server;
    CPipeTransport &client = pair.client;

    constexpr unsigned Count = 1500; // over the kernel's 1024 messages per call
    constexpr unsigned Size = 400;
    std::vector<std::string> messages;
    std::vector<ITransportIPC::Buffer> buffers;
    for (unsigned i = 0; i < Count; ++i)
        messages.push_back(std::string(Size, char('a' + i % 26)) + std::to_string(i % 10));
    for (const std::string &message : messages)
        buffers.push_back({ message.data(), static_cast<unsigned>(message.size()) });

    std::atomic<unsigned> good { 0 };
    std::thread reader([&] {
        std::string buffer(Size + 1, '\0');
        for (unsigned i = 0; i < Count; ++i) {
            if (!client.Read(buffer.data(), Size + 1) || buffer != messages[i])
                return;
            ++good;
        }
    });
    EXPECT_TRUE(server.WriteEach(buffers.data(), Count));
    reader.join();
    EXPECT_EQ(good.load(), Count);
}

// A peer that stops reading costs one write timeout for the whole run, not
// one per system call.
TEST_F(PipeTransportTest, WriteEachToAPeerThatStopsReadingTimesOutOnce)
{
    TransportPair pair("stall"); // the client never reads
    ASSERT_TRUE(pair.ok);
    CPipeTransport &server = pair.server;

    const std::string message(1000, 'x');
    const std::vector<ITransportIPC::Buffer> buffers(3000, { message.data(), 1000 });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(server.WriteEach(buffers.data(), static_cast<unsigned>(buffers.size())));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorSemTimeout);
    EXPECT_GE(elapsed, std::chrono::milliseconds(CNamedPipe::WriteTimeoutMs));
    EXPECT_LT(elapsed, std::chrono::milliseconds(CNamedPipe::WriteTimeoutMs * 3 / 2));
}

// A read right after a message first polls briefly; a message that comes
// later than that is still waited for, and Disconnect still wakes the read.
TEST_F(PipeTransportTest, ReadSoonAfterAMessageStillWaitsAndStillWakes)
{
    TransportPair pair("burst");
    ASSERT_TRUE(pair.ok);
    CPipeTransport &server = pair.server;
    CPipeTransport &client = pair.client;

    char byte = 0;
    ASSERT_TRUE(server.Write("a", 1));
    ASSERT_TRUE(client.Read(&byte, 1));
    std::thread late([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        server.Write("b", 1);
    });
    ASSERT_TRUE(client.Read(&byte, 1));
    EXPECT_EQ(byte, 'b');
    late.join();

    // The transport's own reader takes a message and at once waits for the
    // next one, which never comes.
    class ReadTwice : public kvds::ITransportIPCCallback
    {
    public:
        bool OnPoll() override
        {
            char first;
            char second;
            if (!transport->Read(&first, 1))
                return false;
            gotFirst = true;
            if (!transport->Read(&second, 1))
                lastError = KavoOS::GetLastError();
            return false;
        }
        ITransportIPC *transport = nullptr;
        std::atomic<bool> gotFirst { false };
        std::atomic<uint32_t> lastError { 0 };
    } twice;
    twice.transport = &client;
    client.SetCallback(&twice);
    ASSERT_TRUE(server.Write("c", 1));
    ASSERT_TRUE(WaitUntil([&] { return twice.gotFirst.load(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(client.Disconnect());
    EXPECT_EQ(twice.lastError.load(), KavoOS::kErrorOperationAborted);
}

TEST_F(PipeTransportTest, ReadOfTheWrongSizeFailsAndConsumesTheMessage)
{
    TransportPair pair("size");
    ASSERT_TRUE(pair.ok);
    CPipeTransport &server = pair.server;
    CPipeTransport &client = pair.client;
    const std::string longer(10000, 'l');
    ASSERT_TRUE(client.Write(longer.data(), static_cast<unsigned>(longer.size())));
    ASSERT_TRUE(client.Write("ab", 2));
    ASSERT_TRUE(client.Write("next", 4));
    char buffer[4];
    EXPECT_FALSE(server.Read(buffer, 4));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorMoreData);
    EXPECT_FALSE(server.Read(buffer, 4));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorInvalidData);
    ASSERT_TRUE(server.Read(buffer, 4));
    EXPECT_EQ(std::string(buffer, 4), "next");
}

TEST_F(PipeTransportTest, ReaderPollsEveryTenMillisecondsAndStopsWhenTold)
{
    const std::string base = UniqueBase("poll");
    CountingPoll poll; // outlives the transport's reader
    poll.stopAfter = 3;
    CPipeTransport server(base, true, nullptr);
    server.SetCallback(&poll);
    ASSERT_TRUE(server.Connect());
    ASSERT_TRUE(WaitUntil([&] { return poll.polls >= 3; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(poll.polls, 3); // OnPoll returned false: the reader ended
    EXPECT_TRUE(server.Disconnect());
}

TEST_F(PipeTransportTest, DisconnectWakesABlockedReaderAndClearsTheCallback)
{
    const std::string base = UniqueBase("wake");
    BlockingReader reader;
    CPipeTransport server(base, true, nullptr);
    reader.m_transport = &server;
    server.SetCallback(&reader);
    ASSERT_TRUE(server.Connect());
    CPipeTransport client(base, false, nullptr);
    ASSERT_TRUE(client.Connect());
    ASSERT_TRUE(client.Write("a", 1));
    ASSERT_TRUE(WaitUntil([&] { return reader.reads == 1; }));
    // The reader now blocks in Read; Disconnect must end it and return.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_TRUE(server.Disconnect());
    EXPECT_EQ(reader.lastError, KavoOS::kErrorOperationAborted);
    EXPECT_FALSE(server.IsConnected());
    // The client sees the server go.
    char byte;
    EXPECT_FALSE(client.Read(&byte, 1));
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorBrokenPipe);

    // Reconnecting works, and the callback was cleared.
    ASSERT_TRUE(server.Connect());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(reader.reads, 1);
    server.Disconnect();
}

TEST_F(PipeTransportTest, DisconnectOfAClosedTransportClearsAndSucceedsWithoutPausing)
{
    CountingPoll poll;
    CPipeTransport transport(UniqueBase("closed"), true, nullptr);
    transport.SetCallback(&poll);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(transport.Disconnect());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    ASSERT_TRUE(transport.Connect());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(poll.polls, 0);
}
