#include "ipc/kavoipc.h"

#include "ipc/refcountedptr.h"
#include "tests/ipc/kavoipc_peerprocess.h"
#include "tests/ipc/kavoipc_testsupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <thread>

namespace {

class KavoIPCProcessTest : public FreshRuntimeDirTest
{
protected:
    std::unique_ptr<PeerProcess> StartPeer(int endpoints, const std::string &prefix,
                                           const std::string &mode = {})
    {
        auto peer = std::make_unique<PeerProcess>();
        std::vector<std::string> arguments = {std::to_string(endpoints), prefix};
        if (!mode.empty())
            arguments.push_back(mode);
        EXPECT_TRUE(peer->Start(KAVOIPC_PEER_PATH, arguments));
        const auto words = SplitWords(peer->FirstLine());
        EXPECT_EQ(words.size(), static_cast<size_t>(endpoints) + 1) << peer->FirstLine();
        return peer;
    }
};

} // namespace

TEST_F(KavoIPCProcessTest, ThreeProcessesWithTwoEndpointsEachHearEveryoneAndThemselves)
{
    std::vector<std::unique_ptr<PeerProcess>> peers;
    for (int i = 0; i < 3; ++i)
        peers.push_back(StartPeer(2, "Device/"));

    int totalDelivered = 0;
    for (int i = 0; i < 3; ++i) {
        const auto reply = SplitWords(peers[i]->Command("send component" + std::to_string(i)
                                                         + " Device/Change 0102030405060708090a0b0c"));
        ASSERT_EQ(reply.size(), 3u);
        EXPECT_EQ(reply[1], "1");
        EXPECT_EQ(reply[2], "6") << "sender " << i;
        totalDelivered += std::stoi(reply[2]);
    }
    int totalCalled = 0;
    for (auto &peer : peers) {
        const auto reply = SplitWords(peer->Command("count"));
        ASSERT_EQ(reply.size(), 3u);
        EXPECT_EQ(reply[1], "3");
        EXPECT_EQ(reply[2], "3");
        totalCalled += std::stoi(reply[1]) + std::stoi(reply[2]);
    }
    EXPECT_EQ(totalDelivered, totalCalled);
    for (auto &peer : peers) {
        peer->Command("quit");
        EXPECT_EQ(peer->Wait(), 0);
    }
}

TEST_F(KavoIPCProcessTest, KilledPeerLeavesStaleSocketThatTheNextSendRemoves)
{
    auto peer = StartPeer(1, "Device/");
    const std::string socket = WindowDirectory() + '/' + SplitWords(peer->FirstLine())[1];
    peer->Signal(SIGKILL);
    peer->Wait();
    ASSERT_TRUE(FileExists(socket));
    ASSERT_TRUE(FileExists(socket + ".lock"));

    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    ASSERT_TRUE(CreateWindowMessageIPC(&ipc));
    int delivered = -1;
    EXPECT_TRUE(ipc->Send(std::string("me"), std::string("Device/Remove"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 0);
    EXPECT_FALSE(FileExists(socket));
    EXPECT_FALSE(FileExists(socket + ".lock"));
}

TEST_F(KavoIPCProcessTest, StoppedPeerCostsOneBoundedWaitAndOthersStillHear)
{
    auto stopped = StartPeer(1, "Device/");
    auto live = StartPeer(1, "Device/");
    ASSERT_TRUE(stopped->Stop());

    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    ASSERT_TRUE(CreateWindowMessageIPC(&ipc));
    int delivered = -1;
    EXPECT_TRUE(ipc->Send(std::string("me"), std::string("Device/Create"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(SplitWords(live->Command("count")), std::vector<std::string>({"count", "1"}));

    stopped->Signal(SIGCONT);
    // Once running again it serves its peers as before.
    EXPECT_TRUE(ipc->Send(std::string("me"), std::string("Device/Create"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 2);
    stopped->Command("quit");
    live->Command("quit");
    EXPECT_EQ(stopped->Wait(), 0);
    EXPECT_EQ(live->Wait(), 0);
}

TEST_F(KavoIPCProcessTest, WindowThreadsOfTwoProcessesSendingToEachOtherBothFinish)
{
    auto first = StartPeer(1, "Ping", "relay");
    auto second = StartPeer(1, "Ping", "relay");
    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    ASSERT_TRUE(CreateWindowMessageIPC(&ipc));
    const std::string self = static_cast<KavoIPC *>(ipc.get())->WindowName();

    for (int round = 0; round < 5; ++round) {
        RawRequest go;
        go.senderWindow = self;
        go.data = BuildMessage("test", "Go", "");
        int answers[2] = {-5, -5};
        const std::string sockets[2] = {WindowDirectory() + '/' + SplitWords(first->FirstLine())[1],
                                        WindowDirectory() + '/' + SplitWords(second->FirstLine())[1]};
        std::thread a([&] { answers[0] = SendRawRequest(sockets[0], go); });
        std::thread b([&] { answers[1] = SendRawRequest(sockets[1], go); });
        a.join();
        b.join();
        EXPECT_EQ(answers[0], 1);
        EXPECT_EQ(answers[1], 1);
    }
    // Every relayed send reached both processes' Ping callbacks.
    for (auto *peer : {first.get(), second.get()}) {
        const auto results = SplitWords(peer->Command("relayed"));
        ASSERT_EQ(results.size(), 6u);
        for (size_t i = 1; i < results.size(); ++i)
            EXPECT_EQ(results[i], "2");
        EXPECT_EQ(SplitWords(peer->Command("count")), std::vector<std::string>({"count", "10"}));
        peer->Command("quit");
        EXPECT_EQ(peer->Wait(), 0);
    }
}
