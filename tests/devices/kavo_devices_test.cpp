#include "tests/common/testenvironment.h"

#include <QDir>
#include <QFile>
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
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
        const QString &program = QStringLiteral(KAVO_DEVICES_TOOL))
    {
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(program, arguments);
        Result result;
        if (!tool.waitForFinished(LongWait) || tool.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = tool.exitCode();
        result.out = tool.readAllStandardOutput();
        result.err = tool.readAllStandardError();
        return result;
    }

    // Arguments as the shell gives them, so that names may hold any byte.
    Result runShell(const char *arguments)
    {
        return run({ QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + QString::fromUtf8(arguments),
                       QStringLiteral(KAVO_DEVICES_TOOL) },
            QProcessEnvironment::systemEnvironment(), QStringLiteral("/bin/sh"));
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

TEST_F(KavoDevicesTool, RefusesNamesItCannotStoreAndKeepsColumnsWhole)
{
    QProcess watcher;
    watcher.start(QStringLiteral(KAVO_DEVICES_TOOL), { QStringLiteral("watch") });
    watcher.setReadChannel(QProcess::StandardError);
    QByteArray said;
    while (!said.contains("watching")) {
        ASSERT_TRUE(watcher.waitForReadyRead(LongWait));
        said += watcher.readAllStandardError();
    }

    const QByteArray notUtf8 = "kavo-devices: the name is not valid UTF-8";
    const QByteArray usage = "usage: kavo-devices list\n";
    const struct
    {
        const char *arguments;
        int exitCode;
        QByteArray out; // its start
        QByteArray err; // a part of it
    } cases[] = {
        { "add 0 \"$(printf 'bad\\377')\"", 1, "", notUtf8 },
        { "add 0 \"$(printf 'surrogate \\355\\240\\200')\"", 1, "", notUtf8 },
        { "add TV \"$(printf 'x\\342\\202')\"", 1, "", notUtf8 }, // cut off at the end
        { "add TV \"$(printf 'overlong \\340\\200\\257')\"", 1, "", notUtf8 },
        { "add TV \"$(printf 'a\\tb\\nc\\\\d')\"", 0, "10000\t2 TV\ta\\tb\\nc\\\\d\tnot configured\n", "" },
        { "rename 10000 \"$(printf 'cut \\300')\"", 1, "", notUtf8 },
        { "rename 10000 \"$(printf 'ren\\303')\"", 1, "", notUtf8 },
        { "rename 10000 \"$(printf 'x\\ry')\"", 0, "10000\t2 TV\tx\\ry\tnot configured\n", "" },
        { "list", 0, "10000\t2 TV\tx\\ry\tnot configured\n", "" },
        { "/?", 0, usage, "" },
        { "-h", 0, usage, "" },
        { "--help", 0, usage, "" },
    };
    for (const auto &c : cases) {
        const Result r = runShell(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments;
        EXPECT_TRUE(c.out.isEmpty() ? r.out.isEmpty() : r.out.startsWith(c.out))
            << c.arguments << ": " << r.out.constData();
        EXPECT_TRUE(r.err.contains(c.err)) << c.arguments << ": " << r.err.constData();
    }

    // Only the two changes that went in were announced.
    watcher.terminate();
    ASSERT_TRUE(watcher.waitForFinished(LongWait));
    EXPECT_EQ(watcher.readAllStandardOutput(),
        QByteArray("kavo-devices\tDevice/Create\tid 10000 state 1\n"
                   "kavo-devices\tDevice/Change\tid 10000 state 1\n"));
}

TEST_F(KavoDevicesTool, DamagedDatabaseIsReportedAndLeftUntouched)
{
    ASSERT_EQ(run({ QStringLiteral("add"), QStringLiteral("2"), QStringLiteral("TV") }).exitCode, 0);
    QFile file(m_environment->path(QStringLiteral("data/Kavo/TransferWizard/Devices")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const int pageSize = (uchar(bytes.at(16)) << 8) | uchar(bytes.at(17));
    bytes.replace(pageSize, pageSize, QByteArray(pageSize, '\0')); // the pointer map
    ASSERT_TRUE(file.seek(0));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();

    for (const QStringList &arguments : { QStringList { QStringLiteral("list") },
             QStringList { QStringLiteral("add"), QStringLiteral("1"), QStringLiteral("x") } }) {
        const Result r = run(arguments);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, QByteArray("kavo-devices: The device list could not be read.\n"));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}
