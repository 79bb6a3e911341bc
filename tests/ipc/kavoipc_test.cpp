#include "ipc/kavoipc.h"
#include "ipc/kavoipcwindow_posix.h"

#include "ipc/refcountedptr.h"
#include "tests/ipc/kavoipc_testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using kvtl::RefCountedPtr;

namespace {

RefCountedPtr<kvds::IKavoIPC> MakeEndpoint()
{
    RefCountedPtr<kvds::IKavoIPC> ipc;
    EXPECT_TRUE(CreateWindowMessageIPC(&ipc));
    return ipc;
}

KavoIPC *Impl(const RefCountedPtr<kvds::IKavoIPC> &ipc)
{
    return static_cast<KavoIPC *>(ipc.get());
}

std::string SocketPath(const RefCountedPtr<kvds::IKavoIPC> &ipc)
{
    return WindowDirectory() + '/' + Impl(ipc)->WindowName();
}

sockaddr_un unixAddress(const std::string &path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    return address;
}

// A socket in the window directory that is not an endpoint.
int Bind(const std::string &path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const sockaddr_un address = unixAddress(path);
    EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)), 0);
    return fd;
}

int Listen(const std::string &path)
{
    const int fd = Bind(path);
    EXPECT_EQ(listen(fd, 8), 0);
    return fd;
}

bool HasPendingConnection(int listenFd)
{
    const int fd = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

// How many callbacks a send from `from` reached; -1 when the send failed.
int Delivered(const RefCountedPtr<kvds::IKavoIPC> &from, const char *topic, const std::string &payload = {})
{
    int delivered = 0;
    const bool sent = from->Send(std::string("S"), std::string(topic), static_cast<unsigned>(payload.size()),
        payload.empty() ? nullptr : payload.data(), &delivered);
    return sent ? delivered : -1;
}

// A two-party rendezvous that gives up after a while, so a broken endpoint
// fails the test instead of hanging it.
class Rendezvous
{
public:
    bool Arrive()
    {
        std::unique_lock<std::mutex> lock(m_lock);
        ++m_arrived;
        m_changed.notify_all();
        return m_changed.wait_for(lock, std::chrono::seconds(20), [this] { return m_arrived >= 2; });
    }

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    int m_arrived = 0;
};

class KavoIPCTest : public FreshRuntimeDirTest
{
};

// Names and a payload length, without the payload.
struct BadSend
{
    std::string sender;
    std::string topic;
    unsigned length;
};

} // namespace

TEST_F(KavoIPCTest, SendWithoutAnyCallbackReturnsTrueAndZero)
{
    auto ipc = MakeEndpoint();
    ASSERT_TRUE(ipc);
    int delivered = -1;
    EXPECT_TRUE(ipc->Send(std::string("Sender"), std::string("Topic"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 0);
}

TEST_F(KavoIPCTest, RegisterRefusesEmptyPrefixAndNullCallback)
{
    auto ipc = MakeEndpoint();
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    EXPECT_FALSE(ipc->RegisterCallback(std::string(), cb.get(), true));
    EXPECT_FALSE(ipc->RegisterCallback(std::string("Device/"), nullptr, true));
    EXPECT_FALSE(ipc->RegisterCallback(kvtl::WString(), cb.get(), true));
    EXPECT_EQ(cb->GetRefCount(), 1);
}

TEST_F(KavoIPCTest, ReplaceAndAppendKeepRegistrationOrderAndReferences)
{
    auto ipc = MakeEndpoint();
    std::vector<std::string> order;
    std::mutex orderLock;
    RefCountedPtr<RecordingCallback> a(new RecordingCallback("A", &order, &orderLock));
    RefCountedPtr<RecordingCallback> b(new RecordingCallback("B", &order, &orderLock));

    EXPECT_TRUE(ipc->RegisterCallback(std::string("T"), a.get(), false));
    EXPECT_TRUE(ipc->RegisterCallback(std::string("T"), b.get(), false));
    EXPECT_EQ(a->GetRefCount(), 1); // dropped by the replacement
    EXPECT_EQ(b->GetRefCount(), 2);
    int delivered = 0;
    ASSERT_TRUE(ipc->Send(std::string("S"), std::string("T"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(order, std::vector<std::string>({ "B" }));

    order.clear();
    EXPECT_TRUE(ipc->RegisterCallback(std::string("U"), a.get(), true));
    EXPECT_TRUE(ipc->RegisterCallback(std::string("U"), b.get(), true));
    EXPECT_TRUE(ipc->RegisterCallback(std::string("U"), a.get(), true));
    ASSERT_TRUE(ipc->Send(std::string("S"), std::string("U"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 3);
    EXPECT_EQ(order, std::vector<std::string>({ "A", "B", "A" }));

    ipc.reset();
    EXPECT_EQ(a->GetRefCount(), 1);
    EXPECT_EQ(b->GetRefCount(), 1);
}

TEST_F(KavoIPCTest, SendValidatesNamesAndPayload)
{
    auto ipc = MakeEndpoint();
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    ipc->RegisterCallback(std::string("T"), cb.get(), true);
    const char payload[3] = { 1, 2, 3 };
    const BadSend refused[] = {
        { std::string(257, 's'), "T", 0 },
        { "S", "", 0 },
        { "", "T", 0 },
        { "S", "T" + std::string(256, 't'), 0 },
        { "S", "T", 3 },
    };
    for (const auto &[sender, topic, length] : refused) {
        int delivered = 7;
        EXPECT_FALSE(ipc->Send(sender, topic, length, nullptr, &delivered))
            << sender.size() << '/' << topic.size();
        EXPECT_EQ(delivered, 0);
    }
    EXPECT_FALSE(ipc->Send(std::string("S"), std::string("T"), 3, payload, nullptr));
    EXPECT_EQ(cb->Count(), 0u);

    const std::string longSender(256, 's');
    const std::string longTopic = "T" + std::string(255, 't');
    int delivered = 0;
    EXPECT_TRUE(ipc->Send(longSender, longTopic, 3, payload, &delivered));
    EXPECT_EQ(delivered, 1);
    ASSERT_EQ(cb->Count(), 1u);
    EXPECT_EQ(cb->Messages()[0].sender, longSender);
    EXPECT_EQ(cb->Messages()[0].topic, longTopic);
    EXPECT_EQ(cb->Messages()[0].payload, std::string(payload, 3));
}

TEST_F(KavoIPCTest, TwoEndpointsReceiveEachOthersMessagesAndTheirOwnOnTheirWindowThreads)
{
    auto a = MakeEndpoint();
    auto b = MakeEndpoint();
    RefCountedPtr<RecordingCallback> ca(new RecordingCallback);
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    a->RegisterCallback(std::string("Device/"), ca.get(), true);
    b->RegisterCallback(std::string("Device/"), cb.get(), true);

    const unsigned char notice[12] = { 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0 };
    int delivered = 0;
    ASSERT_TRUE(a->Send(std::string("component-a"), std::string("Device/Create"), 12, notice, &delivered));
    EXPECT_EQ(delivered, 2);
    ASSERT_TRUE(b->Send(std::string("component-b"), std::string("Device/Change"), 12, notice, &delivered));
    EXPECT_EQ(delivered, 2);

    for (const auto &cbk : { ca, cb }) {
        const auto messages = cbk->Messages();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].sender, "component-a");
        EXPECT_EQ(messages[0].topic, "Device/Create"); // whole topic, prefix included
        EXPECT_EQ(messages[1].sender, "component-b");
        EXPECT_EQ(messages[1].topic, "Device/Change");
        EXPECT_EQ(messages[0].payload, std::string(reinterpret_cast<const char *>(notice), 12));
        EXPECT_NE(messages[0].thread, std::this_thread::get_id());
        EXPECT_EQ(messages[0].thread, messages[1].thread);
    }
    EXPECT_NE(ca->Messages()[0].thread, cb->Messages()[0].thread);
}

TEST_F(KavoIPCTest, EveryMatchingPrefixIsServedInKeyOrder)
{
    auto ipc = MakeEndpoint();
    std::vector<std::string> order;
    std::mutex orderLock;
    RefCountedPtr<RecordingCallback> devX(new RecordingCallback("DevX", &order, &orderLock));
    RefCountedPtr<RecordingCallback> dev(new RecordingCallback("Dev", &order, &orderLock));
    RefCountedPtr<RecordingCallback> other(new RecordingCallback("Other", &order, &orderLock));
    RefCountedPtr<RecordingCallback> longer(new RecordingCallback("DevXYZ", &order, &orderLock));
    ipc->RegisterCallback(std::string("DevX"), devX.get(), true);
    ipc->RegisterCallback(std::string("Dev"), dev.get(), true);
    ipc->RegisterCallback(std::string("Other"), other.get(), true);
    ipc->RegisterCallback(std::string("DevXYZ"), longer.get(), true);
    int delivered = 0;
    ASSERT_TRUE(ipc->Send(std::string("S"), std::string("DevXY"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 2);
    EXPECT_EQ(order, std::vector<std::string>({ "Dev", "DevX" }));
    EXPECT_EQ(devX->Messages()[0].topic, "DevXY");
}

TEST_F(KavoIPCTest, EmptyPayloadArrivesAsNullData)
{
    auto ipc = MakeEndpoint();
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    ipc->RegisterCallback(std::string("T"), cb.get(), true);
    int delivered = 0;
    ASSERT_TRUE(ipc->Send(std::string("S"), std::string("T"), 0, nullptr, &delivered));
    ASSERT_EQ(cb->Count(), 1u);
    EXPECT_TRUE(cb->Messages()[0].dataNull);
}

TEST_F(KavoIPCTest, WideOverloadsConvertToUtf8)
{
    auto ipc = MakeEndpoint();
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    ASSERT_TRUE(ipc->RegisterCallback(kvtl::WString(u"Gr\u00FC\u00DFe/"), cb.get(), true));
    int delivered = 0;
    ASSERT_TRUE(
        ipc->Send(kvtl::WString(u"S\u00E9"), kvtl::WString(u"Gr\u00FC\u00DFe/x"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 1);
    ASSERT_EQ(cb->Count(), 1u);
    EXPECT_EQ(cb->Messages()[0].sender, "S\xC3\xA9");
    EXPECT_EQ(cb->Messages()[0].topic,
        "Gr\xC3\xBC\xC3\x9F"
        "e/x");
}

TEST_F(KavoIPCTest, ReceiverRefusesMalformedCopyData)
{
    auto ipc = MakeEndpoint();
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    ipc->RegisterCallback(std::string("T"), cb.get(), true);
    KavoIPC *impl = Impl(ipc);
    const std::string self = impl->WindowName();
    auto deliver = [&](const char *window, uint32_t tag, const std::string &data) {
        return impl->OnCopyData(window, tag, reinterpret_cast<const unsigned char *>(data.data()),
            static_cast<uint32_t>(data.size()));
    };
    const uint32_t tag = KavoIPC::kCopyDataTag;
    const std::string good = BuildMessage("S", "T", "xyz");

    EXPECT_EQ(deliver(self.c_str(), tag, good), 1);
    EXPECT_EQ(deliver(self.c_str(), tag + 1, good), 0);
    EXPECT_EQ(deliver("KavoIPCWindowName.0.0", tag, good), 0); // no such window
    EXPECT_EQ(deliver("SomeOtherWindow", tag, good), 0);
    EXPECT_EQ(deliver("", tag, good), 0);
    EXPECT_EQ(impl->OnCopyData(self.c_str(), tag, nullptr, 600), 0);

    // A field filled from at, for n bytes; 257 to 259 end inside the field
    // but break the 256-byte limit.
    const auto filled = [](size_t at, size_t n, char c) {
        return BuildMessage("S", "T", "").replace(at, n, std::string(n, c));
    };
    const auto withByte = [&](size_t at, char value) {
        std::string message = good;
        message[at] = value;
        return message;
    };
    const std::string malformed[] = {
        BuildMessage("S", "T", "").substr(0, 527),
        BuildMessage("", "T", ""),
        BuildMessage("S", "", ""),
        filled(0, 260, 's'), // unterminated
        filled(260, 260, 'T'),
        filled(0, 257, 's'),
        filled(260, 259, 'T'),
        withByte(520, 8), // 531 bytes leave room for 7 after offset 524
        withByte(523, '\xFF'),
    };
    for (size_t i = 0; i < std::size(malformed); ++i)
        EXPECT_EQ(deliver(self.c_str(), tag, malformed[i]), 0) << i;
    EXPECT_EQ(deliver(self.c_str(), tag, BuildMessage(std::string(256, 's'), std::string(256, 'T'), "")), 1);

    // A payload that runs into the place of the trailing zero is still
    // inside the message, and so accepted.
    EXPECT_EQ(deliver(self.c_str(), tag, withByte(520, 7)), 1);
    EXPECT_EQ(cb->Count(), 3u);
    EXPECT_EQ(cb->Messages()[2].payload.size(), 7u);
}

TEST_F(KavoIPCTest, WireRequestsThatBreakTheFormatAreAnsweredZeroOrDropped)
{
    auto ipc = MakeEndpoint();
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    ipc->RegisterCallback(std::string("T"), cb.get(), true);
    const std::string path = SocketPath(ipc);
    const std::string self = Impl(ipc)->WindowName();

    RawRequest good;
    good.senderWindow = self;
    good.data = BuildMessage("S", "T", "abc");
    EXPECT_EQ(SendRawRequest(path, good), 1);

    RawRequest wrongMessage = good;
    wrongMessage.message = 0x004B;
    EXPECT_EQ(SendRawRequest(path, wrongMessage), 0);

    RawRequest wrongTag = good;
    wrongTag.tag = 0x4350494B;
    EXPECT_EQ(SendRawRequest(path, wrongTag), 0);

    // An oversized size field is refused before anything is read or allocated.
    RawRequest oversized = good;
    oversized.sizeFromData = false;
    oversized.size = 0xFFFFFFFF;
    EXPECT_EQ(SendRawRequest(path, oversized), 0);
    oversized.size = (16u << 20) + 1;
    EXPECT_EQ(SendRawRequest(path, oversized), 0);

    // Truncated: the size promises more than arrives.
    RawRequest truncated = good;
    truncated.sizeFromData = false;
    truncated.size = static_cast<uint32_t>(good.data.size() + 10);
    EXPECT_EQ(SendRawRequest(path, truncated), -1);
    for (size_t cut : { size_t(0), size_t(3), size_t(12), size_t(100), size_t(120), size_t(400) }) {
        RawRequest early = good;
        early.cutAfter = cut;
        EXPECT_EQ(SendRawRequest(path, early), -1) << cut;
    }

    RawRequest unterminatedWindow = good;
    unterminatedWindow.senderWindow = std::string(108, 'K');
    EXPECT_EQ(SendRawRequest(path, unterminatedWindow), 0);

    RawRequest small = good;
    small.data = good.data.substr(0, 100);
    EXPECT_EQ(SendRawRequest(path, small), 0);

    EXPECT_EQ(cb->Count(), 1u);
    // Still serving.
    EXPECT_EQ(SendRawRequest(path, good), 1);
}

TEST_F(KavoIPCTest, StaleSocketOfDeadOwnerIsRemovedButLiveOrForeignFilesAreNot)
{
    auto ipc = MakeEndpoint();
    const std::string dir = WindowDirectory();

    // A socket nobody listens on, whose lock nobody holds: a dead owner.
    const std::string stale = dir + "/KavoIPCWindowName.999999.1";
    close(Bind(stale));
    close(open((stale + ".lock").c_str(), O_CREAT | O_RDWR, 0600));
    // The same, but its owner still holds the lock (it has bound, not yet listened).
    const std::string busy = dir + "/KavoIPCWindowName.999999.2";
    const int busyLock = open((busy + ".lock").c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_EQ(flock(busyLock, LOCK_EX), 0);
    close(Bind(busy));
    // A plain file of the right name is no window and is left alone.
    const std::string plain = dir + "/KavoIPCWindowName.999999.3";
    close(open(plain.c_str(), O_CREAT | O_RDWR, 0600));

    int delivered = -1;
    EXPECT_TRUE(ipc->Send(std::string("S"), std::string("T"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 0);
    EXPECT_FALSE(FileExists(stale));
    EXPECT_FALSE(FileExists(stale + ".lock"));
    EXPECT_TRUE(FileExists(busy));
    EXPECT_TRUE(FileExists(plain));
    EXPECT_TRUE(FileExists(SocketPath(ipc)));
    close(busyLock);
}

TEST_F(KavoIPCTest, SocketsOfAnotherTitleOrAnotherUserAreNotPeers)
{
    auto ipc = MakeEndpoint();
    const std::string dir = WindowDirectory();
    const int otherTitle = Listen(dir + "/KavoIPCWindowNameX.1.1");
    const int otherTitle2 = Listen(dir + "/OtherWindow.1.1");
    const std::string foreignPath = dir + "/KavoIPCWindowName.1.1";
    const int foreign = Listen(foreignPath);
    const bool canChown = chown(foreignPath.c_str(), 65534, 65534) == 0;
    // The right title in another class's directory.
    mkdir((std::string(std::getenv("XDG_RUNTIME_DIR")) + "/OtherClass").c_str(), 0700);
    const int otherClass
        = Listen(std::string(std::getenv("XDG_RUNTIME_DIR")) + "/OtherClass/KavoIPCWindowName.1.2");

    int delivered = -1;
    EXPECT_TRUE(ipc->Send(std::string("S"), std::string("T"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 0);
    EXPECT_FALSE(HasPendingConnection(otherTitle));
    EXPECT_FALSE(HasPendingConnection(otherTitle2));
    EXPECT_FALSE(HasPendingConnection(otherClass));
    if (canChown)
        EXPECT_FALSE(HasPendingConnection(foreign));
    else
        EXPECT_TRUE(HasPendingConnection(foreign)); // the control: a listener of ours is contacted
    for (int fd : { otherTitle, otherTitle2, foreign, otherClass })
        close(fd);
}

TEST_F(KavoIPCTest, UnsafeWindowDirectoryIsRefused)
{
    const std::string runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string dir = runtime + "/KavoIPCWindowClassName";
    mkdir(dir.c_str(), 0700);
    RefCountedPtr<kvds::IKavoIPC> ipc;

    ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
    EXPECT_FALSE(CreateWindowMessageIPC(&ipc));
    EXPECT_FALSE(ipc);
    ASSERT_EQ(chmod(dir.c_str(), 0700), 0);

    if (chown(dir.c_str(), 65534, 65534) == 0) {
        EXPECT_FALSE(CreateWindowMessageIPC(&ipc));
        ASSERT_EQ(chown(dir.c_str(), geteuid(), getegid()), 0);
    }

    ASSERT_EQ(rmdir(dir.c_str()), 0);
    const std::string elsewhere = runtime + "/elsewhere";
    ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
    ASSERT_EQ(symlink(elsewhere.c_str(), dir.c_str()), 0);
    EXPECT_FALSE(CreateWindowMessageIPC(&ipc));
    unlink(dir.c_str());

    EXPECT_TRUE(CreateWindowMessageIPC(&ipc));
    EXPECT_TRUE(ipc);
}

TEST_F(KavoIPCTest, SocketPathTooLongFailsCleanly)
{
    const std::string runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string deep = runtime + '/' + std::string(100, 'd');
    ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    setenv("XDG_RUNTIME_DIR", deep.c_str(), 1);
    RefCountedPtr<kvds::IKavoIPC> ipc;
    EXPECT_FALSE(CreateWindowMessageIPC(&ipc));
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    EXPECT_TRUE(CreateWindowMessageIPC(&ipc));
}

TEST_F(KavoIPCTest, WithoutRuntimeDirectoryFallsBackToPrivateTmpFolder)
{
    const std::string runtime = std::getenv("XDG_RUNTIME_DIR");
    unsetenv("XDG_RUNTIME_DIR");
    const std::string fallback = "/tmp/KavoIPC-" + std::to_string(geteuid());
    RefCountedPtr<kvds::IKavoIPC> ipc;
    const bool created = CreateWindowMessageIPC(&ipc);
    std::string path = created ? fallback + '/' + Impl(ipc)->WindowName() : std::string();
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ASSERT_TRUE(created);
    struct stat st
    {
    };
    ASSERT_EQ(lstat(fallback.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(FileExists(path));
    ipc.reset();
    EXPECT_FALSE(FileExists(path));
}

TEST_F(KavoIPCTest, ReleaseRemovesTheWindowAndItsLock)
{
    auto ipc = MakeEndpoint();
    const std::string path = SocketPath(ipc);
    EXPECT_TRUE(FileExists(path));
    EXPECT_TRUE(FileExists(path + ".lock"));
    ipc.reset();
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(FileExists(path + ".lock"));
}

// A send keeps the list of windows between sends; every window made or gone
// renews it.
TEST_F(KavoIPCTest, ASendReachesWindowsMadeSinceTheLastAndNotThoseGone)
{
    auto sender = MakeEndpoint();
    RefCountedPtr<RecordingCallback> heard(new RecordingCallback);
    sender->RegisterCallback(std::string("T"), heard.get(), true);
    std::vector<RefCountedPtr<kvds::IKavoIPC>> others;
    // Three windows come, then go, with a send after each step.
    for (int step = 0; step < 7; ++step) {
        if (step >= 4) {
            others.pop_back();
        } else if (step > 0) {
            others.push_back(MakeEndpoint());
            others.back()->RegisterCallback(std::string("T"), heard.get(), true);
        }
        EXPECT_EQ(Delivered(sender, "T"), static_cast<int>(others.size()) + 1) << step;
    }
}

// Woken only to call a callback of its own.
TEST_F(KavoIPCTest, TheOwnWindowCountsOnlyWhenOneOfItsCallbacksMatches)
{
    for (const char *ownPrefix : { static_cast<const char *>(nullptr), "Other/", "Device/" }) {
        const bool matches = ownPrefix && std::strcmp(ownPrefix, "Device/") == 0;
        auto sender = MakeEndpoint();
        auto peer = MakeEndpoint();
        RefCountedPtr<RecordingCallback> own(new RecordingCallback);
        RefCountedPtr<RecordingCallback> theirs(new RecordingCallback);
        peer->RegisterCallback(std::string("Device/"), theirs.get(), true);
        if (ownPrefix)
            sender->RegisterCallback(std::string(ownPrefix), own.get(), true);
        EXPECT_EQ(Delivered(sender, "Device/Change"), matches ? 2 : 1);
        EXPECT_EQ(own->Count(), matches ? 1u : 0u);
        EXPECT_EQ(theirs->Count(), 1u);
    }
}

// Data up to a size comes in the header's read, longer data in a buffer of
// its own: both sides of that edge, and far past it, arrive whole.
TEST_F(KavoIPCTest, PayloadsOnBothSidesOfTheHeadersReadArriveWhole)
{
    auto sender = MakeEndpoint();
    auto peer = MakeEndpoint();
    RefCountedPtr<RecordingCallback> heard(new RecordingCallback);
    peer->RegisterCallback(std::string("T"), heard.get(), true);
    const size_t edge = sizeof(KavoIPCWindow::Native::Incoming::inlineData) - KavoIPC::kFixedSize;
    size_t count = 0;
    for (const size_t length : { size_t(1), edge - 1, edge, edge + 1, size_t(300000) }) {
        std::string payload(length, '\0');
        for (size_t i = 0; i < length; ++i)
            payload[i] = static_cast<char>('a' + (i * 7 + length) % 26);
        EXPECT_EQ(Delivered(sender, "T", payload), 1) << length;
        ASSERT_EQ(heard->Count(), ++count);
        EXPECT_EQ(heard->Messages().back().payload, payload) << length;
    }
}

TEST_F(KavoIPCTest, NestedSendsFromCallbacksOnTheWindowThreadKeepTheOuterMessage)
{
    auto a = MakeEndpoint();
    std::vector<RefCountedPtr<kvds::IKavoIPC>> others;
    std::vector<RefCountedPtr<RecordingCallback>> pings;
    for (int i = 0; i < 3; ++i) {
        others.push_back(MakeEndpoint());
        pings.emplace_back(new RecordingCallback);
        others.back()->RegisterCallback(std::string("Ping"), pings.back().get(), true);
    }
    RefCountedPtr<RecordingCallback> pong(new RecordingCallback);
    RefCountedPtr<RecordingCallback> deep(new RecordingCallback);
    a->RegisterCallback(std::string("Pong"), pong.get(), true);
    a->RegisterCallback(std::string("Deep"), deep.get(), true);

    std::atomic<int> pongCount { -1 };
    std::atomic<int> deepCount { -1 };
    std::atomic<bool> onWindowThread { false };
    RefCountedPtr<RecordingCallback> trigger(new RecordingCallback);
    kvds::IKavoIPC *raw = a.get();
    trigger->SetAction([&](const std::string &) {
        int count = 0;
        onWindowThread = true;
        // Two levels of nesting: the Pong callback sends again.
        raw->Send(std::string("A"), std::string("Pong"), 4, "pong", &count);
        pongCount = count;
    });
    pong->SetAction([&](const std::string &) {
        int count = 0;
        raw->Send(std::string("A"), std::string("Deep"), 0, nullptr, &count);
        deepCount = count;
    });
    a->RegisterCallback(std::string("Ping"), trigger.get(), true);

    int delivered = 0;
    ASSERT_TRUE(a->Send(std::string("Outer"), std::string("Ping"), 5, "outer", &delivered));
    EXPECT_TRUE(onWindowThread.load());
    EXPECT_EQ(delivered, 4);
    EXPECT_EQ(pongCount.load(), 1);
    EXPECT_EQ(deepCount.load(), 1);
    EXPECT_EQ(deep->Count(), 1u);
    for (const auto &ping : pings) {
        ASSERT_EQ(ping->Count(), 1u);
        EXPECT_EQ(ping->Messages()[0].sender, "Outer");
        EXPECT_EQ(ping->Messages()[0].payload, "outer");
    }

    // The same from the window thread itself: the outer send reaches its own
    // window by a direct call, and the peers after it still get its message.
    RefCountedPtr<RecordingCallback> relay(new RecordingCallback);
    std::atomic<int> relayed { -1 };
    relay->SetAction([&](const std::string &) {
        int count = 0;
        raw->Send(std::string("Relay"), std::string("Ping"), 5, "relay", &count);
        relayed = count;
    });
    a->RegisterCallback(std::string("Relay"), relay.get(), true);
    ASSERT_TRUE(others[0]->Send(std::string("X"), std::string("Relay"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(relayed.load(), 4);
    for (const auto &ping : pings) {
        ASSERT_EQ(ping->Count(), 2u);
        EXPECT_EQ(ping->Messages()[1].sender, "Relay");
        EXPECT_EQ(ping->Messages()[1].payload, "relay");
    }
}

TEST_F(KavoIPCTest, WindowThreadsSendingToEachOtherAtOnceBothFinish)
{
    auto a = MakeEndpoint();
    auto b = MakeEndpoint();
    auto c = MakeEndpoint();
    Rendezvous rendezvous;
    std::atomic<int> countA { -1 };
    std::atomic<int> countB { -1 };
    RefCountedPtr<RecordingCallback> goA(new RecordingCallback);
    RefCountedPtr<RecordingCallback> goB(new RecordingCallback);
    RefCountedPtr<RecordingCallback> pingA(new RecordingCallback);
    RefCountedPtr<RecordingCallback> pingB(new RecordingCallback);
    kvds::IKavoIPC *rawA = a.get();
    kvds::IKavoIPC *rawB = b.get();
    goA->SetAction([&](const std::string &) {
        rendezvous.Arrive();
        int count = 0;
        rawA->Send(std::string("A"), std::string("Ping"), 0, nullptr, &count);
        countA = count;
    });
    goB->SetAction([&](const std::string &) {
        rendezvous.Arrive();
        int count = 0;
        rawB->Send(std::string("B"), std::string("Ping"), 0, nullptr, &count);
        countB = count;
    });
    a->RegisterCallback(std::string("Go"), goA.get(), true);
    b->RegisterCallback(std::string("Go"), goB.get(), true);
    a->RegisterCallback(std::string("Ping"), pingA.get(), true);
    b->RegisterCallback(std::string("Ping"), pingB.get(), true);

    // Each window gets its own trigger, straight on the wire, at the same time.
    RawRequest go;
    go.senderWindow = Impl(c)->WindowName();
    go.data = BuildMessage("C", "Go", "");
    int answerA = -5;
    int answerB = -5;
    std::thread ta([&] { answerA = SendRawRequest(SocketPath(a), go); });
    std::thread tb([&] { answerB = SendRawRequest(SocketPath(b), go); });
    ta.join();
    tb.join();
    EXPECT_EQ(answerA, 1);
    EXPECT_EQ(answerB, 1);
    // Neither send timed out on the other: each reached both Ping callbacks.
    EXPECT_EQ(countA.load(), 2);
    EXPECT_EQ(countB.load(), 2);
    EXPECT_EQ(pingA->Count(), 2u);
    EXPECT_EQ(pingB->Count(), 2u);
}

TEST_F(KavoIPCTest, ConcurrentSendersAndRegistrationsCountEveryCallback)
{
    auto a = MakeEndpoint();
    auto b = MakeEndpoint();
    RefCountedPtr<RecordingCallback> ca(new RecordingCallback);
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    a->RegisterCallback(std::string("T"), ca.get(), true);
    b->RegisterCallback(std::string("T"), cb.get(), true);
    std::atomic<int> total { 0 };
    std::vector<std::thread> senders;
    for (int t = 0; t < 4; ++t) {
        senders.emplace_back([&, t] {
            kvds::IKavoIPC *from = t % 2 ? a.get() : b.get();
            for (int i = 0; i < 25; ++i) {
                int delivered = 0;
                if (from->Send(std::string("S"), std::string("T/x"), 1, "x", &delivered))
                    total += delivered;
            }
        });
    }
    std::thread registrar([&] {
        for (int i = 0; i < 50; ++i) {
            RefCountedPtr<RecordingCallback> extra(new RecordingCallback);
            a->RegisterCallback(std::string("U") + std::to_string(i), extra.get(), false);
        }
    });
    for (auto &t : senders)
        t.join();
    registrar.join();
    EXPECT_EQ(total.load(), 200);
    EXPECT_EQ(ca->Count(), 100u);
    EXPECT_EQ(cb->Count(), 100u);
}

namespace {

// In a child that may first become another user: connects to the socket
// through an O_PATH descriptor opened before, so that the private folder
// need not be searchable, and sends the request. Exit status: the answer,
// 200 when there was none, 201 when the connection failed.
int AnswerInChild(const std::string &socketPath, const std::string &request, bool asOtherUser)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int pathFd = open(socketPath.c_str(), O_PATH | O_CLOEXEC);
        if (asOtherUser && (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0))
            _exit(202);
        char viaFd[64];
        std::snprintf(viaFd, sizeof(viaFd), "/proc/self/fd/%d", pathFd);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = unixAddress(viaFd);
        if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0)
            _exit(201);
        // A refused peer may be answered and dropped before it has written.
        send(fd, request.data(), request.size(), MSG_NOSIGNAL);
        unsigned char answer[4];
        size_t got = 0;
        while (got < 4) {
            const ssize_t n = read(fd, answer + got, 4 - got);
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
        }
        _exit(got == 4 ? answer[0] : 200);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST_F(KavoIPCTest, RequestFromAnotherUserIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "acting as another user needs root";
    auto ipc = MakeEndpoint();
    RefCountedPtr<RecordingCallback> cb(new RecordingCallback);
    ipc->RegisterCallback(std::string("T"), cb.get(), true);
    const std::string path = SocketPath(ipc);
    ASSERT_EQ(chmod(path.c_str(), 0777), 0);

    std::string request;
    for (uint32_t v : { 0x004Au, KavoIPC::kCopyDataTag, 528u + 3u }) {
        for (int i = 0; i < 4; ++i)
            request.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    std::string window = Impl(ipc)->WindowName();
    window.resize(108, '\0');
    request += window + BuildMessage("S", "T", "abc");

    EXPECT_EQ(AnswerInChild(path, request, false), 1); // the way in works
    EXPECT_EQ(AnswerInChild(path, request, true), 0);
    EXPECT_EQ(cb->Count(), 1u);
}

TEST_F(KavoIPCTest, WindowThreadSendsWhileAnotherThreadAwaitsItsOwnWindow)
{
    auto a = MakeEndpoint();
    auto b = MakeEndpoint();
    RefCountedPtr<RecordingCallback> zA(new RecordingCallback);
    RefCountedPtr<RecordingCallback> yB(new RecordingCallback);
    RefCountedPtr<RecordingCallback> trigger(new RecordingCallback);
    a->RegisterCallback(std::string("Z"), zA.get(), true);
    b->RegisterCallback(std::string("Y"), yB.get(), true);
    std::mutex lock;
    std::condition_variable changed;
    bool entered = false;
    std::atomic<int> nested { -1 };
    kvds::IKavoIPC *rawA = a.get();
    trigger->SetAction([&](const std::string &) {
        {
            std::lock_guard<std::mutex> guard(lock);
            entered = true;
        }
        changed.notify_all();
        // Let the test thread take A's send lock and wait for this window.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        int count = 0;
        rawA->Send(std::string("A"), std::string("Y"), 0, nullptr, &count);
        nested = count;
    });
    a->RegisterCallback(std::string("X"), trigger.get(), true);

    std::thread fromB([&] {
        int count = 0;
        b->Send(std::string("B"), std::string("X"), 0, nullptr, &count);
    });
    {
        std::unique_lock<std::mutex> guard(lock);
        ASSERT_TRUE(changed.wait_for(guard, std::chrono::seconds(20), [&] { return entered; }));
    }
    int delivered = 0;
    ASSERT_TRUE(a->Send(std::string("A"), std::string("Z"), 0, nullptr, &delivered));
    fromB.join();
    // Neither waited out the other: A's own window answered, and the
    // window thread's send reached B.
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(zA->Count(), 1u);
    EXPECT_EQ(nested.load(), 1);
    EXPECT_EQ(yB->Count(), 1u);
}

// A callback may ask, during its delivery, which process sent the message:
// the process part of the sender window every delivery names.
TEST_F(KavoIPCTest, ADeliveryNamesTheSendingProcessToItsCallbacks)
{
    class AskingCallback : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
    {
    public:
        explicit AskingCallback(const kvds::IKavoIPCDelivery *endpoint)
            : m_endpoint(endpoint)
        {
        }
        void OnMessage(const std::string &, const std::string &, unsigned, const void *) override
        {
            long process = 0;
            const bool known = m_endpoint->CurrentSenderProcess(&process);
            std::lock_guard<std::mutex> lock(m_lock);
            m_senders.push_back(known ? process : -1);
        }
        std::vector<long> Senders()
        {
            std::lock_guard<std::mutex> lock(m_lock);
            return m_senders;
        }

    private:
        const kvds::IKavoIPCDelivery *m_endpoint;
        std::mutex m_lock;
        std::vector<long> m_senders;
    };

    auto a = MakeEndpoint();
    auto b = MakeEndpoint();
    RefCountedPtr<AskingCallback> asking(new AskingCallback(Impl(b)));
    b->RegisterCallback(std::string("Device/"), asking.get(), true);
    int delivered = 0;
    ASSERT_TRUE(a->Send(std::string("KavoPlayer"), std::string("Device/Create"), 0, nullptr, &delivered));
    ASSERT_TRUE(b->Send(std::string("KavoPlayer"), std::string("Device/Create"), 0, nullptr, &delivered));
    EXPECT_EQ(asking->Senders(), (std::vector<long> { long(getpid()), long(getpid()) }));
    long process = 0;
    EXPECT_FALSE(Impl(b)->CurrentSenderProcess(&process));

    const std::pair<const char *, long> names[] = {
        { "KavoIPCWindowName.4242.7", 4242 },
        { "KavoIPCWindowName.1.1", 1 },
        { "KavoIPCWindowName", 0 },
        { "KavoIPCWindowName.x.7", 0 },
        { "KavoIPCWindowName..7", 0 },
        { "KavoIPCWindowName.0.7", 0 },
    };
    for (const auto &[name, expected] : names) {
        process = 0;
        EXPECT_EQ(KavoIPCWindow::Native::ProcessOfName(name, &process), expected != 0) << name;
        EXPECT_EQ(process, expected) << name;
    }
}
