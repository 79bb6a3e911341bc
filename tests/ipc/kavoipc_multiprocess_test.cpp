#include "ipc/kavoipc.h"

#include "ipc/refcountedptr.h"
#include "tests/ipc/kavoipc_peerprocess.h"
#include "tests/ipc/kavoipc_testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class KavoIPCProcessTest : public FreshRuntimeDirTest
{
protected:
    std::unique_ptr<PeerProcess> StartPeer(
        int endpoints, const std::string &prefix, const std::string &mode = {})
    {
        auto peer = std::make_unique<PeerProcess>();
        std::vector<std::string> arguments = { std::to_string(endpoints), prefix };
        if (!mode.empty())
            arguments.push_back(mode);
        EXPECT_TRUE(peer->Start(KAVOIPC_PEER_PATH, arguments));
        const auto words = SplitWords(peer->FirstLine());
        EXPECT_EQ(words.size(), static_cast<size_t>(endpoints) + 1) << peer->FirstLine();
        return peer;
    }
};

} // namespace

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
    EXPECT_EQ(SplitWords(live->Command("count")), std::vector<std::string>({ "count", "1" }));

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
        int answers[2] = { -5, -5 };
        const std::string sockets[2] = { WindowDirectory() + '/' + SplitWords(first->FirstLine())[1],
            WindowDirectory() + '/' + SplitWords(second->FirstLine())[1] };
        std::thread a([&] { answers[0] = SendRawRequest(sockets[0], go); });
        std::thread b([&] { answers[1] = SendRawRequest(sockets[1], go); });
        a.join();
        b.join();
        EXPECT_EQ(answers[0], 1);
        EXPECT_EQ(answers[1], 1);
    }
    // Every relayed send reached both processes' Ping callbacks.
    for (auto *peer : { first.get(), second.get() }) {
        const auto results = SplitWords(peer->Command("relayed"));
        ASSERT_EQ(results.size(), 6u);
        for (size_t i = 1; i < results.size(); ++i)
            EXPECT_EQ(results[i], "2");
        EXPECT_EQ(SplitWords(peer->Command("count")), std::vector<std::string>({ "count", "10" }));
        peer->Command("quit");
        EXPECT_EQ(peer->Wait(), 0);
    }
}

TEST_F(KavoIPCProcessTest, IdleConnectionsDelayNoNotice)
{
    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    ASSERT_TRUE(CreateWindowMessageIPC(&ipc));
    kvtl::RefCountedPtr<RecordingCallback> callback(new RecordingCallback);
    ASSERT_TRUE(ipc->RegisterCallback(std::string("Device/"), callback.get(), false));
    const std::string socket = WindowDirectory() + '/' + static_cast<KavoIPC *>(ipc.get())->WindowName();

    // Connections that never send, as any process of the user can open.
    std::vector<int> idle;
    for (int i = 0; i < 5; ++i) {
        const int fd = ConnectTo(socket);
        ASSERT_GE(fd, 0);
        idle.push_back(fd);
    }
    auto peer = StartPeer(1, "Other/");
    const auto start = std::chrono::steady_clock::now();
    const auto reply = SplitWords(peer->Command("send component Device/Create 0102"));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(reply.size(), 3u);
    EXPECT_EQ(reply[2], "1");
    EXPECT_LT(elapsed, std::chrono::seconds(1));
    EXPECT_EQ(callback->Count(), 1u);
    for (int fd : idle)
        close(fd);
    peer->Command("quit");
    EXPECT_EQ(peer->Wait(), 0);
}

// The list of windows a send keeps is renewed by the directory's changes as
// one inotify instance reads them; a forked child gets one of its own, so
// its reads leave the parent's changes to the parent.
TEST_F(KavoIPCProcessTest, AForkedChildsSendsLeaveTheParentsListOfWindowsCurrent)
{
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the thread sanitizer refuses threads in a child forked from a process with threads";
#endif
    kvtl::RefCountedPtr<kvds::IKavoIPC> parent;
    ASSERT_TRUE(CreateWindowMessageIPC(&parent));
    kvtl::RefCountedPtr<RecordingCallback> heard(new RecordingCallback);
    parent->RegisterCallback(std::string("T"), heard.get(), false);
    int delivered = 0;
    ASSERT_TRUE(parent->Send(std::string("S"), std::string("T"), 0, nullptr, &delivered));
    ASSERT_EQ(delivered, 1);

    int toParent[2], toChild[2];
    ASSERT_EQ(pipe(toParent), 0);
    ASSERT_EQ(pipe(toChild), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        kvtl::RefCountedPtr<kvds::IKavoIPC> own;
        if (!CreateWindowMessageIPC(&own))
            _exit(10);
        own->RegisterCallback(std::string("T"), heard.get(), false);
        int childDelivered = 0;
        own->Send(std::string("S"), std::string("T"), 0, nullptr, &childDelivered);
        const char reached = static_cast<char>(childDelivered);
        char go;
        if (write(toParent[1], &reached, 1) != 1 || read(toChild[0], &go, 1) != 1)
            _exit(11);
        _exit(0);
    }
    char reached = 0;
    ASSERT_EQ(read(toParent[0], &reached, 1), 1);
    EXPECT_EQ(reached, 2) << "the child's send";
    ASSERT_TRUE(parent->Send(std::string("S"), std::string("T"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 2) << "the parent's send after the child made its window";
    ASSERT_EQ(write(toChild[1], "x", 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (int fd : { toParent[0], toParent[1], toChild[0], toChild[1] })
        close(fd);
}

// A peer whose delivery cannot even be set up is passed over: the send never
// reads or closes a descriptor it did not open (here 0, a live socket).
TEST_F(KavoIPCProcessTest, APeerThatCannotBeReachedIsSkippedWithoutTouchingOtherDescriptors)
{
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the thread sanitizer refuses threads in a child forked from a process with threads";
#endif
    enum Cause { OutOfDescriptors, PathTooLong };
    for (const Cause cause : { OutOfDescriptors, PathTooLong }) {
        SCOPED_TRACE(cause == OutOfDescriptors ? "out of descriptors" : "path too long");
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizers' own checks open pipes: a process out of
        // descriptors gets false reports from them, not from us.
        if (cause == OutOfDescriptors)
            continue;
#endif
        // The peers live here, so that the child's lack of descriptors is its own.
        kvtl::RefCountedPtr<kvds::IKavoIPC> peer, other;
        ASSERT_TRUE(CreateWindowMessageIPC(&peer));
        ASSERT_TRUE(CreateWindowMessageIPC(&other));
        kvtl::RefCountedPtr<RecordingCallback> heard(new RecordingCallback);
        for (auto *endpoint : { peer.get(), other.get() })
            endpoint->RegisterCallback(std::string("Device/"), heard.get(), false);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int pair[2];
            if (socketpair(AF_UNIX, SOCK_STREAM, 0, pair) != 0 || dup2(pair[0], 0) != 0
                || write(pair[1], "untouched", 9) != 9)
                _exit(10);
            kvtl::RefCountedPtr<kvds::IKavoIPC> sender;
            if (!CreateWindowMessageIPC(&sender))
                _exit(11);
            sender->RegisterCallback(std::string("Device/"), heard.get(), false);
            int expected = 3;
            if (cause == OutOfDescriptors) {
                // One descriptor left: listing the windows and the first
                // peer's socket take it in turn; the second peer finds none.
                const rlimit limit { 64, 64 };
                setrlimit(RLIMIT_NOFILE, &limit);
                int last = -1;
                for (int fd; (fd = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
                    last = fd;
                close(last);
                expected = 2;
            } else {
                const std::string directory = WindowDirectory();
                const std::string shortPath = directory + "/KavoIPCWindowName.short";
                const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
                sockaddr_un address {};
                address.sun_family = AF_UNIX;
                std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", shortPath.c_str());
                if (bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
                    || listen(fd, 4) != 0
                    || rename(shortPath.c_str(),
                           (directory + "/KavoIPCWindowName." + std::string(100, 'x')).c_str())
                        != 0)
                    _exit(12);
            }
            int delivered = -1;
            sender->Send(std::string("me"), std::string("Device/Change"), 0, nullptr, &delivered);
            int unread = -1;
            if (fcntl(0, F_GETFD) < 0 || ioctl(0, FIONREAD, &unread) != 0 || unread != 9)
                _exit(2);
            _exit(delivered == expected ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: wrong count, 2: descriptor 0 read or closed, 1x: set-up";
    }
}
