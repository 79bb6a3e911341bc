// The player with the built plug-in on a real X server (Xvfb) under a real
// window manager (openbox), driven by a real pointer (xdotool): the device
// pane stays above the player when the library is clicked, and a video
// dragged from the library onto a device starts a transfer. Skips only when
// Xvfb cannot start.
#include "host/medialistwidget.h"
#include "host/playerwindow.h"
#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "tests/common/testenvironment.h"
#include "zrt/osutilities.h"
#include "zrt/transferwizard.h"
#include "zrt/zrttoolbarbutton.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gmock/gmock.h>

#include <unistd.h>

namespace {

QString display;

bool waitFor(const std::function<bool()> &done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

// Runs a helper to its end while this process keeps handling its events:
// xdotool's drag is answered by our own event loop.
QString runTool(const QString &program, const QStringList &arguments, int ms = 20000)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForStarted(5000))
        return QString();
    // Before the application exists no event tells that the tool ended.
    if (!QCoreApplication::instance() && !tool.waitForFinished(ms))
        tool.kill();
    if (QCoreApplication::instance()
        && !waitFor([&tool] { return tool.state() == QProcess::NotRunning; }, ms)) {
        tool.kill();
        tool.waitForFinished(2000);
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// Managed windows from bottom to top, as the window manager stacks them.
QList<quint64> stacking()
{
    const QString out = runTool(
        QStringLiteral("xprop"), { QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING") });
    QList<quint64> ids;
    const int hash = out.indexOf(QLatin1Char('#'));
    for (const QString &id : out.mid(hash + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        ids << id.trimmed().toULongLong(nullptr, 16);
    return ids;
}

QStringList at(const QPoint &p)
{
    return { QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()) };
}

QString screenshot(const QString &name)
{
    QString folder = qEnvironmentVariable("KAVO_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = QStringLiteral(KAVO_DEFAULT_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    return path;
}

class WindowManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (display.isEmpty())
            GTEST_SKIP() << "Xvfb could not start";
        ASSERT_TRUE(media.isValid());
        QFile video(media.filePath(QStringLiteral("holiday.mp4")));
        ASSERT_TRUE(video.open(QIODevice::WriteOnly));
    }
    QTemporaryDir media;
};

} // namespace

TEST_F(WindowManagerTest, PaneStaysAbovePlayerAndTakesAVideoDraggedFromTheLibrary)
{
    QProcess devices;
    devices.start(QStringLiteral(KAVO_DEVICES_TOOL),
        { QStringLiteral("add"), QStringLiteral("TV"), QStringLiteral("Bedroom TV") });
    ASSERT_TRUE(devices.waitForFinished(20000));
    ASSERT_EQ(devices.exitCode(), 0) << devices.readAllStandardError().constData();

    QList<QUrl> sent;
    unsigned sentTo = 0;
    Zarnet::TransferWizard::setHook([&](const QList<QUrl> &urls, const QString &, unsigned device) {
        sent = urls;
        sentTo = device;
        return 0;
    });

    PlayerWindow window;
    ASSERT_TRUE(window.openMediaFolder(media.path()));
    ASSERT_TRUE(window.loadPlugin(QStringLiteral(KAVO_PLUGIN_PATH))) << qPrintable(window.pluginError());
    window.setGeometry(100, 100, 1000, 640);
    window.show();
    ASSERT_TRUE(waitFor([&] { return stacking().contains(window.winId()); }, 30000));

    auto *button
        = qobject_cast<Zarnet::ZRTToolBarButton *>(window.pluginButton(QStringLiteral("ShowDeviceMenu")));
    ASSERT_NE(button, nullptr);
    runTool(QStringLiteral("xdotool"),
        at(button->mapToGlobal(button->rect().center())) << QStringLiteral("click") << QStringLiteral("1"));
    QWidget *pane = button->popup();
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(waitFor([&] { return pane->isVisible() && stacking().contains(pane->winId()); }, 30000));
    QWidget *device = nullptr;
    ASSERT_TRUE(waitFor(
        [&] {
            for (QWidget *w : pane->findChildren<QWidget *>())
                if (w->acceptDrops() && w->isVisible() && w->inherits("Zarnet::TransferDeviceWidget"))
                    device = w;
            return device != nullptr;
        },
        5000));

    // A click in the library raises the player; the pane must stay above it.
    MediaListWidget *library = window.libraryList();
    ASSERT_GT(library->count(), 0);
    const QPoint item = library->viewport()->mapToGlobal(library->visualItemRect(library->item(0)).center());
    runTool(QStringLiteral("xdotool"), at(item) << QStringLiteral("click") << QStringLiteral("1"));
    waitFor([] { return false; }, 500);
    const QList<quint64> order = stacking();
    EXPECT_GT(order.indexOf(pane->winId()), order.indexOf(window.winId()));
    const QString shot = screenshot(QStringLiteral("host-pane-above-player.png"));
    EXPECT_TRUE(pane->isVisible()) << qPrintable(shot);
    const QPoint onPane = device->mapToGlobal(device->rect().center());

    // A real drag: press on the video, move past the drag distance, move onto
    // the device and let go there.
    QStringList drag = at(item);
    drag << QStringLiteral("mousedown") << QStringLiteral("1") << at(item + QPoint(12, 12))
         << QStringLiteral("sleep") << QStringLiteral("0.3") << at((item + onPane) / 2)
         << QStringLiteral("sleep") << QStringLiteral("0.3") << at(onPane) << QStringLiteral("sleep")
         << QStringLiteral("0.3") << at(onPane + QPoint(2, 1)) << QStringLiteral("sleep")
         << QStringLiteral("0.5") << QStringLiteral("mouseup") << QStringLiteral("1");
    runTool(QStringLiteral("xdotool"), drag);
    ASSERT_TRUE(waitFor([&] { return !sent.isEmpty(); }, 10000));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().toLocalFile(), QDir(media.path()).filePath(QStringLiteral("holiday.mp4")));
    EXPECT_NE(sentTo, 0u);
    Zarnet::TransferWizard::setHook({});
}

TEST(PlayerMediaFolder, ThePlayerTellsWhichFolderItShows)
{
    QTemporaryDir media;
    PlayerWindow window;
    window.openMediaFolder(media.path() + QStringLiteral("/./"));
    kvtl::RefCountedPtr<kvds::IKavoSettings> general;
    ASSERT_TRUE(kvds::CreateSettings("Settings/" + Zarnet::OSUtilities::getComponentIdUTF8() + "/General",
        kvds::CreateUserOpenMachine, &general));
    std::string stored;
    ASSERT_TRUE(general->GetString(std::string("MediaFolder"), stored));
    EXPECT_EQ(QString::fromStdString(stored), QDir(media.path()).absolutePath());
}

int main(int argc, char **argv)
{
    TestEnvironment environment;
    // A display number of our own; Xvfb and openbox end with this process.
    QProcess server;
    QProcess manager;
    const QString number = QString::number(200 + getpid() % 700);
    if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X") + number)) {
        server.start(QStringLiteral("Xvfb"),
            { QLatin1Char(':') + number, QStringLiteral("-screen"), QStringLiteral("0"),
                QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp") });
        if (server.waitForStarted(5000)
            && waitFor(
                [&] {
                    return QFile::exists(QStringLiteral("/tmp/.X11-unix/X") + number)
                        || server.waitForFinished(1);
                },
                10000)
            && server.state() == QProcess::Running)
            display = QLatin1Char(':') + number;
    }
    if (!display.isEmpty()) {
        qputenv("DISPLAY", display.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        // The socket may be there before the server answers.
        waitFor([] { return !runTool(QStringLiteral("xdpyinfo"), {}, 2000).isEmpty(); }, 10000);
        // openbox names itself on the root window once it manages the screen.
        const auto managing = [] {
            return runTool(QStringLiteral("xprop"),
                { QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK") }, 2000)
                .contains(QLatin1String("window id"));
        };
        for (int attempt = 0; attempt < 2 && !managing(); ++attempt) {
            manager.kill();
            manager.waitForFinished(2000);
            manager.start(QStringLiteral("openbox"), {});
            waitFor(managing, 10000);
        }
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleMock(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    for (QProcess *p : { &manager, &server }) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(5000))
                p->kill();
            p->waitForFinished(2000);
        }
    }
    return result;
}
