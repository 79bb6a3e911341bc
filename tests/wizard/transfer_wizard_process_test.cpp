// The wizard as the player starts it: a detached process of its own, which
// can die mid-transfer without touching the player, and a next one that works.
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

// Processes whose command line holds marker, and the children of parent.
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
        } else if (cmdline(pid).contains(marker)) {
            found << pid.toLongLong();
        }
    }
    return found;
}

int deviceTool(const QStringList &arguments, QByteArray *out)
{
    QProcess tool;
    tool.start(QStringLiteral(KAVO_DEVICES_TOOL), arguments);
    tool.waitForFinished(60000);
    *out = tool.readAllStandardOutput();
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

TEST(TransferWizardProcess, ThePlayerOutlivesAWizardKilledMidTransfer)
{
    ASSERT_FALSE(TestClips::folder().isEmpty());
    QTemporaryDir dir;
    const QString to = dir.filePath(QStringLiteral("to"));
    const QString shots = dir.filePath(QStringLiteral("shots"));
    QDir().mkpath(to);
    QDir().mkpath(shots);
    // A name only these wizards carry on their command lines.
    const QString clip = dir.filePath(QStringLiteral("wizard-process-clip.avi"));
    ASSERT_TRUE(QFile::copy(TestClips::path(TestClips::AviAspMp3), clip));

    // The device comes from another process, as the pane's would: this one,
    // standing for the player, never opens the device store.
    QByteArray added;
    ASSERT_EQ(
        deviceTool({ QStringLiteral("add"), QStringLiteral("2"), QStringLiteral("Hall TV") }, &added), 0);
    const unsigned id = QString::fromUtf8(added).section(QLatin1Char('\t'), 0, 0).toUInt();
    Zarnet::DestinationStore::Destination folder;
    folder.kind = Zarnet::DestinationStore::Destination::Folder;
    folder.path = to;
    ASSERT_TRUE(Zarnet::DestinationStore::save(id, QStringLiteral("Hall TV"), 2, folder));

    qputenv("KAVO_TRANSFER_TOOL", KAVO_TRANSFER_TOOL);
    qputenv("KAVO_WIZARD_SNAPSHOTS", QFile::encodeName(shots));
    QTemporaryDir bin;
    qputenv("KAVO_FFMPEG", hangingFfmpeg(bin.path()).toLocal8Bit());
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
    qunsetenv("KAVO_TRANSFER_TOOL");
    qunsetenv("KAVO_WIZARD_SNAPSHOTS");
}

} // namespace
