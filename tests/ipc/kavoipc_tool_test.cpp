#include "tests/ipc/kavoipc_peerprocess.h"
#include "tests/ipc/kavoipc_testsupport.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/stat.h>

namespace {

class KavoIPCToolTest : public FreshRuntimeDirTest
{
protected:
    // Runs the tool to its end: its exit status, and its first output line.
    int Run(const std::vector<std::string> &arguments, std::string *firstLine = nullptr)
    {
        PeerProcess tool;
        tool.Start(KAVO_IPC_TOOL_PATH, arguments);
        if (firstLine)
            *firstLine = tool.FirstLine();
        return tool.Wait();
    }
};

} // namespace

TEST_F(KavoIPCToolTest, ListenPrintsWhatSendSendsWithTheRightCounts)
{
    PeerProcess devices;
    ASSERT_TRUE(devices.Start(KAVO_IPC_TOOL_PATH, { "listen", "Device/" }));
    EXPECT_EQ(devices.FirstLine().rfind("listening as KavoIPCWindowName.", 0), 0u);
    PeerProcess everything;
    ASSERT_TRUE(everything.Start(KAVO_IPC_TOOL_PATH, { "listen" }));

    std::string line;
    EXPECT_EQ(Run({ "send", "component", "Device/Change", "0102030405060708090A0b0c" }, &line), 0);
    EXPECT_EQ(line, "delivered 2");
    const std::string expected
        = "sender=component topic=Device/Change length=12 data=0102030405060708090a0b0c";
    EXPECT_EQ(devices.ReadLine(), expected);
    EXPECT_EQ(everything.ReadLine(), expected);

    EXPECT_EQ(Run({ "send", "other", "Player/Stop" }, &line), 0);
    EXPECT_EQ(line, "delivered 1");
    EXPECT_EQ(everything.ReadLine(), "sender=other topic=Player/Stop length=0 data=");

    devices.Signal(SIGTERM);
    everything.Signal(SIGINT);
    EXPECT_EQ(devices.Wait(), 0);
    EXPECT_EQ(everything.Wait(), 0);
    // Both windows went away with their listeners.
    EXPECT_EQ(Run({ "send", "component", "Device/Change" }, &line), 0);
    EXPECT_EQ(line, "delivered 0");
}

TEST_F(KavoIPCToolTest, BadArgumentsExitWithUsageStatus)
{
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({ "bogus" }), 2);
    EXPECT_EQ(Run({ "send", "sender" }), 2);
    EXPECT_EQ(Run({ "send", "sender", "topic", "abc" }), 2);
    EXPECT_EQ(Run({ "send", "sender", "topic", "zz" }), 2);
    EXPECT_EQ(Run({ "send", "", "topic" }), 2);
    EXPECT_EQ(Run({ "send", std::string(257, 's'), "topic" }), 2);
    EXPECT_EQ(Run({ "send", "sender", "topic", "00", "extra" }), 2);
    EXPECT_EQ(Run({ "listen", std::string(257, 'p') }), 2);
    EXPECT_EQ(Run({ "--help" }), 0);
}

TEST_F(KavoIPCToolTest, RefusedWindowDirectoryFailsWithStatusOne)
{
    const std::string dir = WindowDirectory();
    ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
    ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
    EXPECT_EQ(Run({ "send", "sender", "topic" }), 1);
    EXPECT_EQ(Run({ "listen" }), 1);
}
