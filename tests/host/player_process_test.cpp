// kavo-player as a real process on the offscreen platform: it loads the
// built plug-in, shows its two tool-bar items, and quits cleanly.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace {

struct PlayerRun
{
    bool finished = false;
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QString out;
    QString err;
};

PlayerRun runPlayer(const QStringList &arguments, const QProcessEnvironment &extra = QProcessEnvironment(),
    int timeoutMs = 60000)
{
    QProcess player;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("KAVO_DEBUG"), QStringLiteral("1"));
    for (const QString &key : extra.keys())
        environment.insert(key, extra.value(key));
    // An empty KAVO_DEBUG runs the player as a user would: without diagnostics.
    if (environment.value(QStringLiteral("KAVO_DEBUG")).isEmpty())
        environment.remove(QStringLiteral("KAVO_DEBUG"));
    player.setProcessEnvironment(environment);
    player.start(QStringLiteral(KAVO_PLAYER_PATH), arguments);
    PlayerRun run;
    if (!player.waitForStarted(10000))
        return run;
    run.finished = player.waitForFinished(timeoutMs);
    if (!run.finished) {
        player.kill();
        player.waitForFinished(5000);
    }
    run.exitCode = player.exitCode();
    run.status = player.exitStatus();
    run.out = QString::fromLocal8Bit(player.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(player.readAllStandardError());
    return run;
}

class PlayerProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(media.isValid());
        QFile file(media.filePath(QStringLiteral("holiday.mp4")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir media;
};

} // namespace

TEST_F(PlayerProcessTest, LoadsThePluginShowsItsItemsAndQuitsCleanly)
{
    const PlayerRun run = runPlayer({ QStringLiteral("--plugin"), QStringLiteral(KAVO_PLUGIN_PATH),
        QStringLiteral("--media"), media.path(), QStringLiteral("--quit-after"), QStringLiteral("300") });
    ASSERT_TRUE(run.finished) << qPrintable(run.err);
    EXPECT_EQ(run.status, QProcess::NormalExit) << qPrintable(run.err);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QStringLiteral("tool-bar items ShowDeviceMenu, Streaming")))
        << qPrintable(run.err);
    EXPECT_FALSE(run.err.contains(QStringLiteral("not available"))) << qPrintable(run.err);
}

TEST_F(PlayerProcessTest, PlaysWithWhateverSoundThereIsAndSaysNothingAlarming)
{
    // Whatever sound device the machine has (CI: none), muted by the
    // player's own remembered setting.
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Kavo"));
    QFile settings(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Kavo/kavo-player.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write("[Playback]\nMuted=true\n") > 0);
    settings.close();
    QTemporaryDir clips;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
        { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("testsrc2=size=320x240:duration=3"),
            QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=duration=3"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
            clips.filePath(QStringLiteral("clip.mp4")) });
    ASSERT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);

    for (const char *debug : { "", "1" }) {
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("KAVO_DEBUG"), QLatin1String(debug));
        const PlayerRun run = runPlayer({ QStringLiteral("--plugin"), QStringLiteral(KAVO_PLUGIN_PATH),
                                            QStringLiteral("--media"), clips.path(), QStringLiteral("--play"),
                                            QStringLiteral("--quit-after"), QStringLiteral("2500") },
            extra);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        if (*debug)
            EXPECT_TRUE(run.err.contains(QStringLiteral("first frame of"))) << qPrintable(run.err);
        else
            EXPECT_EQ(run.err.trimmed(), QString()) << "a user would see this";
    }
}

TEST_F(PlayerProcessTest, FindsThePluginThroughTheEnvironment)
{
    // Pointed at a library that is not there, so the default beside the
    // program cannot answer in its place.
    QProcessEnvironment extra;
    const QString elsewhere = media.filePath(QStringLiteral("elsewhere.so"));
    extra.insert(QStringLiteral("KAVO_PLUGIN"), elsewhere);
    const PlayerRun run = runPlayer(
        { QStringLiteral("--media"), media.path(), QStringLiteral("--quit-after"), QStringLiteral("100") },
        extra);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(QStringLiteral("elsewhere.so"))) << qPrintable(run.err);
    EXPECT_FALSE(run.err.contains(QStringLiteral("ShowDeviceMenu"))) << qPrintable(run.err);
}

TEST_F(PlayerProcessTest, AMissingPluginLeavesAPlayerThatStillQuitsCleanly)
{
    const PlayerRun run = runPlayer({ QStringLiteral("--plugin"), media.filePath(QStringLiteral("none.so")),
        QStringLiteral("--media"), media.path(), QStringLiteral("--quit-after"), QStringLiteral("100") });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Kavo To Go is not available"))) << qPrintable(run.err);
}

TEST_F(PlayerProcessTest, BadOptionsAreRefusedWithAMessage)
{
    for (const QStringList &arguments :
        { QStringList { QStringLiteral("--quit-after"), QStringLiteral("soon") },
            QStringList { QStringLiteral("--no-such-option") }, QStringList { QStringLiteral("stray") } }) {
        const PlayerRun run = runPlayer(arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(QLatin1Char(' ')));
        EXPECT_FALSE(run.err.trimmed().isEmpty());
    }
    const PlayerRun help = runPlayer({ QStringLiteral("--help") });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--tour")));
}

TEST_F(PlayerProcessTest, TheTourRunsHeadlessAndLeavesItsPictures)
{
    QTemporaryDir tour;
    ASSERT_TRUE(tour.isValid());
    const PlayerRun run = runPlayer({ QStringLiteral("--plugin"), QStringLiteral(KAVO_PLUGIN_PATH),
                                        QStringLiteral("--tour"), tour.path() },
        QProcessEnvironment(), 240000);
    ASSERT_TRUE(run.finished) << qPrintable(run.out);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.out) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Tour complete"))) << qPrintable(run.out);
    EXPECT_FALSE(run.out.contains(QStringLiteral("FAILED"))) << qPrintable(run.out);
    const QFileInfoList pictures = QDir(tour.path()).entryInfoList({ QStringLiteral("*.png") }, QDir::Files);
    EXPECT_GE(pictures.size(), 15);
    for (const QFileInfo &picture : pictures)
        EXPECT_GT(picture.size(), 1000) << qPrintable(picture.fileName());
    // Its own profile: the devices it made and removed live there.
    EXPECT_TRUE(QDir(tour.filePath(QStringLiteral("profile/data"))).exists());
}
