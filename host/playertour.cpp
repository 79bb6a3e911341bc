#include "host/playertour.h"

#include "host/medialistwidget.h"
#include "host/playertoolbarbutton.h"
#include "host/playerwindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QStackedWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {
// Generous: a loaded build machine is slow, and a missing widget is reported
// as a failed step rather than a hang.
constexpr int WaitMs = 10000;
constexpr int TickMs = 40;

const char *const SampleVideos[] = {
    "Beach Holiday 2025.mp4",
    "Birthday Party.mkv",
    "Concert Night.avi",
    "Mountain Trail.mov",
    "Sunday Cooking.m4v",
    "The Long Drive Home.mp4",
};

bool makeClip(const QString &path)
{
    QStringList arguments { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
        QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
        QStringLiteral("testsrc2=size=480x270:rate=25:duration=6"), QStringLiteral("-f"),
        QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=6") };
    const QString suffix = QFileInfo(path).suffix();
    if (suffix == QLatin1String("avi"))
        arguments << QStringLiteral("-c:v") << QStringLiteral("mpeg4") << QStringLiteral("-vtag")
                  << QStringLiteral("DX50") << QStringLiteral("-q:v") << QStringLiteral("5");
    else
        arguments << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
                  << QStringLiteral("veryfast") << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    arguments << QStringLiteral("-c:a")
              << (suffix == QLatin1String("avi") || suffix == QLatin1String("mkv")
                         ? QStringLiteral("libmp3lame")
                         : QStringLiteral("aac"))
              << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit
        && ffmpeg.exitCode() == 0;
}

void say(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}
} // namespace

PlayerTour::PlayerTour(PlayerWindow *window, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_folder(QDir(folder).absolutePath())
{
}

PlayerTour::~PlayerTour()
{
    if (m_pacer) {
        m_pacer->requestInterruption();
        m_pacer->wait();
        delete m_pacer;
    }
    if (m_mediaServer && m_mediaServer->state() != QProcess::NotRunning) {
        m_mediaServer->terminate();
        if (!m_mediaServer->waitForFinished(3000))
            m_mediaServer->kill();
        m_mediaServer->waitForFinished(1000);
    }
}

bool PlayerTour::prepare(const QString &folder, QString *mediaFolder, QString *error)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")) || !QFileInfo(dir.absolutePath()).isWritable()) {
        *error = QStringLiteral("cannot write to %1").arg(folder);
        return false;
    }
    const QString root = dir.absolutePath();
    QDir(root + QStringLiteral("/profile")).removeRecursively();
    for (const char *sub : { "profile/data", "profile/config" }) {
        if (!dir.mkpath(QLatin1String(sub))) {
            *error = QStringLiteral("cannot create %1/%2").arg(root, QLatin1String(sub));
            return false;
        }
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/profile/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/profile/config")));
    qputenv("KAVO_USER_HIVE", QFile::encodeName(root + QStringLiteral("/profile/config/user.db")));
    qputenv("KAVO_MACHINE_HIVE", QFile::encodeName(root + QStringLiteral("/profile/config/machine.db")));
    // The tour switches sharing on: its media server shares on no network.
    if (!qEnvironmentVariableIsSet("KAVO_SHARE_INTERFACES"))
        qputenv("KAVO_SHARE_INTERFACES", "none");
    const QString log = root + QStringLiteral("/transfers.tsv");
    QFile::remove(log);
    qputenv("KAVO_TRANSFER_LOG", QFile::encodeName(log));
    for (const QString &old : dir.entryList({ QStringLiteral("*.png") }, QDir::Files))
        dir.remove(old);
    // The wizard runs in processes of its own: unattended, it leaves its
    // pictures here and closes when done. Disc images go to the profile's videos.
    QDir(root + QStringLiteral("/wizard")).removeRecursively();
    dir.mkpath(QStringLiteral("wizard"));
    qputenv("KAVO_WIZARD_SNAPSHOTS", QFile::encodeName(root + QStringLiteral("/wizard")));
    dir.mkpath(QStringLiteral("profile/videos"));
    QFile userDirs(root + QStringLiteral("/profile/config/user-dirs.dirs"));
    if (userDirs.open(QIODevice::WriteOnly))
        userDirs.write("XDG_VIDEOS_DIR=\"" + QFile::encodeName(root) + "/profile/videos\"\n");

    if (mediaFolder->isEmpty()) {
        const QString media = root + QStringLiteral("/media");
        if (!dir.mkpath(QStringLiteral("media"))) {
            *error = QStringLiteral("cannot create %1").arg(media);
            return false;
        }
        // Short generated clips, so the wizard has real videos to copy and
        // convert; stand-ins where ffmpeg is missing.
        for (const char *name : SampleVideos) {
            const QString path = media + QLatin1Char('/') + QLatin1String(name);
            if (QFileInfo(path).size() > 4096)
                continue;
            if (!makeClip(path)) {
                QFile file(path);
                if (file.open(QIODevice::WriteOnly))
                    file.write("sample video for the Kavo Player tour\n");
            }
        }
        *mediaFolder = media;
    }
    return true;
}

int PlayerTour::run()
{
    say(QStringLiteral("Kavo Player tour: pictures go to %1").arg(m_folder));
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowExposed(m_window, WaitMs))
        say(QStringLiteral("      the window was not exposed in time; going on"));

    struct
    {
        const char *title;
        bool (PlayerTour::*body)();
    } const steps[] = {
        { "Start the player with the Kavo To Go plug-in", &PlayerTour::startPlayer },
        { "Play a video (double-click it)", &PlayerTour::playVideo },
        { "Open the Kavo To Go pane (Tools > Show Kavo To Go)", &PlayerTour::openPane },
        { "Add a device with \"Add a Device\"", &PlayerTour::addDevice },
        { "Edit the device from its menu", &PlayerTour::editDevice },
        { "Drop two videos and a playlist entry on the device", &PlayerTour::dropFiles },
        { "Transfer the library selection with Library > Transfer to", &PlayerTour::transferFromLibraryMenu },
        { "Transfer the video that is playing with Playback > Transfer to",
            &PlayerTour::transferWhatIsPlaying },
        { "Burn the selection with Library > Burn to Disc", &PlayerTour::burnSelection },
        { "Delete the device from its menu", &PlayerTour::deleteDevice },
        { "Close the pane (Ctrl+D)", &PlayerTour::closePane },
        { "Stream the playing video to the media server", &PlayerTour::streaming },
    };
    const int total = int(sizeof steps / sizeof steps[0]);
    for (const auto &entry : steps) {
        ++m_stepNumber;
        say(QStringLiteral("[%1/%2] %3").arg(m_stepNumber).arg(total).arg(QString::fromUtf8(entry.title)));
        if (!step(QString::fromUtf8(entry.title), entry.body)) {
            say(QStringLiteral("FAILED at step %1 (%2): %3")
                    .arg(m_stepNumber)
                    .arg(QString::fromUtf8(entry.title), m_failure));
            shoot(QStringLiteral("failed"));
            return 1;
        }
    }
    say(QStringLiteral("Tour complete: %1 steps passed, %2 pictures in %3")
            .arg(total)
            .arg(m_pictures.size())
            .arg(m_folder));
    return 0;
}

bool PlayerTour::step(const QString &, bool (PlayerTour::*body)())
{
    m_failure.clear();
    m_answerFailures.clear();
    const bool ok = (this->*body)();
    // A blocked modal run left behind would stall every later step.
    dropAnswers();
    if (ok && !m_answerFailures.isEmpty())
        return fail(m_answerFailures.join(QStringLiteral("; ")));
    return ok;
}

bool PlayerTour::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
    return false;
}

bool PlayerTour::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs > 0 ? timeoutMs : WaitMs);
}

void PlayerTour::answer(const QString &what, std::function<bool()> task, bool optional)
{
    m_answers.append(Answer { m_nextAnswerId++, what, std::move(task), optional, false, QElapsedTimer() });
    if (m_pacer)
        return;
    // Ticks come as posted calls from a thread of their own, so they keep
    // coming however deep the modal runs nest.
    m_pacer = QThread::create([this] {
        while (!QThread::currentThread()->isInterruptionRequested()) {
            QThread::msleep(TickMs);
            QMetaObject::invokeMethod(this, &PlayerTour::tick, Qt::QueuedConnection);
        }
    });
    m_pacer->start();
}

void PlayerTour::tick()
{
    if (m_answers.isEmpty())
        return;
    Answer &front = m_answers.first();
    if (qEnvironmentVariableIsSet("KAVO_DEBUG") && !front.started)
        std::fprintf(stderr, "tour: waiting for %s\n", qPrintable(front.what));
    if (!front.started) {
        front.started = true;
        front.clock.start();
    }
    const int id = front.id;
    const QString what = front.what;
    const bool optional = front.optional;
    const qint64 elapsed = front.clock.elapsed();
    const std::function<bool()> task = front.task;
    if (task()) {
        if (!m_answers.isEmpty() && m_answers.first().id == id)
            m_answers.removeFirst();
        return;
    }
    if (elapsed < WaitMs)
        return;
    if (!m_answers.isEmpty() && m_answers.first().id == id)
        m_answers.removeFirst();
    if (optional)
        return;
    m_answerFailures << QStringLiteral("%1 did not happen within %2 s").arg(what).arg(WaitMs / 1000);
    // Unblock whatever is waiting, so the tour can report instead of hanging.
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
        modal->reject();
}

bool PlayerTour::answered(int timeoutMs)
{
    const bool done = waitFor(
        [this] {
            for (const Answer &pending : std::as_const(m_answers)) {
                if (!pending.optional)
                    return false;
            }
            return true;
        },
        timeoutMs > 0 ? timeoutMs : WaitMs + 2000);
    if (!done)
        return fail(QStringLiteral("%1 did not happen").arg(m_answers.first().what));
    if (!m_answerFailures.isEmpty())
        return fail(m_answerFailures.join(QStringLiteral("; ")));
    return true;
}

void PlayerTour::dropAnswers()
{
    m_answers.clear();
}

QString PlayerTour::picture(const QString &name) const
{
    return QStringLiteral("%1/%2-%3.png")
        .arg(m_folder)
        .arg(m_pictures.size() + 1, 2, 10, QLatin1Char('0'))
        .arg(name);
}

bool PlayerTour::shoot(const QString &name, QWidget *only)
{
    QPixmap image;
    if (only) {
        image = only->grab();
    } else {
        // The main window with every pop-up, menu and dialog over it, where
        // they stand on the screen.
        QList<QWidget *> layers { m_window };
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != m_window && top->isVisible() && !qobject_cast<QMenu *>(top))
                layers << top;
        }
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && qobject_cast<QMenu *>(top))
                layers << top;
        }
        QRect bounds;
        for (QWidget *layer : std::as_const(layers))
            bounds |= layer->frameGeometry();
        image = QPixmap(bounds.size());
        image.fill(QColor(0x2b, 0x2b, 0x2b));
        QPainter painter(&image);
        for (QWidget *layer : std::as_const(layers))
            painter.drawPixmap(layer->frameGeometry().topLeft() - bounds.topLeft(), layer->grab());
    }
    const QString path = picture(name);
    if (image.isNull() || !image.save(path))
        return fail(QStringLiteral("cannot write %1").arg(path));
    m_pictures << path;
    say(QStringLiteral("      picture: %1").arg(QFileInfo(path).fileName()));
    return true;
}

QToolButton *PlayerTour::button(const QString &item) const
{
    return m_window->pluginButton(item);
}

QWidget *PlayerTour::pane() const
{
    auto *paneButton = qobject_cast<PlayerToolBarButton *>(button(QStringLiteral("ShowDeviceMenu")));
    return paneButton ? paneButton->popup() : nullptr;
}

QList<QWidget *> PlayerTour::deviceWidgets() const
{
    QList<QWidget *> devices;
    QWidget *panel = pane();
    if (!panel)
        return devices;
    for (QWidget *child : panel->findChildren<QWidget *>()) {
        if (qstrcmp(child->metaObject()->className(), "Zarnet::TransferDeviceWidget") == 0
            && child->isVisible())
            devices << child;
    }
    return devices;
}

QString PlayerTour::deviceName(QWidget *device)
{
    auto *stack = device->findChild<QStackedWidget *>(QStringLiteral("ButtonStack"));
    QWidget *page = stack ? stack->currentWidget() : device;
    for (const char *name : { "ActiveButton", "InactiveButton" }) {
        if (auto *face = page->findChild<QToolButton *>(QLatin1String(name)))
            return face->text();
    }
    return QString();
}

QWidget *PlayerTour::deviceNamed(const QString &name) const
{
    for (QWidget *device : deviceWidgets()) {
        if (deviceName(device) == name)
            return device;
    }
    return nullptr;
}

QDialog *PlayerTour::dialogTitled(const QString &title) const
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QDialog *>(top);
        if (dialog && dialog->isVisible() && dialog->windowTitle() == title)
            return dialog;
    }
    return nullptr;
}

QStringList PlayerTour::wizardPictures(const QString &kind, const QString &what) const
{
    return QDir(m_folder + QStringLiteral("/wizard"))
        .entryList(
            { QStringLiteral("%1-*-%2.png").arg(kind, what) }, QDir::Files, QDir::Time | QDir::Reversed);
}

bool PlayerTour::awaitWizard(const QString &kind, int summariesBefore, const QString &name)
{
    // The wizard is a process of its own; it leaves a picture of its summary
    // and closes. Converting takes a while on a loaded machine.
    if (!waitFor(
            [&] { return wizardPictures(kind, QStringLiteral("summary")).size() > summariesBefore; }, 180000))
        return fail(QStringLiteral("the %1 wizard did not finish").arg(kind));
    const QString summary = wizardPictures(kind, QStringLiteral("summary")).last();
    const QString pid = summary.section(QLatin1Char('-'), 1, 1);
    const QDir shots(m_folder + QStringLiteral("/wizard"));
    for (const QString &what :
        { QStringLiteral("ask"), QStringLiteral("progress"), QStringLiteral("summary") }) {
        const QStringList found
            = shots.entryList({ QStringLiteral("*-%1-%2.png").arg(pid, what) }, QDir::Files);
        if (found.isEmpty())
            continue;
        const QString path = picture(name + QLatin1Char('-') + what);
        if (QFile::copy(shots.filePath(found.first()), path)) {
            m_pictures << path;
            say(QStringLiteral("      picture: %1").arg(QFileInfo(path).fileName()));
        }
    }
    return true;
}

QStringList PlayerTour::newTransfers()
{
    QFile log(QFile::decodeName(qgetenv("KAVO_TRANSFER_LOG")));
    QStringList lines;
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    log.seek(m_logOffset);
    const QByteArray text = log.readAll();
    m_logOffset += text.size();
    for (const QByteArray &line : text.split('\n')) {
        if (!line.isEmpty())
            lines << QString::fromUtf8(line);
    }
    return lines;
}
