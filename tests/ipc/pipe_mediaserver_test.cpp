// The media server as a real process against a player endpoint of our own.
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/refcountedptr.h"
#include "ipc/signalpeerready.h"
#include "tests/ipc/pipe_testsupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <semaphore.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using kvtl::RefCountedPtr;

namespace {

const char Channel[] = "C277327F-6714-4129-A79F-6D8477523D76";
const std::string Prefix = "DevicePane->KavoMediaServerDialog";

class MediaServerTest : public PipeTest
{
protected:
    void SetUp() override
    {
        PipeTest::SetUp();
        // The raise socket lives in the temporary folder: keep it ours.
        const char *tmp = std::getenv("TMPDIR");
        m_savedTmp = tmp ? tmp : "";
        m_hadTmp = tmp != nullptr;
        setenv("TMPDIR", RuntimeDir().c_str(), 1);
    }
    void TearDown() override
    {
        if (m_hadTmp)
            setenv("TMPDIR", m_savedTmp.c_str(), 1);
        else
            unsetenv("TMPDIR");
        PipeTest::TearDown();
    }

    bool StartServer(ChildProcess &server, const char *sharing)
    {
        return server.start({ KAVO_MEDIA_SERVER, "--headless", "--sharing", sharing })
            && server.waitForLine(std::string("sharing ") + sharing);
    }

    // The player's side: the server role, its callback on the prefix.
    bool OpenPlayer(RefCountedPtr<kvds::IKavoIPC> &player, PipeRecorder *recorder)
    {
        return kvds::CreateNamedPipeIPC(Channel, true, nullptr, &player)
            && player->RegisterCallback(Prefix, recorder, false);
    }

    bool StartConnected(ChildProcess &server, const char *sharing, RefCountedPtr<kvds::IKavoIPC> &player,
        PipeRecorder *recorder)
    {
        return StartServer(server, sharing) && OpenPlayer(player, recorder)
            && server.waitForLine("connected");
    }

    static bool Request(kvds::IKavoIPC *player, const std::string &name, const std::string &payload = {})
    {
        int delivered = 0;
        return player->Send(std::string("Player"), Prefix + name, static_cast<unsigned>(payload.size()),
                   payload.empty() ? nullptr : payload.data(), &delivered)
            && delivered == 1;
    }

private:
    std::string m_savedTmp;
    bool m_hadTmp = false;
};

} // namespace

TEST_F(MediaServerTest, AnswersEveryStartedRequestWithItsSharingState)
{
    ChildProcess server;
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    RefCountedPtr<kvds::IKavoIPC> player;
    ASSERT_TRUE(StartConnected(server, "on", player, recorder.get()));

    ASSERT_TRUE(Request(player.get(), "StartedRequest"));
    ASSERT_TRUE(recorder->WaitFor(1));
    ASSERT_TRUE(server.waitForLine("StartedRequest"));
    auto message = recorder->Messages()[0];
    EXPECT_EQ(message.sender, "KavoMediaServer");
    EXPECT_EQ(message.topic, "StartedResponse");
    EXPECT_EQ(message.payload, std::string(1, '\x01'));

    ASSERT_TRUE(server.writeLine("sharing off"));
    ASSERT_TRUE(server.waitForLine("sharing off"));
    ASSERT_TRUE(Request(player.get(), "StartedRequest"));
    ASSERT_TRUE(recorder->WaitFor(2));
    EXPECT_EQ(recorder->Messages()[1].payload, std::string(1, '\0'));

    ASSERT_TRUE(server.writeLine("sharing on"));
    ASSERT_TRUE(server.waitForLine("sharing on"));
    ASSERT_TRUE(Request(player.get(), "StartedRequest"));
    ASSERT_TRUE(recorder->WaitFor(3));
    EXPECT_EQ(recorder->Messages()[2].payload, std::string(1, '\x01'));
}

TEST_F(MediaServerTest, RecordsTheStreamPathsInUtf8)
{
    ChildProcess server;
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    RefCountedPtr<kvds::IKavoIPC> player;
    ASSERT_TRUE(StartConnected(server, "on", player, recorder.get()));
    const std::string path = "/home/user/Vid\xC3\xA9os/\xE6\x98\xA0\xE7\x94\xBB 1.mkv";
    ASSERT_TRUE(Request(player.get(), "StreamFileRequest", path + '\0'));
    ASSERT_TRUE(server.waitForLine("StreamFileRequest " + path));
    // Nothing is answered to a stream request.
    ASSERT_TRUE(Request(player.get(), "StartedRequest"));
    ASSERT_TRUE(recorder->WaitFor(1));
    EXPECT_EQ(recorder->Messages()[0].topic, "StartedResponse");
}

TEST_F(MediaServerTest, SignalsItsReadySemaphoreWhenItConnects)
{
    ChildProcess server;
    ASSERT_TRUE(StartServer(server, "off"));
    const std::string name = kvds::PeerReadyName(static_cast<unsigned long>(server.pid()));
    sem_unlink(name.c_str());
    sem_t *ready = sem_open(name.c_str(), O_CREAT | O_EXCL, 0600, 0);
    ASSERT_NE(ready, SEM_FAILED);
    EXPECT_NE(sem_trywait(ready), 0); // no player yet, so not connected
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    RefCountedPtr<kvds::IKavoIPC> player;
    ASSERT_TRUE(OpenPlayer(player, recorder.get()));
    ASSERT_TRUE(server.waitForLine("connected"));
    EXPECT_EQ(sem_trywait(ready), 0);
    sem_close(ready);
    sem_unlink(name.c_str());
}

TEST_F(MediaServerTest, KilledServerBreaksThePipeOnceAndARestartedOneIsFoundAgain)
{
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    RefCountedPtr<kvds::IKavoIPC> player;
    {
        ChildProcess server;
        ASSERT_TRUE(StartServer(server, "on"));
        ASSERT_TRUE(OpenPlayer(player, recorder.get()));
        ASSERT_TRUE(server.waitForLine("connected"));
        server.kill(SIGKILL);
        server.wait();
    }
    ASSERT_TRUE(recorder->WaitFor(1));
    EXPECT_EQ(recorder->Messages()[0].sender, "_KavoPipeIPC_::");
    EXPECT_EQ(recorder->Messages()[0].topic, "IPCPipeError");

    // The player drops the broken endpoint and builds a new one, as its poll does.
    player.reset();
    ChildProcess again;
    ASSERT_TRUE(StartServer(again, "off"));
    ASSERT_TRUE(OpenPlayer(player, recorder.get()));
    ASSERT_TRUE(again.waitForLine("connected"));
    ASSERT_TRUE(Request(player.get(), "StartedRequest"));
    ASSERT_TRUE(recorder->WaitFor(2));
    EXPECT_EQ(recorder->Count(), 2u);
    EXPECT_EQ(recorder->Messages()[1].topic, "StartedResponse");
    EXPECT_EQ(recorder->Messages()[1].payload, std::string(1, '\0'));
}

TEST_F(MediaServerTest, ReconnectsWhenThePlayerComesBack)
{
    ChildProcess server;
    ASSERT_TRUE(StartServer(server, "on"));
    RefCountedPtr<PipeRecorder> recorder(new PipeRecorder);
    for (int round = 0; round < 3; ++round) {
        RefCountedPtr<kvds::IKavoIPC> player;
        ASSERT_TRUE(OpenPlayer(player, recorder.get()));
        ASSERT_TRUE(server.waitForLine("connected"));
        ASSERT_TRUE(Request(player.get(), "StartedRequest"));
        ASSERT_TRUE(recorder->WaitFor(static_cast<size_t>(round + 1)));
        player.reset();
        ASSERT_TRUE(server.waitForLine("disconnected"));
    }
    EXPECT_EQ(recorder->Count(), 3u);
}

TEST_F(MediaServerTest, ALineOnTheRaiseSocketBringsItForward)
{
    ChildProcess server;
    ASSERT_TRUE(StartServer(server, "on"));
    const std::string path = RuntimeDir() + "/KavoMediaServer/raise";
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(write(fd, "raise\n", 6), 6);
    close(fd);
    EXPECT_TRUE(server.waitForLine("raise"));
    // The user's own folder, closed to others, as for every other socket.
    struct stat folder
    {
    };
    ASSERT_EQ(lstat((RuntimeDir() + "/KavoMediaServer").c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
}
