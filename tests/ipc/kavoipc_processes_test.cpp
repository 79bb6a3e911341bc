// Window messages between real processes, the same on every platform: each
// endpoint of every process hears every notice, its own included, and knows
// which process sent it.
#include "ipc/kavoipc.h"
#include "ipc/refcountedptr.h"
#include "tests/ipc/pipe_testsupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <sstream>

#include <unistd.h>

namespace {

std::vector<std::string> words(const std::string &line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

// A kavoipc_peer; every command gets one line back.
struct Peer
{
    bool Start(const std::string &endpoints, const std::string &prefix)
    {
        std::string ready;
        return process.start({ KAVOIPC_PEER, endpoints, prefix }) && process.readLine(ready)
            && ready.rfind("ready", 0) == 0;
    }
    std::vector<std::string> Command(const std::string &line)
    {
        std::string reply;
        return process.writeLine(line) && process.readLine(reply) ? words(reply) : std::vector<std::string>();
    }
    ChildProcess process;
};

class Asking : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(const std::string &, const std::string &, unsigned, const void *) override
    {
        long process = -1;
        lastSender = delivery && delivery->CurrentSenderProcess(&process) ? process : -1;
    }
    std::atomic<long> lastSender { 0 };
    const kvds::IKavoIPCDelivery *delivery = nullptr;
};

using WindowProcesses = PipeTest;

} // namespace

TEST_F(WindowProcesses, ThreeProcessesWithTwoEndpointsEachHearEveryoneAndThemselves)
{
    Peer peers[3];
    for (Peer &peer : peers)
        ASSERT_TRUE(peer.Start("2", "Device/"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(peers[i].Command(
                      "send component" + std::to_string(i) + " Device/Change 0102030405060708090a0b0c"),
            (std::vector<std::string> { "sent", "1", "6" }))
            << i;
    }
    for (Peer &peer : peers) {
        EXPECT_EQ(peer.Command("count"), (std::vector<std::string> { "count", "3", "3" }));
        ASSERT_TRUE(peer.process.writeLine("quit"));
        EXPECT_EQ(peer.process.wait(), 0);
    }
}

// Two players of one component id tell each other's notices from their own
// by the sending process.
TEST_F(WindowProcesses, EachSideNamesTheOthersProcessAsTheSender)
{
    kvtl::RefCountedPtr<kvds::IKavoIPC> endpoint;
    ASSERT_TRUE(CreateWindowMessageIPC(&endpoint));
    kvtl::RefCountedPtr<Asking> asking(new Asking);
    asking->delivery = static_cast<KavoIPC *>(endpoint.get());
    ASSERT_TRUE(endpoint->RegisterCallback(std::string("Device/"), asking.get(), true));
    Peer peer;
    ASSERT_TRUE(peer.Start("1", "Device/"));

    int delivered = 0;
    ASSERT_TRUE(
        endpoint->Send(std::string("KavoPlayer"), std::string("Device/Change"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 2);
    EXPECT_EQ(asking->lastSender.load(), static_cast<long>(getpid()));
    EXPECT_EQ(peer.Command("senders"), (std::vector<std::string> { "senders", std::to_string(getpid()) }));
    EXPECT_EQ(peer.Command("send KavoPlayer Device/Create"), (std::vector<std::string> { "sent", "1", "2" }));
    EXPECT_EQ(asking->lastSender.load(), static_cast<long>(peer.process.pid()));
    ASSERT_TRUE(peer.process.writeLine("quit"));
    EXPECT_EQ(peer.process.wait(), 0);
}
