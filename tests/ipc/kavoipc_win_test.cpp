// Window messages on Win32: hidden windows found by class and title,
// WM_COPYDATA between threads and processes, and a hung peer passed over.
#include "ipc/kavoipc.h"
#include "ipc/refcountedptr.h"
#include "tests/ipc/pipe_testsupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

using kvtl::RefCountedPtr;

namespace {

constexpr uint32_t kTag = 0x4B495043;

class Counter : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(const std::string &, const std::string &, unsigned, const void *) override { ++count; }
    std::atomic<int> count { 0 };
};

HWND windowOf(const RefCountedPtr<kvds::IKavoIPC> &endpoint)
{
    const std::string &name = static_cast<KavoIPC *>(endpoint.get())->WindowName();
    return reinterpret_cast<HWND>(std::strtoull(name.c_str() + name.find('.') + 1, nullptr, 16));
}

bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

int send(const RefCountedPtr<kvds::IKavoIPC> &endpoint, const std::string &topic)
{
    int delivered = -1;
    EXPECT_TRUE(endpoint->Send(std::string("Test"), topic, 3, "abc", &delivered));
    return delivered;
}

class KavoIPCWin : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreateWindowMessageIPC(&endpoint)); }
    RefCountedPtr<kvds::IKavoIPC> endpoint;
    RefCountedPtr<Counter> counter { new Counter };
};

} // namespace

TEST_F(KavoIPCWin, EveryEndpointWindowIsFoundAndCountsItsCallbacks)
{
    RefCountedPtr<kvds::IKavoIPC> &a = endpoint;
    RefCountedPtr<kvds::IKavoIPC> b;
    ASSERT_TRUE(CreateWindowMessageIPC(&b));
    ASSERT_TRUE(a->RegisterCallback(std::string("Note"), counter.get(), true));
    ASSERT_TRUE(b->RegisterCallback(std::string("Note"), counter.get(), true));
    ASSERT_TRUE(b->RegisterCallback(std::string("No"), counter.get(), true));
    EXPECT_EQ(send(a, "Note1"), 3);
    EXPECT_EQ(send(b, "Other"), 0);
    EXPECT_EQ(counter->count.load(), 3);

    // The window is hidden, and goes with its endpoint.
    HWND window = windowOf(b);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    b.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(send(a, "Note2"), 1);
}

// The own window is passed over unless one of its callbacks matches.
TEST_F(KavoIPCWin, TheOwnWindowCountsOnlyWhenOneOfItsCallbacksMatches)
{
    RefCountedPtr<kvds::IKavoIPC> peer;
    ASSERT_TRUE(CreateWindowMessageIPC(&peer));
    ASSERT_TRUE(peer->RegisterCallback(std::string("Note"), counter.get(), true));
    EXPECT_EQ(send(endpoint, "Note1"), 1);
    ASSERT_TRUE(endpoint->RegisterCallback(std::string("Other"), counter.get(), true));
    EXPECT_EQ(send(endpoint, "Note2"), 1);
    ASSERT_TRUE(endpoint->RegisterCallback(std::string("Note"), counter.get(), true));
    EXPECT_EQ(send(endpoint, "Note3"), 2);
    EXPECT_EQ(counter->count.load(), 4);
}

TEST_F(KavoIPCWin, AMalformedDeliveryIsAnsweredZero)
{
    ASSERT_TRUE(endpoint->RegisterCallback(std::string("N"), counter.get(), true));
    HWND window = windowOf(endpoint);
    std::string message(KavoIPC::kFixedSize + 3, '\0');
    message[0] = 'S';
    message[KavoIPC::kTopicOffset] = 'N';
    message[KavoIPC::kLengthOffset] = 3;

    const auto deliver = [&](WPARAM sender, uint32_t tag, uint32_t size) {
        COPYDATASTRUCT copy { tag, size, message.data() };
        return SendMessageW(window, WM_COPYDATA, sender, reinterpret_cast<LPARAM>(&copy));
    };
    const auto self = reinterpret_cast<WPARAM>(window);
    EXPECT_EQ(deliver(self, kTag, static_cast<uint32_t>(message.size())), 1);
    EXPECT_EQ(deliver(0, kTag, static_cast<uint32_t>(message.size())), 0); // not a peer
    EXPECT_EQ(deliver(reinterpret_cast<WPARAM>(GetDesktopWindow()), kTag, 531), 0); // nor this
    EXPECT_EQ(deliver(self, kTag + 1, static_cast<uint32_t>(message.size())), 0); // another tag
    EXPECT_EQ(deliver(self, kTag, 100), 0); // cut short
    message[KavoIPC::kLengthOffset] = 100;
    EXPECT_EQ(deliver(self, kTag, static_cast<uint32_t>(message.size())), 0); // payload past the end
    EXPECT_EQ(counter->count.load(), 1);
}

TEST_F(KavoIPCWin, AHungPeerCostsABoundedWaitAndCountsZero)
{
    // A window of the class and title on a thread that stops serving it.
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<HWND> hung { nullptr };
    std::thread owner([&] {
        hung = CreateWindowExW(0, L"KavoIPCWindowClassName", L"KavoIPCWindowName", WS_OVERLAPPED, 0, 0, 0, 0,
            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        WaitForSingleObject(release, 60000);
        DestroyWindow(hung);
    });
    while (!hung.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(endpoint->RegisterCallback(std::string("N"), counter.get(), true));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(send(endpoint, "N"), 1);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::milliseconds(KavoIPCWindow::kDeliveryTimeoutMs * 3));
    SetEvent(release);
    owner.join();
    CloseHandle(release);
}

TEST_F(KavoIPCWin, NoticesGoBothWaysWithAPeerProcess)
{
    ASSERT_TRUE(endpoint->RegisterCallback(std::string("Note"), counter.get(), true));
    ChildProcess peer;
    ASSERT_TRUE(peer.start({ "kavoipc_peer.exe", "1", "Note" }));
    ASSERT_TRUE(peer.waitForLine("ready", 10000, true));

    EXPECT_EQ(send(endpoint, "Note1"), 2);
    ASSERT_TRUE(peer.writeLine("count"));
    EXPECT_TRUE(peer.waitForLine("count 1"));
    ASSERT_TRUE(peer.writeLine("send Peer Note2 6869"));
    EXPECT_TRUE(peer.waitForLine("sent 1 2"));
    EXPECT_EQ(counter->count.load(), 2);

    ASSERT_TRUE(peer.writeLine("quit"));
    EXPECT_EQ(peer.wait(), 0);
    EXPECT_EQ(send(endpoint, "Note3"), 1);
}

// Both peers' window threads, woken at once, send to each other (and to
// everyone) from inside their deliveries; each gets through.
TEST_F(KavoIPCWin, WindowThreadsOfTwoProcessesSendingToEachOtherBothFinish)
{
    ChildProcess peers[2];
    HWND windows[2] = {};
    for (int i = 0; i < 2; ++i) {
        std::string ready;
        ASSERT_TRUE(peers[i].start({ "kavoipc_peer.exe", "1", "Ping", "relay" }));
        ASSERT_TRUE(peers[i].readLine(ready));
        windows[i] = reinterpret_cast<HWND>(std::strtoull(ready.c_str() + ready.find('.') + 1, nullptr, 16));
        ASSERT_TRUE(IsWindow(windows[i])) << ready;
    }
    std::string go(KavoIPC::kFixedSize, '\0');
    go.replace(0, 4, "test");
    go.replace(KavoIPC::kTopicOffset, 2, "Go");
    const auto deliver = [&](HWND window) {
        COPYDATASTRUCT copy { kTag, static_cast<DWORD>(go.size()), go.data() };
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_COPYDATA, reinterpret_cast<WPARAM>(windowOf(endpoint)),
            reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, 20000, &answer);
        return static_cast<int>(answer);
    };
    for (int round = 0; round < 5; ++round) {
        int answers[2] = { -5, -5 };
        std::thread a([&] { answers[0] = deliver(windows[0]); });
        std::thread b([&] { answers[1] = deliver(windows[1]); });
        a.join();
        b.join();
        EXPECT_EQ(answers[0], 1) << round;
        EXPECT_EQ(answers[1], 1) << round;
    }
    // Every relayed send reached both processes' Ping callbacks.
    for (ChildProcess &peer : peers) {
        std::string line;
        ASSERT_TRUE(peer.writeLine("relayed"));
        EXPECT_TRUE(peer.readLine(line));
        EXPECT_EQ(line, "relayed 2 2 2 2 2");
        ASSERT_TRUE(peer.writeLine("count"));
        EXPECT_TRUE(peer.readLine(line));
        EXPECT_EQ(line, "count 10");
        ASSERT_TRUE(peer.writeLine("quit"));
        EXPECT_EQ(peer.wait(), 0);
    }
}

TEST_F(KavoIPCWin, ALargeNoticeReachesAPeerProcess)
{
    if (underWine())
        GTEST_SKIP() << "Wine: WM_COPYDATA between processes fails from about 2 MB (error 5), and the "
                        "receiver's message loop dies";
    ChildProcess peer;
    ASSERT_TRUE(peer.start({ "kavoipc_peer.exe", "1", "Big" }));
    ASSERT_TRUE(peer.waitForLine("ready", 10000, true));
    const std::string payload(4u << 20, 'b');
    int delivered = -1;
    ASSERT_TRUE(endpoint->Send(std::string("Test"), std::string("Big"), static_cast<unsigned>(payload.size()),
        payload.data(), &delivered));
    EXPECT_EQ(delivered, 1);
    ASSERT_TRUE(peer.writeLine("count"));
    EXPECT_TRUE(peer.waitForLine("count 1"));
    ASSERT_TRUE(peer.writeLine("quit"));
    EXPECT_EQ(peer.wait(), 0);
}
