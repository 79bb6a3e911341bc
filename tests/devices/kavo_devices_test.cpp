#include "tests/common/testenvironment.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <memory>

namespace {

const int LongWait = 120000; // a bound for a slow machine, not a speed target

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class KavoDevicesTool : public ::testing::Test
{
protected:
    void SetUp() override { m_environment = std::make_unique<TestEnvironment>(); }
    void TearDown() override { m_environment.reset(); }

    Result run(const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral(KAVO_DEVICES_TOOL), arguments);
        Result result;
        if (!tool.waitForFinished(LongWait) || tool.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = tool.exitCode();
        result.out = tool.readAllStandardOutput();
        result.err = tool.readAllStandardError();
        return result;
    }

    std::unique_ptr<TestEnvironment> m_environment;
};

} // namespace

TEST_F(KavoDevicesTool, ChangesADeviceStepByStep)
{
    Result r = run({ QStringLiteral("add"), QStringLiteral("2"), QStringLiteral("Kitchen TV") });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("10000\t2 TV\tKitchen TV\tnot configured\n"));

    r = run({ QStringLiteral("add"), QStringLiteral("BluRay"), QStringLiteral("Den") });
    EXPECT_EQ(r.out, QByteArray("10001\t1 Blu-ray Player\tDen\tnot configured\n"));

    r = run({ QStringLiteral("rename"), QStringLiteral("10000"), QStringLiteral("Kitchen") });
    EXPECT_EQ(r.exitCode, 0);
    r = run({ QStringLiteral("retype"), QStringLiteral("10000"), QStringLiteral("console") });
    EXPECT_EQ(r.exitCode, 0);
    r = run({ QStringLiteral("configure"), QStringLiteral("10000") });
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
        QByteArray("10000\t3 PlayStation\xc2\xae"
                   "3\tKitchen\tconfigured\n"));

    r = run({ QStringLiteral("remove"), QStringLiteral("10001") });
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("removed 10001\n"));

    r = run({ QStringLiteral("list") });
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
        QByteArray("10000\t3 PlayStation\xc2\xae"
                   "3\tKitchen\tconfigured\n"));
}

TEST_F(KavoDevicesTool, NamesPassThroughUnchanged)
{
    const QString name = QString::fromUtf8("Bob's \"100%\" \xe5\xae\xa2\xe5\x8e\x85 %s");
    Result r = run({ QStringLiteral("add"), QStringLiteral("0"), name });
    ASSERT_EQ(r.exitCode, 0);
    r = run({ QStringLiteral("list") });
    EXPECT_EQ(r.out, QByteArray("10000\t0 DVD Player\t") + name.toUtf8() + QByteArray("\tnot configured\n"));
}

TEST_F(KavoDevicesTool, BadInputGivesClearErrorsAndExitCodes)
{
    ASSERT_EQ(run({ QStringLiteral("add"), QStringLiteral("TV"), QStringLiteral("x") }).exitCode, 0);

    Result r = run({ QStringLiteral("rename"), QStringLiteral("12345"), QStringLiteral("y") });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("no device 12345")) << r.err.constData();
    EXPECT_EQ(run({ QStringLiteral("remove"), QStringLiteral("12345") }).exitCode, 1);
    EXPECT_EQ(run({ QStringLiteral("configure"), QStringLiteral("12345") }).exitCode, 1);

    r = run({ QStringLiteral("add"), QStringLiteral("4"), QStringLiteral("y") });
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("unknown device type"));
    EXPECT_EQ(
        run({ QStringLiteral("retype"), QStringLiteral("10000"), QStringLiteral("toaster") }).exitCode, 2);
    EXPECT_EQ(run({ QStringLiteral("add"), QStringLiteral("-1"), QStringLiteral("y") }).exitCode, 2);

    r = run({ QStringLiteral("add"), QStringLiteral("1"), QString() });
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("the name is empty"));
    EXPECT_EQ(run({ QStringLiteral("rename"), QStringLiteral("10000"), QString() }).exitCode, 2);

    EXPECT_EQ(run({ QStringLiteral("rename"), QStringLiteral("10000x"), QStringLiteral("y") }).exitCode, 2);
    EXPECT_EQ(run({ QStringLiteral("remove"), QStringLiteral("99999999999") }).exitCode, 2);
    EXPECT_EQ(run({ QStringLiteral("frobnicate") }).exitCode, 2);
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({ QStringLiteral("list"), QStringLiteral("extra") }).exitCode, 2);

    // Nothing above changed the one device.
    EXPECT_EQ(run({ QStringLiteral("list") }).out, QByteArray("10000\t2 TV\tx\tnot configured\n"));
}

TEST_F(KavoDevicesTool, UnopenableDatabaseExitsWithThree)
{
    QDir().mkpath(m_environment->path(QStringLiteral("data/Kavo/TransferWizard/Devices")));
    Result r = run({ QStringLiteral("list") });
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains("cannot open the device database"));
    EXPECT_EQ(run({ QStringLiteral("add"), QStringLiteral("1"), QStringLiteral("x") }).exitCode, 3);
}

TEST_F(KavoDevicesTool, WatchPrintsChangesMadeInAnotherProcess)
{
    QProcess watcher;
    watcher.start(QStringLiteral(KAVO_DEVICES_TOOL), { QStringLiteral("watch"), QStringLiteral("4") });
    ASSERT_TRUE(watcher.waitForStarted(LongWait));
    // Subscribed once it says so on stderr.
    QByteArray said;
    watcher.setReadChannel(QProcess::StandardError);
    while (!said.contains("watching")) {
        ASSERT_TRUE(watcher.waitForReadyRead(LongWait));
        said += watcher.readAllStandardError();
    }
    watcher.setReadChannel(QProcess::StandardOutput);

    ASSERT_EQ(run({ QStringLiteral("add"), QStringLiteral("2"), QStringLiteral("Kitchen TV") }).exitCode, 0);
    QProcessEnvironment pane = QProcessEnvironment::systemEnvironment();
    pane.insert(QStringLiteral("KAVO_COMPONENT_ID"), QStringLiteral("KavoPlayer"));
    ASSERT_EQ(
        run({ QStringLiteral("rename"), QStringLiteral("10000"), QStringLiteral("TV") }, pane).exitCode, 0);
    ASSERT_EQ(run({ QStringLiteral("add"), QStringLiteral("0"), QStringLiteral("DVD") }).exitCode, 0);
    ASSERT_EQ(run({ QStringLiteral("remove"), QStringLiteral("10000") }).exitCode, 0);

    ASSERT_TRUE(watcher.waitForFinished(LongWait));
    EXPECT_EQ(watcher.exitCode(), 0);
    EXPECT_EQ(watcher.readAllStandardOutput(),
        QByteArray("kavo-devices\tDevice/Create\tid 10000 state 1\n"
                   "KavoPlayer\tDevice/Change\tid 10000 state 1\n"
                   "kavo-devices\tDevice/Create\tid 10001 state 1\n"
                   "kavo-devices\tDevice/Remove\tid 10000 state 0\n"));
}
