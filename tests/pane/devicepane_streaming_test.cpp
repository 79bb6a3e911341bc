#include "ipc/cpipetransport.h"
#include "ipc/kavoosnamedpipe.h"
#include "pane/panestyles.h"
#include "tests/pane/panetestsupport.h"
#include "zrt/kavomediaserver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <thread>

namespace {

// kavo-media-server --headless as a real process: its stdout lines are the
// requests it got.
class MediaServerProcess
{
public:
    explicit MediaServerProcess(const char *sharing) { start(sharing); }
    ~MediaServerProcess() { stop(); }

    void start(const char *sharing)
    {
        m_lines.clear();
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kavo-media-server"),
            { QStringLiteral("--headless"), QStringLiteral("--sharing"), QString::fromLatin1(sharing) });
        m_process.waitForStarted(10000);
    }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("quit\n");
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
    void kill()
    {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
        m_process.waitForFinished(5000);
    }
    void command(const char *line) { m_process.write(QByteArray(line) + '\n'); }
    void signal(int number) { ::kill(static_cast<pid_t>(m_process.processId()), number); }

    // Every line printed so far.
    QStringList lines()
    {
        while (m_process.canReadLine())
            m_lines << QString::fromUtf8(m_process.readLine()).trimmed();
        return m_lines;
    }
    QStringList streamed()
    {
        QStringList paths;
        for (const QString &line : lines()) {
            if (line.startsWith(QLatin1String("StreamFileRequest ")))
                paths << line.mid(18);
        }
        return paths;
    }

private:
    QProcess m_process;
    QStringList m_lines;
};

// Runs the GUI thread until the condition holds; bounded, never forever.
template <class Condition> bool waitUntil(Condition condition, int ms = 20000)
{
    return QTest::qWaitFor(condition, ms);
}

class StreamingPane : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The media server program sits beside the tests.
        qputenv("KAVO_MEDIA_SERVER",
            (QCoreApplication::applicationDirPath() + QStringLiteral("/kavo-media-server")).toLocal8Bit());
        Zarnet::KavoMediaServer::setLaunchHook([this] {
            ++launches;
            return 0;
        });
        harness.setUp();
        harness.pane->setupToolBarItem(QStringLiteral("Streaming"), &harness.streamingButton);
        streamTo = harness.streamingButton.popup()->findChild<QToolButton *>(QStringLiteral("StreamToBtn"));
    }
    void TearDown() override { Zarnet::KavoMediaServer::setLaunchHook(nullptr); }

    bool showsOn() { return harness.streamingButton.styleSheet() == Zarnet::PaneStyles::streamingOn(); }
    bool showsOff() { return harness.streamingButton.styleSheet() == Zarnet::PaneStyles::streamingOff(); }

    QString video(const QString &name)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("not really a video");
        return path;
    }
    void play(const QString &path)
    {
        harness.host.playingId = 1;
        harness.host.items.insert(1, QUrl::fromLocalFile(path));
    }

    PaneHarness harness;
    QToolButton *streamTo = nullptr;
    QTemporaryDir dir;
    int launches = 0;
};

} // namespace

TEST_F(StreamingPane, ButtonFollowsTheSharingState)
{
    EXPECT_TRUE(showsOff());
    MediaServerProcess server("on");
    EXPECT_TRUE(waitUntil([&] { return showsOn(); })) << server.lines().join(QLatin1Char('|')).toStdString();
    server.command("sharing off");
    EXPECT_TRUE(waitUntil([&] { return showsOff(); }));
    server.command("sharing on");
    EXPECT_TRUE(waitUntil([&] { return showsOn(); }));
    EXPECT_EQ(harness.streamingButton.sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
}

TEST_F(StreamingPane, TwoPressesBeforeAResponseSendTheSecondPathOnce)
{
    MediaServerProcess server("on");
    ASSERT_TRUE(waitUntil([&] { return showsOn(); }));
    // A non-Latin name must reach the server unchanged.
    const QString first = video(QStringLiteral("first.mp4"));
    const QString second
        = video(QString::fromUtf8("\xd0\xb2\xd0\xb8\xd0\xb4\xd0\xb5\xd0\xbe \xe6\x98\xa0\xe7\x94\xbb.mp4"));
    play(first);
    streamTo->click();
    play(second);
    streamTo->click();
    EXPECT_EQ(launches, 2);
    EXPECT_TRUE(harness.runner.titles().isEmpty());
    ASSERT_TRUE(waitUntil([&] { return !server.streamed().isEmpty(); }));
    // Two more polls: nothing else goes out.
    QTest::qWait(2500);
    EXPECT_EQ(server.streamed(), QStringList { second });
}

TEST_F(StreamingPane, SharingOffWarnsLaunchesAndNeverSendsLater)
{
    MediaServerProcess server("off");
    ASSERT_TRUE(waitUntil([&] { return server.lines().contains(QStringLiteral("StartedRequest")); }));
    play(video(QStringLiteral("movie.mp4")));
    harness.runner.answer(Answers::acceptBox);
    streamTo->click();
    EXPECT_EQ(harness.runner.titles(), QStringList { QStringLiteral("Error Of Stream To...") });
    EXPECT_EQ(launches, 1);
    server.command("sharing on");
    ASSERT_TRUE(waitUntil([&] { return showsOn(); }));
    QTest::qWait(2500);
    EXPECT_TRUE(server.streamed().isEmpty());
}

TEST_F(StreamingPane, KilledServerShowsOffAndARestartedOneGetsThePendingPath)
{
    auto server = std::make_unique<MediaServerProcess>("on");
    ASSERT_TRUE(waitUntil([&] { return showsOn(); }));
    server->kill();
    ASSERT_TRUE(waitUntil([&] { return showsOff(); }));

    // Pending while no server runs: the next first response carries it.
    const QString path = video(QStringLiteral("pending.mp4"));
    play(path);
    harness.pane->updateStreamingStateSlot(true);
    streamTo->click();
    harness.pane->updateStreamingStateSlot(false);
    server = std::make_unique<MediaServerProcess>("on");
    EXPECT_TRUE(waitUntil([&] { return showsOn(); }));
    EXPECT_TRUE(waitUntil([&] { return server->streamed() == QStringList { path }; }))
        << server->lines().join(QLatin1Char('|')).toStdString();
}

TEST_F(StreamingPane, NothingPlayingOrAMissingFileIsReported)
{
    for (int box = 0; box < 3; ++box)
        harness.runner.answer(Answers::acceptBox);
    streamTo->click();
    EXPECT_EQ(harness.runner.titles(), QStringList { QStringLiteral("Video Not Found") });
    play(dir.filePath(QStringLiteral("gone.mp4")));
    streamTo->click();
    EXPECT_EQ(harness.runner.runs().size(), 2u);
    EXPECT_EQ(launches, 0);

    // From the host's menu with the library context: the selection is the source.
    harness.action(2017)->setProperty("context", QStringLiteral("library_context"));
    harness.host.selection = { QUrl::fromLocalFile(video(QStringLiteral("picked.mp4"))) };
    harness.pane->streamToSlot();
    EXPECT_EQ(harness.runner.titles().last(), QStringLiteral("Error Of Stream To..."));
    EXPECT_EQ(launches, 1);
}

TEST_F(StreamingPane, FunctionButtonsFitTheirTexts)
{
    QToolButton *settings
        = harness.streamingButton.popup()->findChild<QToolButton *>(QStringLiteral("SettingsBtn"));
    ASSERT_TRUE(streamTo && settings);
    EXPECT_EQ(streamTo->size(), settings->size());
    const int h = QFontMetrics(streamTo->parentWidget()->font()).height();
    EXPECT_GE(streamTo->width(), 7 * h);
    EXPECT_GE(streamTo->width(), h + QFontMetrics(streamTo->font()).horizontalAdvance(streamTo->text()));
    EXPECT_EQ(streamTo->height(), static_cast<int>(streamTo->width() / 1.6666666666666667));
    EXPECT_EQ(streamTo->iconSize(), QSize(streamTo->height() / 2, streamTo->height() / 2));
}

// A media server that stops reading (hung, or stopped) never stalls the
// window: it shows off after a few silent seconds, and when it goes on it
// finds only whole requests and is shown on again.
TEST_F(StreamingPane, AStoppedServerNeverStallsTheWindowAndIsFoundAgain)
{
    MediaServerProcess server("on");
    ASSERT_TRUE(waitUntil([&] { return showsOn(); }));
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    probe.start();
    server.signal(SIGSTOP);
    QTest::qWait(60000);
    EXPECT_TRUE(showsOff());
    server.signal(SIGCONT);
    const bool on = waitUntil([&] { return showsOn(); });
    const QStringList lines = server.lines();
    EXPECT_TRUE(on) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_LT(longest, 1000);
    EXPECT_TRUE(lines.filter(QStringLiteral("dwLastError")).isEmpty())
        << lines.join(QLatin1Char('|')).toStdString();
}

// A second player finds the pipe names taken: its ticks fail without pausing.
TEST_F(StreamingPane, APipeThatCannotBeMadeCostsTheTickNoPause)
{
    kvds::CPipeTransport first("C277327F-6714-4129-A79F-6D8477523D76", true, nullptr);
    ASSERT_TRUE(first.Connect());
    for (int tick = 0; tick < 3; ++tick) {
        QElapsedTimer clock;
        clock.start();
        harness.pane->checkStreamingSlot();
        EXPECT_LT(clock.elapsed(), 100);
    }
    EXPECT_TRUE(showsOff());
    first.Disconnect();
}

// A media server that went half away before the pane first wrote (it no
// longer reads) must not keep the pipe from the next one: the pane's write
// takes the dead connection, and its pipe then accepts nobody else.
TEST_F(StreamingPane, AHalfGoneServerDoesNotKeepThePipeFromTheNext)
{
    const std::string base = "\\\\.\\Pipe\\C277327F-6714-4129-A79F-6D8477523D76";
    KavoOS::CNamedPipe fromPane, toPane;
    ASSERT_TRUE(waitUntil([&] { return fromPane.Open(base + "_Server2Client"); }));
    ASSERT_TRUE(toPane.Open(base + "_Client2Server"));
    fromPane.Close();
    QTest::qWait(2500); // ticks: the pane has written by now
    KavoOS::CNamedPipe next;
    EXPECT_TRUE(waitUntil([&] { return next.Open(base + "_Server2Client"); }, 10000));
}
