// The wizard's window driven headless, as a user would, against generated
// clips and a folder destination; its questions are answered by the test.
#include "devices/devicetype.h"
#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "tests/transfer/testclips.h"
#include "tests/wizard/wizardtestsupport.h"
#include "wizard/burndialog.h"
#include "wizard/destinationdialog.h"
#include "wizard/destinationstore.h"
#include "wizard/devicelookup.h"
#include "wizard/removablevolumes.h"
#include "wizard/transferwizardwindow.h"
#include "wizard/wizardcommand.h"
#include "zrt/interfacelanguage.h"
#include "zrt/osutilities.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <sys/mount.h>
#include <unistd.h>

using namespace Zarnet;
using TransferDevicesLibrary::TransferDevice;
using TransferDevicesLibrary::TransferDevices;

namespace {

constexpr int TransferMs = 120000;
const QStringList TwoClips { QStringLiteral("clip (2).mp4"), QStringLiteral("clip.mp4") };

// Stands in for the desktop's file manager.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// The picture of a window, for a person to look at: KAVO_SCREENSHOT_DIR, else
// <build>/screenshots.
void saveScreenshot(QWidget &window, const QString &name)
{
    QString folder = qEnvironmentVariable("KAVO_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = QStringLiteral(KAVO_DEFAULT_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    EXPECT_TRUE(window.grab().save(QDir(folder).filePath(name))) << qPrintable(folder);
}

// What "Open folder" on the summary asks the desktop to open.
QList<QUrl> openedByOpenFolder(TransferWizardWindow &window)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    window.findChild<QPushButton *>(QStringLiteral("OpenFolder"))->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    return catcher.urls;
}

class TransferWizardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(TestClips::folder().isEmpty());
        // English, with the plural forms the wizard's process loads.
        qputenv("KAVO_LANGUAGE", "en");
        InterfaceLanguage::install();
        m_to = m_dir.filePath(QStringLiteral("stick"));
        QDir().mkpath(m_to);
        m_iso = m_dir.filePath(QStringLiteral("films.iso"));
        TransferWizardWindow::setRunner([this](QDialog &dialog) { return answer(dialog); });
    }
    void TearDown() override
    {
        TransferWizardWindow::setRunner(nullptr);
        RemovableVolumes::setSystemRoot(QStringLiteral("/"));
        qunsetenv("KAVO_FFMPEG");
    }

    static TransferDevices *store() { return TransferDevices::instance(OSUtilities::getComponentIdUTF8()); }

    static QStringList clip() { return { TestClips::path(TestClips::Mp4H264Aac) }; }

    // Where a device's videos go: a folder, or a folder on the stick with that UUID.
    static void remember(unsigned id, const char *name, const QString &path, const QString &uuid = {},
        int type = TransferDevicesLibrary::TV, const char *label = "KAVOSTICK")
    {
        DestinationStore::Destination place;
        place.kind
            = uuid.isEmpty() ? DestinationStore::Destination::Folder : DestinationStore::Destination::Volume;
        place.path = path;
        place.uuid = uuid;
        place.label = QString::fromUtf8(label);
        EXPECT_TRUE(DestinationStore::save(id, QString::fromUtf8(name), type, place));
    }
    static unsigned tvThatRemembers(const char *name, const QString &path, const QString &uuid = {})
    {
        const unsigned id = addDevice(TransferDevicesLibrary::TV, name);
        remember(id, name, path, uuid);
        return id;
    }

    // A converter that writes its part, then hangs or does what ending says.
    void fakeConverter(const QByteArray &ending = {})
    {
        const QString path = m_bin.filePath(QStringLiteral("ffmpeg"));
        qputenv("KAVO_FFMPEG",
            (ending.isEmpty() ? fakeFfmpeg(path) : fakeFfmpeg(path, ending.constData())).toLocal8Bit());
    }

    static QPushButton *button(QWidget &window, const char *name)
    {
        return window.findChild<QPushButton *>(QLatin1String(name));
    }
    static QProgressBar *bar(TransferWizardWindow &window, int row)
    {
        return qobject_cast<QProgressBar *>(window.rows()->itemWidget(
            window.rows()->topLevelItem(row), TransferWizardWindow::ProgressColumn));
    }

    static unsigned addDevice(int type, const char *name)
    {
        std::unique_ptr<TransferDevice> device(store()->createDevice(type, name));
        EXPECT_TRUE(device) << name;
        return device ? device->deviceId() : 0;
    }

    int answer(QDialog &dialog)
    {
        if (auto *burn = qobject_cast<BurnDialog *>(&dialog)) {
            EXPECT_EQ(burn->type(), TransferDevicesLibrary::DVDPlayer);
            EXPECT_EQ(burn->disc(), DiscSize::Dvd);
            EXPECT_TRUE(burn->drive().isEmpty());
            if (!m_disc.isEmpty())
                burn->addDrive(QStringLiteral("stdio:") + m_disc, QStringLiteral("Test disc"));
            burn->setIsoPath(m_iso);
            return QDialog::Accepted;
        }
        if (auto *destination = qobject_cast<DestinationDialog *>(&dialog)) {
            ++m_asked;
            m_offered = destination->volumeList()->count();
            destination->setFolder(m_to);
            return QDialog::Accepted;
        }
        if (auto *chooser = qobject_cast<QFileDialog *>(&dialog)) {
            m_chooserFolder = chooser->directory().absolutePath();
            return QDialog::Rejected;
        }
        auto *box = qobject_cast<QMessageBox *>(&dialog);
        if (box) {
            m_boxes << box->objectName();
            for (QAbstractButton *button : box->buttons()) {
                if (button->text().remove(QLatin1Char('&')).startsWith(m_click)) {
                    button->click();
                    return QDialog::Accepted;
                }
            }
        }
        return QDialog::Rejected;
    }

    template <class Window = TransferWizardWindow>
    std::unique_ptr<Window> start(const QStringList &files, unsigned id)
    {
        m_ended = false;
        auto window = std::make_unique<Window>(files, id);
        QObject::connect(window.get(), &TransferWizardWindow::ended, [this] { m_ended = true; });
        window->show();
        window->begin();
        return window;
    }
    bool ended()
    {
        return QTest::qWaitFor([this] { return m_ended; }, TransferMs);
    }
    // Runs the window to its summary.
    std::unique_ptr<TransferWizardWindow> run(const QStringList &files, unsigned id)
    {
        auto window = start(files, id);
        EXPECT_TRUE(ended());
        return window;
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_bin;
    QString m_to;
    QString m_iso;
    QString m_disc; // burned to as a drive when set
    int m_asked = 0;
    int m_offered = 0; // sticks the destination dialog listed
    QString m_click;
    QStringList m_boxes;
    QString m_chooserFolder;
    bool m_ended = false;
};

// A file system of our own for the destination: read-only, or tiny.
class Mount
{
public:
    Mount(const QString &point, unsigned long flags, const char *options)
        : m_point(QFile::encodeName(point))
    {
        QDir().mkpath(point);
        m_mounted = ::mount("tmpfs", m_point.constData(), "tmpfs", flags, options) == 0;
    }
    ~Mount()
    {
        if (m_mounted)
            ::umount(m_point.constData());
    }
    bool mounted() const { return m_mounted; }

private:
    QByteArray m_point;
    bool m_mounted = false;
};

TEST_F(TransferWizardTest, RowsAndSummaryMatchWhatArrived)
{
    const unsigned id = addDevice(TransferDevicesLibrary::TV, "Kitchen TV");
    const QString missing = m_dir.filePath(QStringLiteral("gone.mp4"));
    auto window
        = run({ TestClips::path(TestClips::Mp4H264Aac), TestClips::path(TestClips::AviAspMp3), missing }, id);

    // The converted AVI is an MP4 too, so it takes the next free name.
    const QStringList arrived = folderEntries(m_to);
    EXPECT_EQ(arrived, TwoClips);

    struct Row
    {
        const char *action;
        const char *progress;
    } const rows[] = { { "Copy", "Arrived" }, { "Convert", "Arrived" }, { "", "Failed" } };
    QTreeWidget *list = window->rows();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        EXPECT_EQ(row->text(TransferWizardWindow::ActionColumn), QLatin1String(rows[i].action)) << i;
        ASSERT_TRUE(bar(*window, i));
        EXPECT_EQ(bar(*window, i)->format(), QLatin1String(rows[i].progress)) << i;
        EXPECT_FALSE(row->text(TransferWizardWindow::ReasonColumn).isEmpty()) << i;
        EXPECT_TRUE(row->data(0, Qt::AccessibleTextRole).toString().startsWith(row->text(0))) << i;
    }
    const QString summary = window->summary();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("2 of 3 videos arrived in ") + m_to))
        << summary.toStdString();
    for (const QString &name : arrived)
        EXPECT_TRUE(summary.contains(name)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("gone.mp4 failed: "))) << summary.toStdString();
    EXPECT_FALSE(window->succeeded());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("2 of 3 videos arrived"));
    EXPECT_EQ(window->findChild<QProgressBar *>(QStringLiteral("TransferOverall"))->value(), 2000 / 3);
    EXPECT_EQ(bar(*window, 2)->value(), 0);
    EXPECT_FALSE(list->topLevelItem(2)->icon(TransferWizardWindow::FileColumn).isNull());
    EXPECT_TRUE(window->retryFiles().isEmpty()); // the video is at fault, not the destination
    EXPECT_EQ(openedByOpenFolder(*window), QList<QUrl> { QUrl::fromLocalFile(m_to) });
}

TEST_F(TransferWizardTest, CancelFromTheWindowLeavesNothing)
{
    const unsigned id = addDevice(TransferDevicesLibrary::DVDPlayer, "Bedroom DVD");
    fakeConverter();
    m_click = QStringLiteral("Stop");
    const auto window = start({ TestClips::path(TestClips::MkvH264Mp3Srt), clip().first() }, id);
    // The hanging converter has written its part.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !folderEntries(m_to).isEmpty(); }, TransferMs));
    // Closing asks first; going on keeps it running.
    m_click = QStringLiteral("Go On");
    window->close();
    EXPECT_TRUE(window->isRunning());
    m_click = QStringLiteral("Stop");
    QTest::keyClick(window.get(), Qt::Key_Escape);
    ASSERT_TRUE(ended());
    EXPECT_EQ(m_boxes, QStringList(2, QStringLiteral("StopTransfer")));
    EXPECT_EQ(folderEntries(m_to), QStringList());
    EXPECT_TRUE(window->summary().startsWith(QStringLiteral("0 of 2 videos arrived")))
        << window->summary().toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Stopped"));
    EXPECT_EQ(window->findChild<QProgressBar *>(QStringLiteral("TransferOverall"))->value(), 0);
}

TEST_F(TransferWizardTest, ADestinationThatFailsCanBeChanged)
{
    Mount readOnly(m_dir.filePath(QStringLiteral("ro")), MS_RDONLY, "size=64k");
    Mount tiny(m_dir.filePath(QStringLiteral("tiny")), 0, "size=16k");
    if (!readOnly.mounted() || !tiny.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here";
    const QString ro = m_dir.filePath(QStringLiteral("ro"));
    const QString full = m_dir.filePath(QStringLiteral("tiny"));

    // Refused where it is chosen, with the reason.
    EXPECT_TRUE(DestinationDialog::writeProblem(ro).contains(QStringLiteral("can only be read")));
    EXPECT_FALSE(DestinationDialog::writeProblem(m_dir.filePath(QStringLiteral("none"))).isEmpty());
    EXPECT_EQ(DestinationDialog::writeProblem(m_to), QString());
    DestinationDialog dialog(QStringLiteral("Den TV"), QString());
    dialog.setFolder(ro);
    EXPECT_FALSE(dialog.problemShown().isEmpty());
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    // Remembered read-only from before: asked again instead of failing.
    const unsigned id = tvThatRemembers("Den TV", ro);
    EXPECT_TRUE(run(clip(), id)->succeeded());
    EXPECT_EQ(m_asked, 1);

    // Full mid-run: the summary offers the files again, elsewhere.
    remember(id, "Den TV", full);
    m_to = m_dir.filePath(QStringLiteral("elsewhere"));
    QDir().mkpath(m_to);
    auto window = run(clip(), id);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Nothing arrived"));
    EXPECT_EQ(window->retryFiles(), clip());
    auto *tryAgain = button(*window, "TryAgain");
    auto *another = button(*window, "ChooseAnotherFolder");
    ASSERT_TRUE(tryAgain && another);
    EXPECT_TRUE(tryAgain->isVisible() && another->isVisible());
    saveScreenshot(*window, QStringLiteral("wizard-failed-destination.png"));
    m_ended = false;
    another->click();
    ASSERT_TRUE(ended());
    EXPECT_TRUE(window->succeeded());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("1 of 1 video arrived"));
    EXPECT_EQ(folderEntries(m_to), QStringList { QStringLiteral("clip.mp4") });
    EXPECT_FALSE(tryAgain->isVisible());

    // No file manager at all: the window stays and says where the files are.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", m_dir.filePath(QStringLiteral("none")).toLocal8Bit());
    button(*window, "OpenFolder")->click();
    qputenv("PATH", path);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->findChild<QLabel *>(QStringLiteral("TransferStatus"))->text().contains(m_to));
}

TEST_F(TransferWizardTest, ARememberedDestinationChangesUntilAVideoArrived)
{
    const QString before = m_dir.filePath(QStringLiteral("before"));
    QDir().mkpath(before);
    const unsigned id = tvThatRemembers("Study TV", before);
    fakeConverter();
    const QString mkv = TestClips::path(TestClips::MkvH264Mp3Srt);

    // Once a video is there the others follow it: one folder, not two halves.
    auto together = start({ clip().first(), mkv }, id);
    auto *change = button(*together, "ChangeDestination");
    ASSERT_TRUE(QTest::qWaitFor([&] { return folderEntries(before).size() == 2; }, TransferMs));
    // The arrival reaches the window after the next part is begun.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !change->isEnabled(); }, TransferMs));
    together->stop();
    ASSERT_TRUE(ended());

    // Until then "Change…" stops the run, removes its part and starts over there.
    auto window = start({ mkv }, id);
    change = button(*window, "ChangeDestination");
    // Planned, and the converter's part written.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !window->rows()->topLevelItem(0)->text(TransferWizardWindow::ActionColumn).isEmpty()
                && folderEntries(before).size() == 2;
        },
        TransferMs));
    EXPECT_TRUE(change->isEnabled() && change->isVisible());
    EXPECT_TRUE(folderEntries(before).join(QLatin1Char(' ')).contains(QStringLiteral(".kavo-part")));
    saveScreenshot(*window, QStringLiteral("wizard-change-while-running.png"));
    qunsetenv("KAVO_FFMPEG");
    change->click();
    ASSERT_TRUE(ended());
    EXPECT_EQ(m_asked, 1);
    EXPECT_TRUE(window->succeeded()) << window->summary().toStdString();
    EXPECT_EQ(window->folder(), m_to);
    EXPECT_EQ(folderEntries(before), QStringList { QStringLiteral("clip.mp4") });
    EXPECT_EQ(folderEntries(m_to), QStringList { QStringLiteral("clip with subtitles.mkv") });
    DestinationStore::Destination now;
    ASSERT_TRUE(DestinationStore::load(id, QStringLiteral("Study TV"), TransferDevicesLibrary::TV, &now));
    EXPECT_EQ(now.path, m_to);
}

// Stands in for an engine that finds each video already on the device
// unless it is asked to send it again.
class AlreadyThereWindow : public TransferWizardWindow
{
public:
    using TransferWizardWindow::TransferWizardWindow;

protected:
    const QVector<TransferItem> &items() const override
    {
        // Rebuilt only on a change, so what a caller holds stays valid.
        QVector<TransferItem> items = TransferWizardWindow::items();
        for (TransferItem &item : items)
            item.state = item.state == TransferItem::Arrived && !request().sendAgain
                ? TransferItem::AlreadyThere
                : item.state;
        if (!std::equal(items.cbegin(), items.cend(), m_items.cbegin(), m_items.cend(),
                [](const TransferItem &a, const TransferItem &b) { return a.state == b.state; }))
            m_items = items;
        return m_items;
    }

private:
    mutable QVector<TransferItem> m_items;
};

TEST_F(TransferWizardTest, AlreadyOnTheDeviceAndSentAgain)
{
    const unsigned id = addDevice(TransferDevicesLibrary::TV, "Attic TV");
    const auto window = start<AlreadyThereWindow>(clip(), id);
    ASSERT_TRUE(ended());
    EXPECT_EQ(bar(*window, 0)->format(), QStringLiteral("Already on the device"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Already on the device"));
    EXPECT_TRUE(window->summary().contains(QStringLiteral("clip.mp4 is already on the device as clip.mp4")))
        << window->summary().toStdString();
    EXPECT_TRUE(window->succeeded());
    auto *again = button(*window, "SendAgain");
    ASSERT_TRUE(again && again->isVisible());
    saveScreenshot(*window, QStringLiteral("wizard-already-there.png"));

    m_ended = false;
    again->click();
    EXPECT_TRUE(window->request().sendAgain);
    EXPECT_EQ(window->request().files, clip());
    ASSERT_TRUE(ended());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("1 of 1 video arrived"));
}

// A stick of our own, on a loop device: plugged in and pulled for real. FAT
// as sticks come, where the kernel has it; else ext4, which every kernel has.
class LoopStick
{
public:
    LoopStick(const QString &image, const QString &point)
        : m_point(QFile::encodeName(point))
    {
        const struct
        {
            const char *type;
            const char *mkfs;
            const char *uuid;
        } kinds[] = { { "vfat", "mkfs.vfat -n %1 -i 2A3B4C5D %2", "2A3B-4C5D" },
            { "ext4", "mkfs.ext4 -q -L %1 -U 2a3b4c5d-7e8f-4a1b-9c2d-3e4f5a6b7c8d %2",
                "2a3b4c5d-7e8f-4a1b-9c2d-3e4f5a6b7c8d" } };
        QFile known(QStringLiteral("/proc/filesystems"));
        const QByteArray types = known.open(QIODevice::ReadOnly) ? known.readAll() : QByteArray();
        QDir().mkpath(point);
        QFile file(image);
        if (::geteuid() != 0 || !QFile::exists(QStringLiteral("/dev/loop-control"))
            || !file.open(QIODevice::WriteOnly) || !file.resize(16 << 20))
            return;
        file.close();
        for (const auto &kind : kinds) {
            QByteArray device;
            if (types.contains(QByteArray(QByteArray("\t") + kind.type + '\n'))
                && TestClips::run(QString::fromLatin1(kind.mkfs).section(QLatin1Char(' '), 0, 0),
                    args(kind.mkfs, { QStringLiteral("KAVOSTICK"), image }).mid(1))
                && TestClips::run(QStringLiteral("losetup"), args("--find --show %1", { image }), &device)) {
                m_type = kind.type;
                m_uuid = QString::fromLatin1(kind.uuid);
                m_device = device.trimmed();
                return;
            }
        }
    }
    ~LoopStick()
    {
        pull();
        if (!m_device.isEmpty())
            TestClips::run(
                QStringLiteral("losetup"), { QStringLiteral("-d"), QString::fromLatin1(m_device) });
    }
    QString device() const { return QString::fromLatin1(m_device); }
    QString uuid() const { return m_uuid; }
    bool plugIn()
    {
        return !m_device.isEmpty()
            && ::mount(m_device.constData(), m_point.constData(), m_type, 0, nullptr) == 0;
    }
    // As a pulled stick: the path goes at once, files open on it stay open.
    bool pull() { return ::umount2(m_point.constData(), MNT_DETACH) == 0; }

private:
    QByteArray m_point;
    QByteArray m_device;
    const char *m_type = nullptr;
    QString m_uuid;
};

TEST_F(TransferWizardTest, APulledStickIsWaitedForAndGetsWhatDidNotArrive)
{
    const QString point = QFileInfo(m_dir.path()).canonicalFilePath() + QStringLiteral("/stick-mount");
    LoopStick stick(m_dir.filePath(QStringLiteral("stick.img")), point);
    if (stick.device().isEmpty() || !stick.plugIn())
        GTEST_SKIP() << "needs root, loop devices and mkfs.vfat or mkfs.ext4";
    // The loop device stands as a stick on USB; the mount table is the real one.
    QTemporaryDir root;
    FakeSystem system(root.path());
    system.addPartition(QStringLiteral("loop"), stick.device().mid(9).toInt(),
        QStringLiteral("0000:00:14.0/usb2/2-1/host7"), true, stick.uuid(), QStringLiteral("KAVOSTICK"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc"), root.filePath(QStringLiteral("proc"))));
    RemovableVolumes::setSystemRoot(root.path());
    const unsigned id = tvThatRemembers("Cabin TV", QStringLiteral("Videos"), stick.uuid());

    // The converter writes its part, then ends once the stick is gone.
    const QString pulled = m_dir.filePath(QStringLiteral("pulled"));
    fakeConverter(QStringLiteral("while [ ! -e '%1' ]; do sleep 0.05; done").arg(pulled).toUtf8());
    const QStringList files { TestClips::path(TestClips::MkvH264Mp3Srt), clip().first() };
    const QString videos = point + QStringLiteral("/Videos");
    auto window = start(files, id);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !folderEntries(videos).isEmpty(); }, TransferMs));
    ASSERT_TRUE(stick.pull());
    QFile(pulled).open(QIODevice::WriteOnly);
    ASSERT_TRUE(ended());
    qunsetenv("KAVO_FFMPEG");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Nothing arrived"));
    EXPECT_TRUE(window->summary().contains(QStringLiteral("The USB stick “KAVOSTICK” was removed.")))
        << window->summary().toStdString();
    EXPECT_EQ(window->retryFiles(), files);
    auto *wait = button(*window, "TryAgain");
    ASSERT_TRUE(wait && wait->isVisible());
    EXPECT_EQ(wait->text(), QStringLiteral("&Wait for “KAVOSTICK”"));
    saveScreenshot(*window, QStringLiteral("wizard-stick-pulled.png"));

    m_ended = false;
    wait->click();
    EXPECT_TRUE(window->isWaitingForVolume());
    ASSERT_TRUE(stick.plugIn());
    ASSERT_TRUE(ended());
    EXPECT_TRUE(window->succeeded()) << window->summary().toStdString();
    // Nothing half done from the first try: the part went with the failure.
    EXPECT_EQ(folderEntries(videos),
        (QStringList { QStringLiteral("clip with subtitles.mkv"), QStringLiteral("clip.mp4") }));
}

TEST_F(TransferWizardTest, TheDiscImageFieldShowsItsWholePath)
{
    BurnDialog dialog;
    const QString path = m_dir.filePath(QStringLiteral("Videos/Holidays/Summer in the mountains.iso"));
    dialog.setIsoPath(path);
    auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("DiscImagePath"));
    dialog.show();
    EXPECT_GE(field->width(), std::min(640, field->fontMetrics().horizontalAdvance(path)));
}

TEST_F(TransferWizardTest, ADevicesOwnTransferStartsInThePlayersMediaFolder)
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> general;
    ASSERT_TRUE(kvds::CreateSettings(
        "Settings/" + OSUtilities::getComponentIdUTF8() + "/General", kvds::CreateUserOpenMachine, &general));
    ASSERT_TRUE(general->SetString(std::string("MediaFolder"), m_to.toStdString()));
    const unsigned id = addDevice(TransferDevicesLibrary::TV, "Den TV");
    run({}, id);
    EXPECT_EQ(m_chooserFolder, m_to);
}

TEST(TransferWizardSpeed, InAUnitThatFitsTheAction)
{
    struct Case
    {
        TransferProgress::Stage stage;
        double bytesPerSecond;
        double realTime;
        const char *text;
    } const cases[] = {
        { TransferProgress::Copying, 2.5e6, 0, "2.5 MB/s" },
        { TransferProgress::Converting, 5, 3.24, "3.2× real time" },
        { TransferProgress::Converting, 5, 0, "" },
        { TransferProgress::Flushing, 2.5e6, 0, "" },
    };
    for (const Case &c : cases) {
        TransferProgress progress;
        progress.stage = c.stage;
        progress.bytesPerSecond = c.bytesPerSecond;
        progress.realTimeFactor = c.realTime;
        EXPECT_EQ(TransferWizardWindow::speedText(progress), QString::fromUtf8(c.text)) << c.text;
    }
}

TEST_F(TransferWizardTest, DestinationAskedOnceAndAgainForAReusedId)
{
    const unsigned id = addDevice(TransferDevicesLibrary::TV, "Den TV");
    EXPECT_TRUE(run(clip(), id)->succeeded());
    EXPECT_TRUE(run(clip(), id)->succeeded());
    EXPECT_EQ(m_asked, 1);
    // The same file sent to the same place again is known there: not copied twice.
    EXPECT_EQ(folderEntries(m_to), QStringList { QStringLiteral("clip.mp4") });

    // The highest id is given out again after a delete.
    TransferDevice *old = store()->deviceById(id);
    ASSERT_TRUE(old && store()->removeDevice(old));
    ASSERT_EQ(addDevice(TransferDevicesLibrary::TV, "Garage TV"), id);
    run(clip(), id);
    EXPECT_EQ(m_asked, 2);
}

TEST_F(TransferWizardTest, ARememberedStickThatIsAbsent)
{
    const unsigned id = addDevice(TransferDevicesLibrary::BluRayPlayer, "Lounge Blu-ray");
    remember(id, "Lounge Blu-ray", QStringLiteral("Videos"), QStringLiteral("0000-DEAD"),
        TransferDevicesLibrary::BluRayPlayer, "HOLIDAYS");

    // Waiting, then giving up.
    m_click = QStringLiteral("Wait for It");
    const auto waiting = start(clip(), id);
    EXPECT_TRUE(waiting->isWaitingForVolume());
    EXPECT_EQ(m_boxes, QStringList { QStringLiteral("VolumeAbsent") });
    button(*waiting, "CancelTransfer")->click();
    EXPECT_FALSE(waiting->isWaitingForVolume());
    EXPECT_EQ(waiting->summary(), QStringLiteral("Nothing was transferred."));

    // Another place instead, remembered from then on.
    m_click = QStringLiteral("Choose Another");
    run(clip(), id);
    EXPECT_EQ(m_asked, 1);
    EXPECT_EQ(folderEntries(m_to), QStringList { QStringLiteral("clip.mp4") });
    DestinationStore::Destination now;
    ASSERT_TRUE(DestinationStore::load(
        id, QStringLiteral("Lounge Blu-ray"), TransferDevicesLibrary::BluRayPlayer, &now));
    EXPECT_EQ(now.kind, DestinationStore::Destination::Folder);
}

TEST_F(TransferWizardTest, BurnMakesTheImageWhereTheUserSays)
{
    // The drives are still being looked for when the dialog is answered: the image is kept.
    auto window
        = run({ clip().first(), TestClips::path(TestClips::AviAspMp3) }, TransferWizardWindow::BurnTarget);
    const QString iso = m_dir.filePath(QStringLiteral("films.iso"));
    EXPECT_TRUE(QFileInfo(iso).size() > 0);
    EXPECT_EQ(window->summary().section(QLatin1Char('\n'), 0, 0),
        QStringLiteral("The disc image %1 is ready.").arg(iso));
    EXPECT_EQ(window->folder(), m_dir.path());
    EXPECT_EQ(openedByOpenFolder(*window), QList<QUrl> { QUrl::fromLocalFile(m_dir.path()) });
    EXPECT_EQ(
        window->rows()->topLevelItem(0)->text(TransferWizardWindow::ActionColumn), QStringLiteral("Convert"));
}

TEST_F(TransferWizardTest, BurnToAFileStandingInForADisc)
{
    QTemporaryDir bin;
    const QString spoiler = spoilingXorriso(bin.path());
    struct Row
    {
        bool spoil;
        const char *note;
    } const rows[] = {
        { false, "The disc in stdio:%1 was burned and checked." },
        { true, "The disc was burned, but its check failed: it differs from the image in clip.avi." },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.spoil ? "spoiled" : "good");
        m_disc = m_dir.filePath(row.spoil ? QStringLiteral("spoiled.disc") : QStringLiteral("good.disc"));
        m_iso = m_disc + QStringLiteral(".iso");
        if (row.spoil)
            qputenv("KAVO_XORRISO", spoiler.toLocal8Bit());
        auto window = run(clip(), TransferWizardWindow::BurnTarget);
        qunsetenv("KAVO_XORRISO");
        EXPECT_EQ(window->succeeded(), !row.spoil);
        const QString head = window->summary().section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(head.startsWith(QStringLiteral("The disc image %1 is ready. ").arg(m_iso)))
            << head.toStdString();
        EXPECT_TRUE(head.contains(QString::fromLatin1(row.note).replace(QStringLiteral("%1"), m_disc)))
            << head.toStdString();
        // The file the check found spoiled is not shown as arrived.
        EXPECT_EQ(
            window->summary().section(QLatin1Char('\n'), 1, 1).startsWith(QStringLiteral("✗")), row.spoil)
            << window->summary().toStdString();
        // The disc begins with the image, byte for byte, unless spoiled.
        QFile disc(m_disc);
        QFile iso(m_iso);
        ASSERT_TRUE(disc.open(QIODevice::ReadOnly) && iso.open(QIODevice::ReadOnly));
        const QByteArray image = iso.readAll();
        EXPECT_GT(image.size(), 0);
        EXPECT_EQ(disc.read(image.size()) == image, !row.spoil);
    }
}

class RemovableVolumesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RemovableVolumes::setSystemRoot(m_root.path());
        // Sticks on USB and on a removable disk, a fixed disk and a card, read-only here.
        for (const char *name : { "a", "b", "bound", "fixed", "card", "My Stick" })
            QDir(m_mounts.path()).mkpath(QString::fromLatin1(name));
        m_system.addPartition(QStringLiteral("sdb"), 1, QStringLiteral("0000:00:14.0/usb2/2-1/host6"), false,
            QStringLiteral("3A4B-1C2D"));
        m_system.addPartition(QStringLiteral("sdc"), 1, QStringLiteral("0000:00:17.0/ata2/host1"), true,
            QStringLiteral("0F12-3456"), QStringLiteral("MY FILMS"));
        m_system.addPartition(QStringLiteral("sda"), 2, QStringLiteral("0000:00:17.0/ata1/host0"), false,
            QStringLiteral("5c0e9f1a-2b7d-4f43-9a51-7d2c5e1f0b33"));
        m_system.addPartition(QStringLiteral("mmcblk0p"), 1, QStringLiteral("0000:00:1a.0/mmc0"), true,
            QStringLiteral("7788-99AA"));
    }
    void TearDown() override { RemovableVolumes::setSystemRoot(QStringLiteral("/")); }

    QString mountPoint(const char *name) const
    {
        return QFileInfo(m_mounts.filePath(QString::fromLatin1(name))).canonicalFilePath();
    }
    // A line of /proc/self/mountinfo.
    QString line(const char *folder, const char *point, const char *options, const char *type,
        const char *source) const
    {
        return QStringLiteral("40 25 8:17 %1 %2 %3 shared:5 - %4 %5 rw")
            .arg(QLatin1String(folder), mountPoint(point).replace(QLatin1Char(' '), QStringLiteral("\\040")),
                QLatin1String(options), QLatin1String(type), QLatin1String(source));
    }

    QTemporaryDir m_root;
    QTemporaryDir m_mounts;
    FakeSystem m_system { m_root.path() };
};

TEST_F(RemovableVolumesTest, OnlyWritableRemovableFileSystemsWithAUuid)
{
    m_system.mount({ line("/", "fixed", "rw", "ext4", "/dev/sda2"),
        line("/", "a", "rw,nosuid", "vfat", "/dev/sdb1"), line("/Videos", "bound", "rw", "vfat", "/dev/sdb1"),
        line("/", "card", "ro", "vfat", "/dev/mmcblk0p1"), line("/", "My Stick", "rw", "exfat", "/dev/sdc1"),
        line("/", "b", "rw", "tmpfs", "tmpfs") });
    QStringList found;
    for (const RemovableVolumes::Volume &volume : RemovableVolumes::mounted()) {
        found << QStringList { volume.root, volume.label, volume.uuid, volume.device }.join(QLatin1Char('|'));
        EXPECT_GT(volume.bytesFree, 0) << volume.root.toStdString();
    }
    // On USB with no label: the mount point's name; then removable as the kernel says.
    EXPECT_EQ(found,
        (QStringList { mountPoint("a") + QStringLiteral("|a|3A4B-1C2D|/dev/sdb1"),
            mountPoint("My Stick") + QStringLiteral("|MY FILMS|0F12-3456|/dev/sdc1") }));
    // A folder is on a stick only through the stick's own mount point.
    // Folder, then the UUID of its stick; none: on no removable volume.
    const char *const holders[][2] = { { "a", "3A4B-1C2D" }, { "My Stick", "0F12-3456" }, { "bound", "" },
        { "fixed", "" }, { "card", "" } };
    for (const auto &[name, uuid] : holders) {
        RemovableVolumes::Volume volume;
        const QString folder = mountPoint(name) + QStringLiteral("/Videos");
        QDir().mkpath(folder);
        EXPECT_EQ(RemovableVolumes::volumeOf(folder, &volume), *uuid != 0) << name;
        EXPECT_EQ(volume.uuid, QString::fromLatin1(uuid)) << name;
    }
    EXPECT_EQ(RemovableVolumes::rootOf(QStringLiteral("3a4b-1c2d")), mountPoint("a"));
}

// The wizard through the same fake system: a stick is remembered by its UUID.
TEST_F(TransferWizardTest, ARememberedStickIsFoundWhereverItIsMounted)
{
    QTemporaryDir root;
    FakeSystem system(root.path());
    system.addPartition(QStringLiteral("sdb"), 1, QStringLiteral("0000:00:14.0/usb2/2-1/host6"), true,
        QStringLiteral("3A4B-1C2D"), QStringLiteral("HOLIDAYS"));
    RemovableVolumes::setSystemRoot(root.path());
    const QString a = QFileInfo(m_dir.path()).canonicalFilePath() + QStringLiteral("/a");
    const QString b = QFileInfo(m_dir.path()).canonicalFilePath() + QStringLiteral("/b");
    const auto plugIn = [&](const QString &point) {
        system.mount({ QStringLiteral("40 25 8:17 / %1 rw shared:5 - vfat /dev/sdb1 rw").arg(point) });
    };
    const unsigned id = addDevice(TransferDevicesLibrary::TV, "Hall TV");

    // Chosen on the stick at a, the place is kept on the stick.
    m_to = a + QStringLiteral("/Videos");
    QDir().mkpath(m_to);
    plugIn(a);
    run(clip(), id);
    EXPECT_EQ(m_offered, 1);
    DestinationStore::Destination kept;
    ASSERT_TRUE(DestinationStore::load(id, QStringLiteral("Hall TV"), TransferDevicesLibrary::TV, &kept));
    EXPECT_EQ(kept.kind, DestinationStore::Destination::Volume);
    EXPECT_EQ(kept.uuid, QStringLiteral("3A4B-1C2D"));
    EXPECT_EQ(kept.path, QStringLiteral("Videos"));

    // Mounted at b next time: found there without asking.
    QDir().mkpath(b);
    plugIn(b);
    auto window = run(clip(), id);
    EXPECT_EQ(m_asked, 1);
    EXPECT_EQ(folderEntries(b + QStringLiteral("/Videos")), QStringList { QStringLiteral("clip.mp4") });
    EXPECT_EQ(window->folder(), b + QStringLiteral("/Videos"));

    // Not plugged in: the wizard waits, and goes on when it comes back at a.
    system.mount({});
    m_click = QStringLiteral("Wait for It");
    const auto waiting = start(clip(), id);
    EXPECT_EQ(m_boxes, QStringList { QStringLiteral("VolumeAbsent") });
    EXPECT_TRUE(waiting->isWaitingForVolume());
    plugIn(a);
    ASSERT_TRUE(ended());
    EXPECT_EQ(m_asked, 1);
    EXPECT_TRUE(waiting->succeeded());
    EXPECT_EQ(folderEntries(m_to), QStringList { QStringLiteral("clip.mp4") })
        << "already there from the first run";
}

TEST_F(TransferWizardTest, DeviceLookupTellsWhatItFound)
{
    const unsigned tv = addDevice(TransferDevicesLibrary::TV, "Porch TV");
    const unsigned odd = addDevice(TransferDevicesLibrary::TV, "Odd One");
    std::unique_ptr<TransferDevice>(store()->deviceById(odd))->setType(7);
    const struct
    {
        unsigned id;
        DeviceLookup::Status status;
        const char *name;
        int type;
    } rows[] = {
        { tv, DeviceLookup::Found, "Porch TV", TransferDevicesLibrary::TV },
        { odd, DeviceLookup::UnknownType, "Odd One", 7 },
        { 999999, DeviceLookup::NoSuchDevice, "", -1 },
    };
    for (const auto &row : rows) {
        const DeviceLookup::Result found = DeviceLookup::find(row.id);
        EXPECT_EQ(found.status, row.status) << row.name;
        EXPECT_EQ(found.name, QString::fromUtf8(row.name));
        EXPECT_EQ(found.type, row.type) << row.name;
    }
}

TEST(WizardCommand, EveryWordAfterTheOptionsIsThatFile)
{
    const QString here = QDir::currentPath() + QLatin1Char('/');
    const struct
    {
        const char *line;
        unsigned id; // 0: refused
        QStringList files;
    } rows[] = {
        { "--wizard --device 3 -- :r.mp4 concat:a.mp4|b.mp4 /v/a.mp4", 3,
            { here + QStringLiteral(":r.mp4"), here + QStringLiteral("concat:a.mp4|b.mp4"),
                QStringLiteral("/v/a.mp4") } },
        { "--wizard a.mp4", 0, {} },
    };
    for (const auto &row : rows) {
        unsigned id = 0;
        QStringList files;
        EXPECT_EQ(WizardCommand::parse(args(row.line), &id, &files), row.id != 0) << row.line;
        EXPECT_EQ(id, row.id) << row.line;
        EXPECT_EQ(files, row.files) << row.line;
    }
}

} // namespace

#include "transfer_wizard_test.moc"
