// "Stream to ..." on a network of its own: the headless media server in one
// namespace, gmediarender standing in for the TV in another, the player's
// pipe outside both (a Unix socket), the file handed over through it.
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "tests/mediaserver/tvnetwork.h"

#include <QDeadlineTimer>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <csignal>

namespace {

const char Prefix[] = "DevicePane->KavoMediaServerDialog";

class StreamToTvTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!m_network.isReady())
            GTEST_SKIP() << "needs root and network namespaces (CI has both); skipped";
        qputenv("KAVO_SHARE_INTERFACES", m_network.serverLink.toUtf8());
        ASSERT_TRUE(m_files.isValid());
        qputenv("XDG_CACHE_HOME", m_files.filePath(u"cache"_s).toUtf8());
        kvtl::RefCountedPtr<kvds::IKavoSettings> key;
        ASSERT_TRUE(
            kvds::CreateSettings("Settings/KavoPlayer/KavoMediaServer", kvds::CreateUserOpenMachine, &key));
        key->DeleteKey();
    }
    void TearDown() override
    {
        stop(m_server, "quit\n");
        stop(m_renderer, {});
        qputenv("KAVO_SHARE_INTERFACES", "none");
    }
    static void stop(QProcess &process, const QByteArray &quit)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        if (!quit.isEmpty())
            process.write(quit);
        if (quit.isEmpty() || !process.waitForFinished(3000))
            process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(2000);
        }
    }

    // A clip in the given codecs, as the file to hand over.
    bool makeClip(const QString &name, const QStringList &codecs, int seconds = 30)
    {
        m_clip = m_files.filePath(name);
        return runCommand(QStringList { u"ffmpeg"_s, u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                              u"testsrc=size=320x240:rate=25"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine"_s,
                              u"-t"_s, QString::number(seconds) }
                       + codecs + QStringList { u"-shortest"_s, m_clip },
                   nullptr, 60000)
            == 0;
    }
    bool start(const QString &mimeFilter)
    {
        m_udn = u"uuid:"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QStringList renderer = m_network.rendererCommand(m_udn.mid(5), mimeFilter);
        m_renderer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_renderer.setStandardOutputFile(QProcess::nullDevice());
        m_renderer.start(renderer.first(), renderer.mid(1));
        const QStringList server = TvNetwork::inside(m_network.server,
            { QStringLiteral(KAVO_MEDIA_SERVER), u"--headless"_s, u"--sharing"_s, u"on"_s });
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(server.first(), server.mid(1));
        return m_renderer.waitForStarted(5000) && m_server.waitForStarted(5000)
            && !waitFor("renderer found " + m_udn.toUtf8()).isNull();
    }
    // The rest of the first line from the server that starts with prefix;
    // null when none came in time.
    QByteArray waitFor(const QByteArray &prefix, int limitMs = 20000)
    {
        const QDeadlineTimer deadline(limitMs);
        while (!deadline.hasExpired()) {
            while (m_server.canReadLine()) {
                const QByteArray line = m_server.readLine().trimmed();
                if (qEnvironmentVariableIsSet("KAVO_DEBUG"))
                    fprintf(stderr, "server: %s\n", line.constData());
                if (line.startsWith(prefix))
                    return line.mid(prefix.size()).trimmed() + "";
            }
            m_server.waitForReadyRead(200);
        }
        return QByteArray();
    }
    // Sends the clip through the player's pipe, as a pane does.
    bool handOver()
    {
        if (!kvds::CreateNamedPipeIPC("C277327F-6714-4129-A79F-6D8477523D76", true, nullptr, &m_player)
            || waitFor("connected").isNull())
            return false;
        const QByteArray path = m_clip.toLocal8Bit() + '\0';
        int delivered = 0;
        return m_player->Send("Player", std::string(Prefix) + "StreamFileRequest",
            static_cast<unsigned>(path.size()), path.constData(), &delivered);
    }
    // An H.264 clip handed over and played on the test TV, which plays it as it is.
    bool playHandedOver(const QString &name)
    {
        return makeClip(name,
                   { u"-c:v"_s, u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-pix_fmt"_s, u"yuv420p"_s,
                       u"-c:a"_s, u"aac"_s })
            && start({}) && handOver() && !waitFor("StreamFileRequest").isNull()
            && m_server.write("play " + m_udn.toUtf8() + '\n') > 0 && waitFor("playing ") == m_udn.toUtf8()
            && waitFor("state PLAYING", 30000) == QByteArray("");
    }
    // The position reported once the renderer is at or past atLeast seconds.
    int positionReaching(int atLeast)
    {
        for (QByteArray line = waitFor("position "); !line.isNull(); line = waitFor("position ")) {
            if (line.split(' ').first().toInt() >= atLeast)
                return line.split(' ').first().toInt();
        }
        return -1;
    }

    TvNetwork m_network;
    QTemporaryDir m_files;
    QString m_clip;
    QString m_udn;
    QProcess m_renderer;
    QProcess m_server;
    kvtl::RefCountedPtr<kvds::IKavoIPC> m_player;
};

TEST_F(StreamToTvTest, PlaysTheHandedOverFileWithWorkingControls)
{
    ASSERT_TRUE(playHandedOver(u"handed over.mp4"_s));
    EXPECT_GE(positionReaching(2), 2);
    // Seeking near the end: reported within a few polls, long before
    // playing on would get there (20 polls or more).
    m_server.write("seek 25\n");
    int polls = 0;
    for (QByteArray line = waitFor("position "); !line.isNull() && line.split(' ').first().toInt() < 24;
         line = waitFor("position "))
        ++polls;
    EXPECT_LT(polls, 10);

    const struct
    {
        const char *command;
        const char *state;
    } controls[] = {
        { "pause", "PAUSED_PLAYBACK" },
        { "resume", "PLAYING" },
        { "stop", "STOPPED" },
    };
    for (const auto &control : controls) {
        m_server.write(QByteArray(control.command) + '\n');
        EXPECT_EQ(waitFor("state "), control.state) << control.command;
    }
    // A TV switched off leaves the list.
    m_renderer.terminate();
    EXPECT_FALSE(waitFor("renderer lost " + m_udn.toUtf8(), 30000).isNull());
}

TEST_F(StreamToTvTest, ATvThatStopsAnsweringIsDroppedWhileTheServerAnswersOn)
{
    ASSERT_TRUE(playHandedOver(u"hung.mp4"_s));
    // Hung, not gone: its sockets still accept, nothing answers. (timeout,
    // which runs it, leads its process group.)
    ASSERT_EQ(::kill(-pid_t(m_renderer.processId()), SIGSTOP), 0);
    m_server.write("pause\nping\n");
    // The server's own loop answers before the TV's action runs out of time.
    EXPECT_FALSE(waitFor("unknown command: ping").isNull());
    EXPECT_FALSE(waitFor("failed", 60000).isNull());
    EXPECT_FALSE(waitFor("renderer lost " + m_udn.toUtf8()).isNull());
    ::kill(-pid_t(m_renderer.processId()), SIGCONT);
}

TEST_F(StreamToTvTest, ATvThatCannotPlayTheFormatGetsAConvertedCopy)
{
    ASSERT_TRUE(makeClip(u"old camera.avi"_s, { u"-c:v"_s, u"mpeg4"_s, u"-c:a"_s, u"libmp3lame"_s }, 6));
    // This TV does not say it plays AVI.
    ASSERT_TRUE(start(u"-video/x-msvideo"_s));
    ASSERT_TRUE(handOver());
    ASSERT_FALSE(waitFor("StreamFileRequest").isNull());
    m_server.write("play " + m_udn.toUtf8() + '\n');
    ASSERT_FALSE(waitFor("converting").isNull());
    ASSERT_EQ(waitFor("playing ", 120000), m_udn.toUtf8());
    ASSERT_EQ(waitFor("state PLAYING", 30000), QByteArray(""));
    EXPECT_GE(positionReaching(2), 2);
    EXPECT_FALSE(waitFor("finished", 30000).isNull());
    QDirIterator copies(m_files.filePath(u"cache/Kavo/MediaServer"_s), { u"*.mp4"_s }, QDir::Files,
        QDirIterator::Subdirectories);
    EXPECT_TRUE(copies.hasNext());
}

} // namespace
