// The wizard as the player starts it: a detached process of its own, which
// can die mid-transfer without touching the player, and a next one that works;
// and how it ends, as the command line does.
#include "tests/transfer/testclips.h"
#include "tests/wizard/wizardtestsupport.h"
#include "wizard/destinationstore.h"
#include "zrt/transferwizard.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr int WaitMs = 120000;

QByteArray cmdline(const QString &pid)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The wizards whose command line holds marker, or the children of parent.
QList<qint64> processes(const QByteArray &marker, qint64 parent = 0)
{
    QList<qint64> found;
    for (const QString &pid :
        QDir(QStringLiteral("/proc")).entryList({ QStringLiteral("[0-9]*") }, QDir::Dirs)) {
        if (parent) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (stat.open(QIODevice::ReadOnly)) {
                const QByteArray text = stat.readAll();
                const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
                if (fields.size() > 1 && fields.at(1).toLongLong() == parent)
                    found << pid.toLongLong();
            }
        } else if (const QByteArray line = cmdline(pid);
                   line.contains(marker) && line.split('\0').contains("--wizard")) {
            found << pid.toLongLong();
        }
    }
    return found;
}

// A device made by another process, as the pane's would be (the process
// standing for the player never opens the device store), whose files go to folder.
unsigned deviceWithFolder(int type, const QString &name, const QString &folder)
{
    QProcess tool;
    tool.start(QStringLiteral(KAVO_DEVICES_TOOL), { QStringLiteral("add"), QString::number(type), name });
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return 0;
    const unsigned id
        = QString::fromUtf8(tool.readAllStandardOutput()).section(QLatin1Char('\t'), 0, 0).toUInt();
    QDir().mkpath(folder);
    Zarnet::DestinationStore::Destination destination;
    destination.kind = Zarnet::DestinationStore::Destination::Folder;
    destination.path = folder;
    return Zarnet::DestinationStore::save(id, name, type, destination) ? id : 0;
}

class TransferWizardProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(TestClips::folder().isEmpty());
        QDir().mkpath(m_dir.filePath(QStringLiteral("shots")));
        qputenv("KAVO_TRANSFER_TOOL", KAVO_TRANSFER_TOOL);
        qputenv("KAVO_WIZARD_SNAPSHOTS", QFile::encodeName(m_dir.filePath(QStringLiteral("shots"))));
    }
    void TearDown() override
    {
        qunsetenv("KAVO_TRANSFER_TOOL");
        qunsetenv("KAVO_WIZARD_SNAPSHOTS");
    }
    // A copy whose name only this test's wizards carry on their command lines.
    QString clip(TestClips::Kind kind, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile::copy(TestClips::path(kind), path);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(TransferWizardProcess, ThePlayerOutlivesAWizardKilledMidTransfer)
{
    const QString to = m_dir.filePath(QStringLiteral("to"));
    const QString shots = m_dir.filePath(QStringLiteral("shots"));
    const QString clip = this->clip(TestClips::AviAspMp3, QStringLiteral("wizard-process-clip.avi"));
    const unsigned id = deviceWithFolder(2, QStringLiteral("Hall TV"), to);
    ASSERT_NE(id, 0u);

    QTemporaryDir bin;
    qputenv("KAVO_FFMPEG", fakeFfmpeg(bin.filePath(QStringLiteral("ffmpeg"))).toLocal8Bit());
    EXPECT_EQ(Zarnet::TransferWizard::transferFiles({ QUrl::fromLocalFile(clip) }, QString(), id), 0);
    qunsetenv("KAVO_FFMPEG");

    QList<qint64> wizards;
    QList<qint64> converters;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            wizards = processes("wizard-process-clip.avi");
            converters = wizards.size() == 1 ? processes({}, wizards.first()) : QList<qint64>();
            return !converters.isEmpty() && !folderEntries(to).isEmpty();
        },
        WaitMs));
    ::kill(pid_t(wizards.first()), SIGKILL);
    for (qint64 converter : converters)
        ::kill(pid_t(converter), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor([&] { return processes("wizard-process-clip.avi").isEmpty(); }, WaitMs));

    // Still here, and the next transfer goes through in a new wizard.
    EXPECT_EQ(Zarnet::TransferWizard::transferFiles({ QUrl::fromLocalFile(clip) }, QString(), id), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return folderEntries(to).contains(QStringLiteral("wizard-process-clip.mp4"))
                && processes("wizard-process-clip.avi").isEmpty();
        },
        WaitMs))
        << folderEntries(to).join(QLatin1Char(' ')).toStdString();
    // The part the killed one left is swept by the next.
    EXPECT_EQ(folderEntries(to), QStringList { QStringLiteral("wizard-process-clip.mp4") });
    EXPECT_EQ(QDir(shots).entryList({ QStringLiteral("wizard-*-summary.png") }, QDir::Files).size(), 1);
}

TEST_F(TransferWizardProcess, TransfersGoOnAfterThePlayerQuitsAndNeverMix)
{
    const QString tv = m_dir.filePath(QStringLiteral("tv"));
    const QString dvd = m_dir.filePath(QStringLiteral("dvd"));
    const unsigned tvId = deviceWithFolder(2, QStringLiteral("Porch TV"), tv);
    const unsigned dvdId = deviceWithFolder(0, QStringLiteral("Attic DVD"), dvd);
    ASSERT_TRUE(tvId && dvdId);
    // Two players hand over one file each and are gone before the wizards end.
    const QString first = clip(TestClips::AviAspMp3, QStringLiteral("first-player-clip.avi"));
    const QString second = clip(TestClips::Mp4H264Aac, QStringLiteral("second-player-clip.mp4"));
    EXPECT_EQ(QProcess::execute(QStringLiteral(WIZARD_PLAYER_HELPER), { QString::number(tvId), first }), 0);
    EXPECT_EQ(QProcess::execute(QStringLiteral(WIZARD_PLAYER_HELPER), { QString::number(dvdId), second }), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return processes("-player-clip.").isEmpty(); }, WaitMs));
    EXPECT_EQ(folderEntries(tv), QStringList { QStringLiteral("first-player-clip.mp4") });
    EXPECT_EQ(folderEntries(dvd), QStringList { QStringLiteral("second-player-clip.avi") });
}

TEST_F(TransferWizardProcess, EndsAsTheCommandLineDoes)
{
    const QString clip = this->clip(TestClips::Mp4H264Aac, QStringLiteral("file:x.mp4"));
    this->clip(TestClips::Mp4H264Aac, QStringLiteral("-reverse")); // an option of Qt's
    const QString probed = m_dir.filePath(QStringLiteral("probed"));
    const QString ffprobe = shellScript(m_dir.filePath(QStringLiteral("ffprobe")),
        "printf '%s\\n' \"$@\" >> '" + QFile::encodeName(probed) + "'\nexec ffprobe \"$@\"\n");
    const QString ffmpeg = fakeFfmpeg(m_dir.filePath(QStringLiteral("ffmpeg")));
    const struct
    {
        const char *what;
        int type; // -1: a device that is not in the list
        QStringList files;
        bool terminate; // SIGTERM once the part is there
        int code;
        int arrived;
    } rows[] = {
        { "relative names that read as a URL or an option", 2,
            { QStringLiteral("file:x.mp4"), QStringLiteral("-reverse") }, false, 0, 2 },
        { "a file that fails", 2, { clip, m_dir.filePath(QStringLiteral("gone.mp4")) }, false, 1, 1 },
        { "a device that is gone", -1, { clip }, false, 1, 0 },
        { "SIGTERM while converting", 0, { clip }, true, 1, 0 },
    };
    int n = 0;
    for (const auto &row : rows) {
        const QString to = m_dir.filePath(QStringLiteral("to%1").arg(++n));
        QDir().mkpath(to);
        const unsigned id
            = row.type < 0 ? 999999 : deviceWithFolder(row.type, QStringLiteral("Ends %1").arg(n), to);
        ASSERT_NE(id, 0u) << row.what;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KAVO_FFPROBE"), ffprobe);
        if (row.terminate)
            environment.insert(QStringLiteral("KAVO_FFMPEG"), ffmpeg);
        QProcess wizard;
        wizard.setProcessEnvironment(environment);
        wizard.setWorkingDirectory(m_dir.path());
        wizard.start(QStringLiteral(KAVO_TRANSFER_TOOL),
            QStringList { QStringLiteral("--wizard"), QStringLiteral("--device"), QString::number(id),
                QStringLiteral("--") }
                + row.files);
        if (row.terminate) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !folderEntries(to).isEmpty(); }, WaitMs));
            wizard.terminate();
        }
        ASSERT_TRUE(wizard.waitForFinished(WaitMs)) << row.what;
        EXPECT_EQ(wizard.exitStatus(), QProcess::NormalExit) << row.what;
        EXPECT_EQ(wizard.exitCode(), row.code) << row.what << wizard.readAllStandardError().constData();
        const QStringList entries = folderEntries(to);
        EXPECT_EQ(entries.size(), row.arrived) << row.what << entries.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(entries.filter(QStringLiteral(".kavo-part")).isEmpty()) << row.what;
    }
    // The name reached the tools as that very file, made absolute.
    QFile log(probed);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains(QFile::encodeName(clip)));
}

} // namespace
