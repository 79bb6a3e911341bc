#include "ipc/ckavonamedpipeipc.h"
#include "ipc/cpipeprotocol.h"
#include "ipc/cpipetransport.h"
#include "ipc/kavoospipeerror.h"
#include "ipc/refcountedptr.h"
#include "tests/ipc/pipe_testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <mutex>
#include <thread>
#include <tuple>

using kvds::CKavoNamedPipeIPC;
using kvds::IKavoIPC;
using kvtl::RefCountedPtr;

namespace {

class PipeIpcTest : public PipeTest
{
protected:
    void SetUp() override
    {
        PipeTest::SetUp();
        base = UniqueBase("ipc");
    }

    // A server endpoint and a client endpoint on one channel.
    void ConnectPair()
    {
        ASSERT_TRUE(kvds::CreateNamedPipeIPC(base, true, nullptr, &server));
        ASSERT_TRUE(kvds::CreateNamedPipeIPC(base, false, nullptr, &client));
    }

    std::string base;
    RefCountedPtr<IKavoIPC> server;
    RefCountedPtr<IKavoIPC> client;
};

bool sendText(IKavoIPC *endpoint, const std::string &topic, const std::string &payload = {})
{
    int delivered = -1;
    const bool sent = endpoint->Send("Player", topic, static_cast<unsigned>(payload.size()),
        payload.empty() ? nullptr : payload.data(), &delivered);
    return sent && delivered == 1;
}

} // namespace

TEST(PipeIpcFactory, RefusesBadArguments)
{
    IKavoIPC *out = reinterpret_cast<IKavoIPC *>(0x1);
    EXPECT_FALSE(kvds::CreateNamedPipeIPC("", true, nullptr, &out));
    EXPECT_EQ(out, reinterpret_cast<IKavoIPC *>(0x1));
    EXPECT_FALSE(kvds::CreateNamedPipeIPC("abc", true, nullptr, nullptr));
    EXPECT_FALSE(kvds::CreateNamedPipeIPCOverTransport(nullptr, &out));
    EXPECT_EQ(out, reinterpret_cast<IKavoIPC *>(0x1));
    kvds::CPipeTransport transport("abc", true, nullptr);
    transport.AddRef();
    EXPECT_FALSE(kvds::CreateNamedPipeIPCOverTransport(&transport, nullptr));
    EXPECT_EQ(transport.GetRefCount(), 1);
}

TEST_F(PipeIpcTest, ClientWithoutServerCreatesNothingAndReportsNotFound)
{
    IKavoIPC *out = reinterpret_cast<IKavoIPC *>(0x1);
    EXPECT_FALSE(kvds::CreateNamedPipeIPC(base, false, nullptr, &out));
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorFileNotFound);
}

TEST_F(PipeIpcTest, OverTransportTakesItsReferenceAndConnectsIt)
{
    RefCountedPtr<kvds::ITransportIPC> transport;
    ASSERT_TRUE(kvds::CreatePipeTransport(base, true, nullptr, &transport));
    RefCountedPtr<IKavoIPC> endpoint;
    ASSERT_TRUE(kvds::CreateNamedPipeIPCOverTransport(transport.get(), &endpoint));
    EXPECT_EQ(endpoint->GetRefCount(), 1);
    EXPECT_EQ(transport->GetRefCount(), 3); // ours, the endpoint's and its protocol's
    EXPECT_TRUE(transport->IsConnected());
    // A connected transport cannot be connected again: no second endpoint.
    RefCountedPtr<IKavoIPC> second;
    EXPECT_FALSE(kvds::CreateNamedPipeIPCOverTransport(transport.get(), &second));
    EXPECT_FALSE(second);
    endpoint.reset();
    EXPECT_EQ(transport->GetRefCount(), 1);
    EXPECT_FALSE(transport->IsConnected());
}

TEST_F(PipeIpcTest, RegisterCallbackChecksAndReplacesOrAppends)
{
    ConnectPair();
    RefCountedPtr<PipeRecorder> a(new PipeRecorder);
    RefCountedPtr<PipeRecorder> b(new PipeRecorder);
    EXPECT_FALSE(server->RegisterCallback(std::string(), a.get(), true));
    EXPECT_FALSE(server->RegisterCallback(std::string("K"), nullptr, true));
    EXPECT_EQ(a->GetRefCount(), 1);

    ASSERT_TRUE(server->RegisterCallback(std::string("K"), a.get(), false));
    ASSERT_TRUE(server->RegisterCallback(std::string("K"), b.get(), false));
    EXPECT_EQ(a->GetRefCount(), 1);
    EXPECT_EQ(b->GetRefCount(), 2);
    ASSERT_TRUE(sendText(client.get(), "K1"));
    ASSERT_TRUE(b->WaitFor(1));

    ASSERT_TRUE(server->RegisterCallback(std::string("K"), a.get(), true));
    ASSERT_TRUE(server->RegisterCallback(std::string("K"), a.get(), true));
    ASSERT_TRUE(sendText(client.get(), "K2"));
    ASSERT_TRUE(a->WaitFor(2));
    ASSERT_TRUE(b->WaitFor(2));
    EXPECT_EQ(a->Messages()[1].topic, "2");

    server.reset(); // the table gives its references back
    EXPECT_EQ(a->GetRefCount(), 1);
    EXPECT_EQ(b->GetRefCount(), 1);
}

TEST_F(PipeIpcTest, EveryMatchingPrefixIsServedInKeyOrderWithItsPrefixRemoved)
{
    ConnectPair();
    // The callbacks outlive this body inside the endpoint, so the log they
    // share does too.
    struct Log
    {
        std::mutex lock;
        std::vector<std::string> order;
    };
    struct Ordered : PipeRecorder
    {
        Ordered(std::string label, std::shared_ptr<Log> log)
            : label(std::move(label))
            , log(std::move(log))
        {
        }
        void OnMessage(
            const std::string &sender, const std::string &topic, unsigned length, const void *data) override
        {
            {
                std::lock_guard<std::mutex> guard(log->lock);
                log->order.push_back(label + ":" + topic);
            }
            PipeRecorder::OnMessage(sender, topic, length, data);
        }
        std::string label;
        std::shared_ptr<Log> log;
    };
    const auto log = std::make_shared<Log>();
    RefCountedPtr<Ordered> devx(new Ordered("DevX", log));
    RefCountedPtr<Ordered> dev1(new Ordered("Dev1", log));
    RefCountedPtr<Ordered> dev2(new Ordered("Dev2", log));
    RefCountedPtr<Ordered> other(new Ordered("Other", log));
    ASSERT_TRUE(server->RegisterCallback(std::string("DevX"), devx.get(), false));
    ASSERT_TRUE(server->RegisterCallback(std::string("Dev"), dev1.get(), false));
    ASSERT_TRUE(server->RegisterCallback(std::string("Dev"), dev2.get(), true));
    ASSERT_TRUE(server->RegisterCallback(std::string("Devy"), other.get(), false));

    ASSERT_TRUE(sendText(client.get(), "DevXY", "p"));
    ASSERT_TRUE(sendText(client.get(), "Dev"));
    ASSERT_TRUE(dev2->WaitFor(2));
    {
        std::lock_guard<std::mutex> guard(log->lock);
        EXPECT_EQ(
            log->order, (std::vector<std::string> { "Dev1:XY", "Dev2:XY", "DevX:Y", "Dev1:", "Dev2:" }));
    }
    EXPECT_EQ(other->Count(), 0u);
    const auto messages = dev1->Messages();
    EXPECT_EQ(messages[0].sender, "Player");
    EXPECT_EQ(messages[0].payload, "p");
    EXPECT_FALSE(messages[0].dataNull);
    EXPECT_TRUE(messages[1].dataNull); // length 0 comes with null data
}

TEST_F(PipeIpcTest, SendChecksItsArgumentsAndCountsAWrittenFrame)
{
    ConnectPair();
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    ASSERT_TRUE(server->RegisterCallback(std::string("T"), recorder.get(), false));
    const std::tuple<std::string, std::string, unsigned> refused[] = {
        { std::string(257, 's'), "T", 0 },
        { "s", "", 0 },
        { "s", std::string(257, 'T'), 0 },
        { "", "T", 0 },
        { "s", "T", 3 },
    };
    for (const auto &[sender, topic, length] : refused) {
        int delivered = 7;
        EXPECT_FALSE(client->Send(sender, topic, length, nullptr, &delivered))
            << sender.size() << '/' << topic.size();
        EXPECT_EQ(delivered, 0);
    }
    EXPECT_FALSE(client->Send(std::string("s"), std::string("T"), 0, nullptr, nullptr));

    int delivered = 0;
    ASSERT_TRUE(client->Send(std::string(256, 's'), "T" + std::string(255, 't'), 3, "abc", &delivered));
    EXPECT_EQ(delivered, 1);
    // Nothing of the refused sends reached the wire: the first frame read is this one.
    ASSERT_TRUE(recorder->WaitFor(1));
    EXPECT_EQ(recorder->Messages()[0].sender, std::string(256, 's'));
    EXPECT_EQ(recorder->Messages()[0].payload, "abc");

    // The wide overloads convert and forward.
    ASSERT_TRUE(client->Send(kvtl::WString(u"w\u00E9"), kvtl::WString(u"T\u20AC"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 1);
    ASSERT_TRUE(recorder->WaitFor(2));
    EXPECT_EQ(recorder->Messages()[1].sender, "w\xC3\xA9");
    EXPECT_EQ(recorder->Messages()[1].topic, "\xE2\x82\xAC");
}

TEST_F(PipeIpcTest, ServerWithoutClientCannotSend)
{
    ASSERT_TRUE(kvds::CreateNamedPipeIPC(base, true, nullptr, &server));
    int delivered = 7;
    EXPECT_FALSE(server->Send(std::string("Player"), std::string("T"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 0);
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorPipeListening);
}

TEST_F(PipeIpcTest, PeerGoneGivesEachRegistrationOneNoticeAndNothingMore)
{
    ConnectPair();
    RefCountedPtr<PipeRecorder> first(new PipeRecorder);
    RefCountedPtr<PipeRecorder> second(new PipeRecorder);
    ASSERT_TRUE(server->RegisterCallback(std::string("A"), first.get(), false));
    ASSERT_TRUE(server->RegisterCallback(std::string("B"), first.get(), false));
    ASSERT_TRUE(server->RegisterCallback(std::string("B"), second.get(), true));
    ASSERT_TRUE(sendText(client.get(), "A1"));
    ASSERT_TRUE(first->WaitFor(1));
    client.reset();
    ASSERT_TRUE(first->WaitFor(3));
    ASSERT_TRUE(second->WaitFor(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(first->Count(), 3u); // once for each key it is registered under
    ASSERT_EQ(second->Count(), 1u);
    for (const auto &message : { first->Messages()[1], first->Messages()[2], second->Messages()[0] }) {
        EXPECT_EQ(message.sender, "_KavoPipeIPC_::");
        EXPECT_EQ(message.topic, "IPCPipeError");
        EXPECT_TRUE(message.dataNull);
    }
    // Sends still write, and fail, once the peer is gone.
    int delivered = 7;
    EXPECT_FALSE(server->Send(std::string("Player"), std::string("A"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 0);
}

TEST_F(PipeIpcTest, ReleasingAnEndpointAnnouncesNothingToItself)
{
    ConnectPair();
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    ASSERT_TRUE(server->RegisterCallback(std::string("A"), recorder.get(), false));
    std::this_thread::sleep_for(std::chrono::milliseconds(30)); // the reader is blocked in Read
    server.reset();
    EXPECT_EQ(recorder->Count(), 0u);
    EXPECT_EQ(recorder->GetRefCount(), 1);
}

TEST_F(PipeIpcTest, BadFramesAreSkippedAndTheNextGoodFrameArrives)
{
    ASSERT_TRUE(kvds::CreateNamedPipeIPC(base, true, nullptr, &server));
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    ASSERT_TRUE(server->RegisterCallback(std::string("T"), recorder.get(), false));
    kvds::CPipeTransport raw(base, false, nullptr);
    raw.AddRef(); // on the stack: the protocol's reference must not delete it
    ASSERT_TRUE(raw.Connect());
    const auto u32 = [&](uint32_t value) { return raw.Write(&value, 4); };

    testing::internal::CaptureStdout();
    // A wrong magic; a frame whose fields came in one write; an oversized name.
    ASSERT_TRUE(u32(0x12345678));
    const std::string combined = std::string("Kavo\0\0\0\0\xFF\xFF\xFF\xFF", 12);
    ASSERT_TRUE(raw.Write(combined.data(), 12));
    ASSERT_TRUE(u32(kvds::CPipeProtocol::Magic) && u32(0) && u32(0xFFFFFFFF) && u32(100000));
    // An altered payload.
    ASSERT_TRUE(u32(kvds::CPipeProtocol::Magic) && u32(3) && u32(0xCADBBE3D) && u32(1) && raw.Write("S", 1)
        && u32(1) && raw.Write("T", 1) && raw.Write("abd", 3));
    kvds::CPipeProtocol protocol(&raw);
    protocol.AddRef();
    ASSERT_TRUE(protocol.WriteMessage("S", "Tgood", 3, "abc"));
    ASSERT_TRUE(recorder->WaitFor(1));
    // A later run of bad reads is reported again, once.
    ASSERT_TRUE(u32(0x12345678) && u32(0x12345678));
    ASSERT_TRUE(protocol.WriteMessage("S", "Tgood", 0, nullptr));
    ASSERT_TRUE(recorder->WaitFor(2));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string printed = testing::internal::GetCapturedStdout();
    ASSERT_EQ(recorder->Count(), 2u);
    EXPECT_EQ(recorder->Messages()[0].topic, "good");
    EXPECT_EQ(recorder->Messages()[0].payload, "abc");
    EXPECT_EQ(printed, "\ndwLastError = 13\n\ndwLastError = 13\n");
}

TEST_F(PipeIpcTest, PeerDyingMidFrameGivesOneNotice)
{
    ASSERT_TRUE(kvds::CreateNamedPipeIPC(base, true, nullptr, &server));
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    ASSERT_TRUE(server->RegisterCallback(std::string("T"), recorder.get(), false));
    ChildProcess peer;
    ASSERT_TRUE(peer.start({ PipePeerProgram(), "partial", base }));
    ASSERT_TRUE(peer.waitForLine("partial"));
    peer.wait();
    ASSERT_TRUE(recorder->WaitFor(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(recorder->Count(), 1u);
    EXPECT_EQ(recorder->Messages()[0].topic, "IPCPipeError");
}

TEST_F(PipeIpcTest, MessagesBothWaysWithAPeerProcess)
{
    ASSERT_TRUE(kvds::CreateNamedPipeIPC(base, true, nullptr, &server));
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    ASSERT_TRUE(server->RegisterCallback(std::string("Reply"), recorder.get(), false));
    ChildProcess peer;
    ASSERT_TRUE(peer.start({ PipePeerProgram(), "echo", base }));
    ASSERT_TRUE(peer.waitForLine("ready"));
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(sendText(server.get(), "Echo" + std::to_string(i), std::string(i * 100, 'x')));
    ASSERT_TRUE(recorder->WaitFor(20));
    const auto messages = recorder->Messages();
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(messages[i].sender, "Echo");
        EXPECT_EQ(messages[i].topic, std::to_string(i));
        EXPECT_EQ(messages[i].payload.size(), static_cast<size_t>(i * 100));
    }
    peer.kill(SIGKILL);
    peer.wait();
    ASSERT_TRUE(recorder->WaitFor(21));
    EXPECT_EQ(recorder->Messages()[20].topic, "IPCPipeError");
}
