#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "ipc/kavoipc.h"
#include "ipc/refcountedimpl.h"
#include "tests/common/testenvironment.h"
#include "tests/devices/readonlytree.h"
#include "tests/devices/sqlitefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
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

struct Received
{
    std::string sender;
    std::string topic;
    QByteArray payload;
};

class Collector : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_received.push_back({ sender, topic, QByteArray(static_cast<const char *>(data), int(length)) });
    }

    std::vector<Received> received()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_received;
    }

private:
    std::mutex m_mutex;
    std::vector<Received> m_received;
};

QByteArray payload(uint32_t id, uint32_t state)
{
    QByteArray bytes;
    for (uint32_t word : { 1u, id, state })
        for (int b = 0; b < 4; ++b)
            bytes.append(char((word >> (8 * b)) & 0xFF));
    return bytes;
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
        helpers.push_back(startHelper({ QStringLiteral("create"), QString::number(perProcess) }));
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
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT count(*) FROM device")),
        QStringLiteral("200"));
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT count(*) FROM schema_data")),
        QStringLiteral("1"));
    EXPECT_EQ(SqliteFile::value(databasePath(), QStringLiteral("SELECT initialized FROM schema_data")),
        QStringLiteral("1"));
}

TEST_F(MultiProcess, KilledWriterLeavesAConsistentFile)
{
    int ticks = 0;
    for (int round = 0; round < 3; ++round) {
        std::unique_ptr<QProcess> writer = startHelper({ QStringLiteral("churn") });
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

        std::unique_ptr<QProcess> reader = startHelper({ QStringLiteral("open") });
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

TEST_F(MultiProcess, AnotherProcessReceivesEveryNoticeWithTheWritersId)
{
    kvtl::RefCountedPtr<kvds::IKavoIPC> endpoint;
    ASSERT_TRUE(CreateWindowMessageIPC(&endpoint));
    kvtl::RefCountedPtr<Collector> collector(new Collector);
    ASSERT_TRUE(endpoint->RegisterCallback(std::string("Device/"), collector.get(), false));

    std::unique_ptr<QProcess> writer = startHelper({ QStringLiteral("notify") });
    ASSERT_TRUE(writer->waitForFinished(LongWait));
    ASSERT_EQ(writer->exitCode(), 0);
    std::string sender;
    uint32_t id = 0;
    for (const QByteArray &line : writer->readAll().split('\n')) {
        if (line.startsWith("sender "))
            sender = line.mid(7).toStdString();
        else if (line.startsWith("id "))
            id = line.mid(3).toUInt();
    }
    ASSERT_FALSE(sender.empty());
    ASSERT_EQ(id, 10000u);

    // Delivery is synchronous: once the writer is done, so are its notices.
    const std::vector<Received> received = collector->received();
    ASSERT_EQ(received.size(), 3u);
    const char *topics[] = { "Device/Create", "Device/Change", "Device/Remove" };
    const QByteArray payloads[] = { payload(id, 1), payload(id, 1), payload(id, 0) };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(received[i].sender, sender);
        EXPECT_EQ(received[i].topic, topics[i]);
        EXPECT_EQ(received[i].payload, payloads[i]) << received[i].payload.toHex().constData();
    }
    endpoint.reset();
}

TEST_F(MultiProcess, ReadOnlyDatabaseListsItsDevicesAndRefusesChanges)
{
    {
        TransferDevices *store = TransferDevices::instance("writer", nullptr);
        ASSERT_TRUE(store->isOpen());
        std::unique_ptr<TransferDevice>(store->createDevice(2, "TV"));
        delete store;
    }
    // Readable but not writable for the reader, which runs under another
    // account when the tests run as the superuser.
    const ReadOnlyTree readOnly(databasePath(), m_environment->root());
    ASSERT_TRUE(readOnly.isReady());
    QFile file(databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // The store's own open, then the tool, each as the other account.
    std::unique_ptr<QProcess> reader = startHelper({ QStringLiteral("open-unprivileged") });
    ASSERT_TRUE(reader->waitForFinished(LongWait));
    EXPECT_EQ(reader->exitCode(), 0);
    EXPECT_EQ(reader->readAll().trimmed(), QByteArray("open 1 count 1 writable 0 add 0"));

    const struct
    {
        QStringList arguments;
        int exitCode;
        QByteArray out;
        QByteArray err;
    } tool[] = {
        { { QStringLiteral("list") }, 0, "10000\t2 TV\tTV\tnot configured\n", "" },
        { { QStringLiteral("add"), QStringLiteral("1"), QStringLiteral("x") }, 1, "",
            "The device list is read-only." },
        { { QStringLiteral("remove"), QStringLiteral("10000") }, 1, "", "The device list is read-only." },
    };
    for (const auto &run : tool) {
        QProcess process;
        process.start(QStringLiteral(DEVICES_HELPER),
            QStringList { QStringLiteral("exec-unprivileged"), QStringLiteral(KAVO_DEVICES_TOOL) }
                + run.arguments);
        ASSERT_TRUE(process.waitForFinished(LongWait));
        EXPECT_EQ(process.exitCode(), run.exitCode) << run.arguments.join(u' ').toStdString();
        EXPECT_EQ(process.readAllStandardOutput(), run.out);
        EXPECT_TRUE(process.readAllStandardError().contains(run.err));
    }

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(QFile::exists(databasePath() + QStringLiteral("-journal")));
}
