// The media server's window and state in-process, against a player endpoint.
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/refcountedptr.h"
#include "mediaserver/mediaserver.h"
#include "mediaserver/mediaserversession.h"
#include "mediaserver/mediaserverwindow.h"
#include "tests/ipc/pipe_testsupport.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using kvtl::RefCountedPtr;

namespace {

const std::string Prefix = MediaServerSession::TopicPrefix;

class MediaServerWindowTest : public PipeTest
{
protected:
    void OpenPlayer()
    {
        ASSERT_TRUE(kvds::CreateNamedPipeIPC(MediaServerSession::Channel, true, nullptr, &player));
        ASSERT_TRUE(player->RegisterCallback(Prefix, recorder.get(), false));
    }
    bool Request(const std::string &name, const std::string &payload = {})
    {
        int delivered = 0;
        return player->Send(std::string("Player"), Prefix + name, static_cast<unsigned>(payload.size()),
            payload.empty() ? nullptr : payload.data(), &delivered);
    }
    // The answer to one more StartedRequest.
    std::string Answer()
    {
        const size_t before = recorder->Count();
        if (!Request("StartedRequest") || !recorder->WaitFor(before + 1))
            return "none";
        return recorder->Messages()[before].payload;
    }

    RefCountedPtr<PipeRecorder> recorder { new PipeRecorder };
    RefCountedPtr<kvds::IKavoIPC> player;
};

} // namespace

TEST_F(MediaServerWindowTest, SwitchSetsTheAnswerAndStreamedFilesAreListed)
{
    OpenPlayer();
    MediaServer server(false);
    MediaServerWindow window(&server);
    auto *sharing = window.findChild<QCheckBox *>(QStringLiteral("SharingSwitch"));
    auto *files = window.findChild<QListWidget *>(QStringLiteral("StreamedFiles"));
    ASSERT_TRUE(sharing && files);
    EXPECT_FALSE(sharing->isChecked());
    window.show();

    server.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.isConnected(); }, 10000));
    EXPECT_EQ(Answer(), std::string(1, '\0'));

    QTest::mouseClick(sharing, Qt::LeftButton);
    EXPECT_TRUE(sharing->isChecked());
    EXPECT_TRUE(server.isSharing());
    EXPECT_EQ(Answer(), std::string(1, '\x01'));

    QSignalSpy streamed(&server, &MediaServer::fileStreamed);
    const QString path = QStringLiteral("/home/u/Vid\u00E9os/\u6620\u753B.mkv");
    ASSERT_TRUE(Request("StreamFileRequest", path.toUtf8().toStdString() + '\0'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->count() == 1; }, 10000));
    EXPECT_EQ(files->item(0)->text(), path);
    EXPECT_EQ(server.streamedFiles(), QStringList { path });
    EXPECT_EQ(streamed.count(), 1);

    // Switched from elsewhere (the console), the switch follows.
    server.setSharing(false);
    EXPECT_FALSE(sharing->isChecked());
}

TEST_F(MediaServerWindowTest, FindsAPlayerThatComesLaterAndAgainAfterItLeft)
{
    MediaServer server(true);
    QSignalSpy connected(&server, &MediaServer::connectedChanged);
    server.start();
    QTest::qWait(2 * MediaServer::RetryIntervalMs);
    EXPECT_FALSE(server.isConnected());

    OpenPlayer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.isConnected(); }, 10000));
    EXPECT_EQ(Answer(), std::string(1, '\x01'));
    player.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.isConnected(); }, 10000));
    OpenPlayer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.isConnected(); }, 10000));
    EXPECT_EQ(Answer(), std::string(1, '\x01'));
    ASSERT_EQ(connected.count(), 3);
    EXPECT_EQ(connected.at(1).at(0).toBool(), false);
}

TEST_F(MediaServerWindowTest, BringForwardShowsAHiddenOrMinimizedWindow)
{
    MediaServer server(false);
    MediaServerWindow window(&server);
    EXPECT_FALSE(window.isVisible());
    window.bringForward();
    EXPECT_TRUE(window.isVisible());
    window.showMinimized();
    window.bringForward();
    EXPECT_FALSE(window.isMinimized());
}
