// The window's "Stream to ..." part: what it says with no TV, and, inside a
// network namespace of the test's own with gmediarender as the TV, playing
// the handed-over file from the window with pause and stop.
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/refcountedptr.h"
#include "mediaserver/mediaserver.h"
#include "mediaserver/mediaserverwindow.h"
#include "mediaserver/sharingservice.h"
#include "mediaserver/sharingsettings.h"
#include "mediaserver/tvstreamer.h"
#include "tests/mediaserver/tvnetwork.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>

namespace {

QString labelText(const QWidget &window, const QString &name)
{
    const auto *label = window.findChild<QLabel *>(name);
    return label ? label->text() : QString();
}

TEST(StreamToTvWindowTest, SaysWhatToCheckWithNoTvAndExplainsEveryControl)
{
    MediaServer server(false);
    SharingService sharing(&server);
    TvStreamer streamer(&server, &sharing);
    MediaServerWindow window(&server, &sharing, &streamer);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *none = window.findChild<QLabel *>(u"NoRenderer"_s);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->isVisible());
    for (const char *hint : { "switched on", "same network", "DLNA" })
        EXPECT_TRUE(none->text().contains(QLatin1String(hint))) << hint;
    EXPECT_FALSE(window.findChild<QAbstractButton *>(u"PlayOnTv"_s)->isEnabled());
    for (const char *name : { "PlayOnTv", "TvPause", "TvStop", "TvPosition", "Renderers" }) {
        const auto *control = window.findChild<QWidget *>(QLatin1String(name));
        ASSERT_TRUE(control) << name;
        EXPECT_FALSE(control->toolTip().isEmpty()) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
    }
}

// Runs this thread (the GUI thread, where GUPnP runs too) inside the
// server's namespace until destroyed.
class InsideNamespace
{
public:
    explicit InsideNamespace(const QString &name)
        : m_home(open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC))
    {
        const int target
            = open(QByteArray("/var/run/netns/" + name.toUtf8()).constData(), O_RDONLY | O_CLOEXEC);
        m_inside = m_home >= 0 && target >= 0 && setns(target, CLONE_NEWNET) == 0;
        if (target >= 0)
            close(target);
    }
    ~InsideNamespace()
    {
        if (m_inside)
            setns(m_home, CLONE_NEWNET);
        if (m_home >= 0)
            close(m_home);
    }
    bool isInside() const { return m_inside; }

private:
    int m_home;
    bool m_inside = false;
};

TEST(StreamToTvWindowTest, PlaysTheHandedOverFileOnTheChosenTv)
{
    TvNetwork network;
    if (!network.isReady())
        GTEST_SKIP() << "needs root and network namespaces (CI has both); skipped";
    QProcess renderer;
    renderer.setStandardOutputFile(QProcess::nullDevice());
    const QStringList command = network.rendererCommand(QUuid::createUuid().toString(QUuid::WithoutBraces));
    renderer.start(command.first(), command.mid(1));
    ASSERT_TRUE(renderer.waitForStarted(5000));
    InsideNamespace inside(network.server);
    ASSERT_TRUE(inside.isInside());
    qputenv("KAVO_SHARE_INTERFACES", network.serverLink.toUtf8());
    QTemporaryDir files;
    const QString clip = files.filePath(u"Holiday.mp4"_s);
    ASSERT_EQ(runCommand({ u"ffmpeg"_s, u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                             u"testsrc=size=320x240:rate=25"_s, u"-t"_s, u"30"_s, u"-c:v"_s, u"libx264"_s,
                             u"-preset"_s, u"ultrafast"_s, u"-pix_fmt"_s, u"yuv420p"_s, clip },
                  nullptr, 60000),
        0);

    {
        MediaServer server(false);
        SharingService sharing(&server);
        server.setSharing(true);
        TvStreamer streamer(&server, &sharing);
        MediaServerWindow window(&server, &sharing, &streamer);
        window.show();
        server.start();
        kvtl::RefCountedPtr<kvds::IKavoIPC> player;
        ASSERT_TRUE(kvds::CreateNamedPipeIPC("C277327F-6714-4129-A79F-6D8477523D76", true, nullptr, &player));
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.isConnected(); }, 10000));
        const QByteArray path = clip.toLocal8Bit() + '\0';
        int delivered = 0;
        ASSERT_TRUE(player->Send("Player", "DevicePane->KavoMediaServerDialogStreamFileRequest",
            static_cast<unsigned>(path.size()), path.constData(), &delivered));
        auto *renderers = window.findChild<QListWidget *>(u"Renderers"_s);
        ASSERT_TRUE(QTest::qWaitFor([&] { return renderers->count() > 0; }, 20000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return labelText(window, u"TvFile"_s).contains(u"Holiday"_s); }));

        window.findChild<QAbstractButton *>(u"PlayOnTv"_s)->click();
        EXPECT_EQ(SharingSettings::lastRenderer(), renderers->item(0)->data(Qt::UserRole).toString());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return streamer.status().state == u"PLAYING"_s && streamer.status().positionSeconds >= 2; },
            30000))
            << labelText(window, u"TvState"_s).toStdString();
        EXPECT_TRUE(labelText(window, u"TvState"_s).startsWith(u"Playing"_s));
        if (qEnvironmentVariableIsSet("KAVO_SCREENSHOT"))
            window.grab().save(qEnvironmentVariable("KAVO_SCREENSHOT"));

        const struct
        {
            const char *button;
            const char *state;
        } controls[]
            = { { "TvPause", "PAUSED_PLAYBACK" }, { "TvPause", "PLAYING" }, { "TvStop", "STOPPED" } };
        for (const auto &control : controls) {
            window.findChild<QAbstractButton *>(QLatin1String(control.button))->click();
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return streamer.status().state == QLatin1String(control.state); }, 10000))
                << control.state;
        }
    }
    qputenv("KAVO_SHARE_INTERFACES", "none");
    renderer.terminate();
    renderer.waitForFinished(3000);
}

} // namespace
