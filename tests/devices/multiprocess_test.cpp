#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "tests/common/testenvironment.h"
#include "tests/devices/sqlitefile.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include <signal.h>

using namespace TransferDevicesLibrary;

namespace {

const int LongWait = 120000; // a bound for a slow machine, not a speed target

std::unique_ptr<QProcess> startHelper(const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(DEVICES_HELPER), arguments);
    return process;
}

QByteArray readLine(QProcess &process)
{
    while (!process.canReadLine())
        if (!process.waitForReadyRead(LongWait))
            return QByteArray();
    return process.readLine().trimmed();
}

class MultiProcess : public ::testing::Test
{
protected:
    void SetUp() override { m_environment = std::make_unique<TestEnvironment>(); }
    void TearDown() override { m_environment.reset(); }

    QString databasePath() const
    {
        return m_environment->path(QStringLiteral("data/Kavo/TransferWizard/Devices"));
    }

    std::unique_ptr<TestEnvironment> m_environment;
};

} // namespace

TEST_F(MultiProcess, FourProcessesCreatingAtOnceGetDistinctIds)
{
    const int processes = 4;
    const int perProcess = 50;
    std::vector<std::unique_ptr<QProcess>> helpers;
    for (int i = 0; i < processes; ++i) {
        helpers.push_back(startHelper({QStringLiteral("create"), QString::number(perProcess)}));
        ASSERT_TRUE(helpers.back()->waitForStarted(LongWait));
    }
    // All are up before any starts: the new file is opened and written by
    // all four at the same moment.
    for (auto &helper : helpers)
        ASSERT_EQ(readLine(*helper), QByteArray("ready"));
    for (auto &helper : helpers)
        helper->write("go\n");

    std::set<unsigned> ids;
    for (auto &helper : helpers) {
        ASSERT_TRUE(helper->waitForFinished(LongWait));
        EXPECT_EQ(helper->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(helper->exitCode(), 0) << "a create failed";
        int created = 0;
        for (const QByteArray &line : helper->readAll().split('\n')) {
            if (!line.startsWith("created "))
                continue;
            ++created;
            EXPECT_TRUE(ids.insert(line.mid(8).toUInt()).second) << "id given twice: " << line.constData();
        }
        EXPECT_EQ(created, perProcess);
    }
    EXPECT_EQ(ids.size(), size_t(processes * perProcess));
    EXPECT_EQ(*ids.begin(), 10000u);
    EXPECT_EQ(*ids.rbegin(), 10000u + processes * perProcess - 1);
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT count(*) FROM device")), QStringLiteral("200"));
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT count(*) FROM schema_data")), QStringLiteral("1"));
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT initialized FROM schema_data")), QStringLiteral("1"));
}

TEST_F(MultiProcess, KilledWriterLeavesAConsistentFile)
{
    int ticks = 0;
    for (int round = 0; round < 3; ++round) {
        std::unique_ptr<QProcess> writer = startHelper({QStringLiteral("churn")});
        ASSERT_TRUE(writer->waitForStarted(LongWait));
        // Kill at a different point of the write cycle each round.
        const int until = 20 + round * 7;
        for (int seen = 0; seen < until;) {
            const QByteArray line = readLine(*writer);
            ASSERT_FALSE(line.isEmpty()) << "writer stopped early";
            if (line.startsWith("tick "))
                ++seen;
        }
        ::kill(pid_t(writer->processId()), SIGKILL);
        ASSERT_TRUE(writer->waitForFinished(LongWait));
        EXPECT_EQ(writer->exitStatus(), QProcess::CrashExit);
        ticks += until;

        std::unique_ptr<QProcess> reader = startHelper({QStringLiteral("open")});
        ASSERT_TRUE(reader->waitForFinished(LongWait));
        const QByteArray answer = reader->readAll().trimmed();
        EXPECT_TRUE(answer.startsWith("open 1 count ")) << answer.constData();
        EXPECT_EQ(SqliteFile::integrityCheck(databasePath()), QStringLiteral("ok"));
    }

    TransferDevices *store = TransferDevices::instance("checker", nullptr);
    ASSERT_TRUE(store->isOpen());
    const unsigned count = store->count();
    EXPECT_GE(count, unsigned(ticks - ticks / 3 - 3));
    std::set<unsigned> ids;
    for (unsigned i = 0; i < count; ++i) {
        std::unique_ptr<TransferDevice> device(store->deviceAt(i));
        ASSERT_TRUE(device);
        EXPECT_TRUE(ids.insert(device->deviceId()).second);
    }
    std::unique_ptr<TransferDevice> added(store->createDevice(0, "after the crash"));
    EXPECT_TRUE(added);
    delete store;
}
