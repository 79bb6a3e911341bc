// Real playback on the FFmpeg back end, silent and offscreen, with clips
// ffmpeg makes for the test.
#include "host/framescaler.h"
#include "host/medialibrary.h"
#include "host/nowplaying.h"
#include "host/playerwindow.h"
#include "host/videoplayer.h"
#include "host/videoview.h"
#include "plugin/interfaceids.h"
#include "plugin/playbackservicesinterface.h"
#include "plugin/plugin.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QVideoFrame>
#include <QVideoSink>

#include <gmock/gmock.h>

#include <cstring>

#include <memory>

namespace {

constexpr int WaitMs = 20000;

bool makeClip(const QString &path, const QString &seconds, const QStringList &codecs)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
        QStringList { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
            QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc2=size=320x240:rate=25:duration=") + seconds, QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=duration=") + seconds }
            + codecs + QStringList { path });
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

const QStringList H264Aac { QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
    QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-c:a"),
    QStringLiteral("aac") };
const QStringList Mpeg2 { QStringLiteral("-c:v"), QStringLiteral("mpeg2video"), QStringLiteral("-c:a"),
    QStringLiteral("mp2") };

class PlaybackTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        VideoPlayer::preferFfmpegBackend();
        clips = std::make_unique<QTemporaryDir>();
        const QDir dir(clips->path());
        ok = makeClip(dir.filePath(QStringLiteral("1 short.mp4")), QStringLiteral("2"), H264Aac)
            && makeClip(dir.filePath(QStringLiteral("3 short.ts")), QStringLiteral("2"), Mpeg2)
            && makeClip(dir.filePath(QStringLiteral("long.mp4")), QStringLiteral("12"), H264Aac)
            && makeClip(dir.filePath(QStringLiteral("wide.mp4")), QStringLiteral("1"),
                QStringList { QStringLiteral("-vf"), QStringLiteral("setsar=4/3") } + H264Aac);
        QFile damaged(dir.filePath(QStringLiteral("2 damaged.mp4")));
        ok = ok && damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray(20000, '\x5a')) == 20000;
    }
    static void TearDownTestSuite() { clips.reset(); }
    void SetUp() override { ASSERT_TRUE(ok) << "ffmpeg could not make the clips"; }

    static QUrl clip(const char *name)
    {
        return QUrl::fromLocalFile(QDir(clips->path()).filePath(QLatin1String(name)));
    }

    static std::unique_ptr<QTemporaryDir> clips;
    static bool ok;
};
std::unique_ptr<QTemporaryDir> PlaybackTest::clips;
bool PlaybackTest::ok = false;

} // namespace

TEST_F(PlaybackTest, FramesReachTheSinkAndThePositionAdvancesForMp4AndMpeg2Ts)
{
    for (const char *name : { "1 short.mp4", "3 short.ts" }) {
        VideoPlayer player(VideoPlayer::Audio::None);
        int frames = 0;
        QObject::connect(player.videoSink(), &QVideoSink::videoFrameChanged,
            [&frames](const QVideoFrame &frame) { frames += frame.isValid() ? 1 : 0; });
        player.play(clip(name));
        EXPECT_TRUE(QTest::qWaitFor([&] { return frames >= 10 && player.position() >= 500; }, WaitMs))
            << name << ": " << frames << " frames, at " << player.position() << " ms";
        // Counted from the item's start, though a TS file's clock starts later.
        EXPECT_LT(player.position(), 1400) << name;
        EXPECT_FALSE(player.hasAudio());
        EXPECT_NEAR(player.duration(), 2000, 300) << name;
    }
}

TEST_F(PlaybackTest, ASeekLandsNearItsTargetAndTheKeysPauseAndSkip)
{
    VideoPlayer player(VideoPlayer::Audio::None);
    VideoView view;
    view.setSink(player.videoSink());
    QObject::connect(&view, &VideoView::togglePauseRequested, &player, &VideoPlayer::togglePause);
    QObject::connect(&view, &VideoView::skipRequested, &player, &VideoPlayer::skip);
    view.resize(320, 240);
    view.show();
    player.play(clip("long.mp4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.framesShown() > 3; }, WaitMs));
    player.seek(8000);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return player.position() >= 7500 && player.position() < 10000; }, WaitMs))
        << player.position();

    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.isPaused(); }, WaitMs));
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.position() < 5500; }, WaitMs)) << player.position();
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.isPlaying(); }, WaitMs));
}

TEST_F(PlaybackTest, VolumeAndMuteAreRememberedInThePlayersOwnSettings)
{
    {
        VideoPlayer first(VideoPlayer::Audio::None);
        first.setVolume(37);
        first.setMuted(true);
        VideoView view;
        QObject::connect(&view, &VideoView::volumeStepRequested, &first,
            [&first](int delta) { first.setVolume(first.volume() + delta); });
        QTest::keyClick(&view, Qt::Key_Up);
        QTest::keyClick(&view, Qt::Key_Up);
        QTest::keyClick(&view, Qt::Key_Down);
    }
    VideoPlayer second(VideoPlayer::Audio::None);
    EXPECT_EQ(second.volume(), 42);
    EXPECT_TRUE(second.isMuted());
    // In the test's own configuration folder, never the real one.
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Kavo/kavo-player.ini");
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("Playback/Volume")).toInt(), 42);
}

TEST_F(PlaybackTest, TheEndStartsTheNextItemAndADamagedFileShowsWhyThenTheNextPlays)
{
    PlayerWindow window;
    window.nowPlaying()->setFailurePauseMs(300);
    ASSERT_TRUE(window.openMediaFolder(clips->path()));
    const QList<MediaLibrary::Item> &items = window.library()->items();
    ASSERT_GE(items.size(), 3);
    window.show();

    // The plug-in asks the host's playback services, found as it finds them.
    PlaybackServicesInterface *services = nullptr;
    for (Orbe::Plugin *plugin : window.pluginContext().loadedPlugins()) {
        void *out = nullptr;
        if (plugin->queryInterface(Orbe::playbackServicesInterfaceId(), &out) == Orbe::Ok)
            services = static_cast<PlaybackServicesInterface *>(out);
    }
    ASSERT_NE(services, nullptr);
    const auto playing = [&](int row) {
        return services->currentItemId() == items.at(row).id
            && services->itemUrl(services->currentItemId()) == window.videoPlayer()->source()
            && window.videoPlayer()->source() == QUrl::fromLocalFile(items.at(row).path);
    };

    window.nowPlaying()->play(items.at(0).id);
    EXPECT_TRUE(QTest::qWaitFor([&] { return playing(0) && window.videoView()->hasFrame(); }, WaitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return playing(1); }, WaitMs)) << "the end did not start the next item";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.nowPlaying()->failure().isEmpty(); }, WaitMs));
    EXPECT_THAT(window.videoView()->message().toStdString(), ::testing::HasSubstr("cannot be played"));
    EXPECT_THAT(window.videoView()->message().toStdString(), ::testing::HasSubstr("damaged"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return playing(2) && window.videoView()->hasFrame(); }, WaitMs))
        << "after the damaged file: " << services->currentItemId();
    // Past the last item the player comes to rest.
    EXPECT_TRUE(QTest::qWaitFor([&] { return services->currentItemId() == 0; }, WaitMs));
}

TEST_F(PlaybackTest, ALongTitleEndsInAnEllipsisInTheBarAndIsToldWholeOnHover)
{
    QTemporaryDir folder;
    const QString longTitle
        = QStringLiteral("A long day at the lake with the whole family ").repeated(4).trimmed();
    for (const QString &title : { QStringLiteral("Lake"), longTitle })
        ASSERT_TRUE(QFile::copy(QDir(clips->path()).filePath(QStringLiteral("1 short.mp4")),
            QDir(folder.path()).filePath(title + QStringLiteral(".mp4"))));
    PlayerWindow window;
    ASSERT_TRUE(window.openMediaFolder(folder.path()));
    window.show();
    auto *label = window.findChild<QLabel *>(QStringLiteral("NowPlayingLabel"));
    ASSERT_NE(label, nullptr);
    for (const MediaLibrary::Item &item : window.library()->items()) {
        window.nowPlaying()->play(item.id);
        ASSERT_TRUE(QTest::qWaitFor([&] { return label->toolTip() == item.title; }, WaitMs))
            << item.title.toStdString();
        const bool cut = item.title == longTitle;
        EXPECT_EQ(label->text().endsWith(QChar(0x2026)), cut) << label->text().toStdString();
        EXPECT_EQ(label->text().contains(item.title), !cut) << label->text().toStdString();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->maximumWidth());
    }
}

TEST_F(PlaybackTest, FullScreenOnDoubleClickOrFAndBackOnEsc)
{
    PlayerWindow window;
    window.show();
    VideoView *view = window.videoView();
    QWidget *home = view->parentWidget();
    ASSERT_NE(qobject_cast<QSplitter *>(home), nullptr);
    const int index = qobject_cast<QSplitter *>(home)->indexOf(view);
    QTest::mouseDClick(view, Qt::LeftButton);
    EXPECT_TRUE(view->isFullScreenView());
    EXPECT_TRUE(view->isWindow());
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isFullScreenView());
    EXPECT_EQ(view->parentWidget(), home);
    EXPECT_EQ(qobject_cast<QSplitter *>(home)->indexOf(view), index);
    QTest::keyClick(view, Qt::Key_F);
    EXPECT_TRUE(view->isWindow());
    QTest::keyClick(view, Qt::Key_F);
    EXPECT_FALSE(view->isWindow());
}

TEST(FrameScalerTest, ScalesKnownFormatsToTheShownSizeAndDeclinesOthers)
{
    struct Case
    {
        QVideoFrameFormat::PixelFormat format;
        uchar luma;
        bool scaled;
    } const cases[] = { { QVideoFrameFormat::Format_YUV420P, 235, true },
        { QVideoFrameFormat::Format_NV12, 16, true }, { QVideoFrameFormat::Format_ARGB8888, 0, false } };
    FrameScaler scaler;
    for (const Case &c : cases) {
        QVideoFrame frame(QVideoFrameFormat(QSize(64, 48), c.format));
        ASSERT_TRUE(frame.map(QVideoFrame::WriteOnly));
        // Luma as given, chroma neutral: white or black.
        for (int plane = 0; plane < frame.planeCount(); ++plane)
            std::memset(frame.bits(plane), plane == 0 ? c.luma : 128, size_t(frame.mappedBytes(plane)));
        frame.unmap();
        const QImage image = scaler.scaled(frame, QSize(32, 24));
        ASSERT_EQ(!image.isNull(), c.scaled) << c.format;
        if (c.scaled) {
            EXPECT_EQ(image.size(), QSize(32, 24));
            EXPECT_NEAR(qGray(image.pixel(16, 12)), c.luma == 235 ? 255 : 0, 8) << c.format;
        }
    }
}

TEST_F(PlaybackTest, NextAndPreviousFollowTheQueueAndStopPastItsEnd)
{
    MediaLibrary library;
    ASSERT_TRUE(library.loadFolder(clips->path()));
    NowPlaying playing(&library);
    QList<qint64> order;
    for (const MediaLibrary::Item &item : library.items())
        order << item.id;
    playing.setQueue([&order] { return order; });
    playing.play(order.at(1));
    playing.next();
    EXPECT_EQ(playing.currentItemId(), order.at(2));
    playing.previous();
    playing.previous();
    EXPECT_EQ(playing.currentItemId(), order.at(0));
    playing.previous(); // nothing before the first: it stays
    EXPECT_EQ(playing.currentItemId(), order.at(0));
    playing.play(order.last());
    playing.next();
    EXPECT_EQ(playing.currentItemId(), 0);
}

TEST_F(PlaybackTest, PicturesAreShownAtTheirDisplayAspect)
{
    struct Case
    {
        const char *name;
        double aspect;
    } const cases[] = { { "1 short.mp4", 4.0 / 3 }, { "3 short.ts", 4.0 / 3 }, { "wide.mp4", 16.0 / 9 },
        { "2 damaged.mp4", 0 } };
    for (const Case &c : cases)
        EXPECT_NEAR(VideoPlayer::probeDisplayAspect(clip(c.name).toLocalFile()), c.aspect, 0.01) << c.name;

    // Square pixels 320x240 that are meant to be seen at 16:9.
    VideoPlayer player(VideoPlayer::Audio::None);
    VideoView view;
    view.setSink(player.videoSink());
    QObject::connect(&player, &VideoPlayer::displayAspectChanged, &view, &VideoView::setDisplayAspect);
    view.resize(400, 400);
    view.show();
    player.play(clip("wide.mp4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.hasFrame(); }, WaitMs));
    const QRect shown = view.pictureRect();
    EXPECT_EQ(shown.width(), 400);
    EXPECT_NEAR(shown.height(), 225, 2);
}
