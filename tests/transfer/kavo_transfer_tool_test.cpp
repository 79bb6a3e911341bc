// kavo-transfer's exit codes, from the outside, with the real tool.
#include "tests/transfer/testclips.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct Result
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Result tool(const char *program, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(program), arguments);
    process.waitForFinished(120000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput(), process.readAllStandardError() };
}

TEST(KavoTransferTool, ExitCodes)
{
    ASSERT_FALSE(TestClips::folder().isEmpty());
    QTemporaryDir dir;
    const QString clip = TestClips::path(TestClips::Mp4H264Aac);
    const QString to = dir.filePath(QStringLiteral("to"));
    QDir().mkpath(to);

    const Result device = tool(KAVO_DEVICES_TOOL, args("add 2 %1", { QStringLiteral("Living Room TV") }));
    ASSERT_EQ(device.code, 0) << device.err.constData();
    const QString id = QString::fromUtf8(device.out).section(QLatin1Char('\t'), 0, 0);

    const QStringList fill { to, clip, dir.filePath(QStringLiteral("x.iso")),
        dir.filePath(QStringLiteral("missing")), id, dir.filePath(QStringLiteral("gone.mp4")) };
    const struct
    {
        const char *line;
        int code;
    } rows[] = {
        { "--help", 0 },
        { "", 2 },
        { "--wizard --device x -- %2", 2 },
        { "--type 4 --to %1 %2", 2 },
        { "--type 2 %2", 2 },
        { "--type 2 --to %1", 2 },
        { "--burn --type 2 --disc floppy --iso %3 %2", 2 },
        { "--device 4242 --to %1 %2", 2 },
        { "--type 2 --to %4 %2", 2 },
        { "--type 1 --dry-run --to %1 %2", 0 },
        { "--device %5 --to %1 %2", 0 },
        { "--type 2 --to %1 %2 %6", 1 },
    };
    for (const auto &row : rows) {
        const Result result = tool(KAVO_TRANSFER_TOOL, args(row.line, fill));
        EXPECT_EQ(result.code, row.code) << row.line << "\n" << result.err.constData();
    }
    // Sent twice to the same place: the second time it is there already.
    EXPECT_EQ(folderEntries(to), QStringList { QStringLiteral("clip.mp4") });
    // The plain reason, and with --verbose the technical one beside it.
    for (const char *line : { "--type 0 --dry-run --to %1 %2", "--type 0 --dry-run --verbose --to %1 %2" }) {
        const QStringList columns
            = QString::fromUtf8(tool(KAVO_TRANSFER_TOOL, args(line, fill)).out).split(QLatin1Char('\t'));
        ASSERT_GE(columns.size(), 4) << line;
        EXPECT_EQ(columns.at(2),
            QStringLiteral("This DVD Player does not play H.264 video: converting it to MPEG-4 (DivX)."));
        EXPECT_EQ(columns.at(3) == QLatin1String("H.264 High@1.1 video is not MPEG-4 ASP"),
            QByteArray(line).contains("verbose"));
    }

    // Stopped while converting: non-zero, and the part is gone with the child.
    const QString stopped = dir.filePath(QStringLiteral("stopped"));
    QDir().mkpath(stopped);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KAVO_FFMPEG"), fakeFfmpeg(dir.filePath(QStringLiteral("ffmpeg"))));
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(KAVO_TRANSFER_TOOL), args("--type 0 --to %1 %2", { stopped, clip }));
    QElapsedTimer waited;
    waited.start();
    while (folderEntries(stopped).isEmpty() && waited.elapsed() < 30000)
        QThread::msleep(20);
    ASSERT_EQ(folderEntries(stopped), QStringList { QStringLiteral(".clip.avi.kavo-part") });
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(folderEntries(stopped), QStringList());
}

// Names a tool could read as an option, a protocol or a protocol's syntax
// are files like any other: each arrives as itself, read from nowhere else.
TEST(KavoTransferTool, EveryNameIsTakenAsThatFile)
{
    QTemporaryDir dir;
    // Nothing may connect to it.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length), 0);
    const QStringList names { QStringLiteral("file:x.mp4"), QStringLiteral("concat:a.mp4|b.mp4"),
        QStringLiteral("subfile,,start,0,end,100,,:x.mp4"),
        QStringLiteral("http:127.0.0.1:%1.mp4").arg(ntohs(address.sin_port)), QStringLiteral("pipe:1.mp4"),
        QStringLiteral("-i.mp4"), QStringLiteral("S01E01:Pilot.mp4") };
    // The files those names would lead a tool to instead: another kind of video.
    for (const char *decoy : { "x.mp4", "a.mp4", "b.mp4" })
        ASSERT_TRUE(QFile::copy(TestClips::path(TestClips::AviAspMp3), dir.filePath(QLatin1String(decoy))));
    for (const QString &name : names)
        ASSERT_TRUE(QFile::copy(TestClips::path(TestClips::Mp4H264Aac), dir.filePath(name)));
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QString::fromLocal8Bit(KAVO_TRANSFER_TOOL), args("--type 2 --to out") + names);
    ASSERT_TRUE(process.waitForFinished(120000)) << "a name made a tool wait for input";
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    const QStringList arrived = folderEntries(dir.filePath(QStringLiteral("out")));
    EXPECT_EQ(arrived.size(), names.size()) << arrived.join(QLatin1Char(' ')).toStdString();
    for (const QString &output : arrived)
        EXPECT_TRUE(
            sameBytes(TestClips::path(TestClips::Mp4H264Aac), dir.filePath(QStringLiteral("out/") + output)))
            << output.toStdString();
    EXPECT_LT(::accept(listener, nullptr, nullptr), 0);
    EXPECT_EQ(errno, EAGAIN);
    ::close(listener);
}

// A name only the shell can give as it is (\377 is not UTF-8), sent three
// times: arrived, already on the device, and with --again once more.
TEST(KavoTransferTool, SentTwiceAndNamesThatAreNotUtf8)
{
    ASSERT_FALSE(TestClips::folder().isEmpty());
    QTemporaryDir dir;
    const QString to = dir.filePath(QStringLiteral("to"));
    QDir().mkpath(to);
    const QString script
        = QStringLiteral("name=\"$(printf 'b\\377.avi')\"; cp -p \"$1\" \"$2/$name\" && \"$0\" "
                         "$3 --type 0 --to \"$2/to\" \"$2/$name\"; "
                         "code=$?; rm -f \"$2/$name\"; exit $code");
    const struct
    {
        const char *options;
        const char *said;
        QStringList arrived;
    } rows[] = {
        { "", "arrived as %1/b_.avi", { QStringLiteral("b_.avi") } },
        { "", "already on the device as %1/b_.avi", { QStringLiteral("b_.avi") } },
        { "--again", "arrived as %1/b_ (2).avi", { QStringLiteral("b_ (2).avi"), QStringLiteral("b_.avi") } },
    };
    for (const auto &row : rows) {
        const Result result = tool("/bin/sh",
            { QStringLiteral("-c"), script, QStringLiteral(KAVO_TRANSFER_TOOL),
                TestClips::path(TestClips::AviAspMp3), dir.path(), QLatin1String(row.options) });
        EXPECT_EQ(result.code, 0) << result.err.constData();
        EXPECT_TRUE(result.err.contains(QString::fromLatin1(row.said).arg(to).toUtf8()))
            << result.err.constData();
        EXPECT_EQ(folderEntries(to), row.arrived);
    }
}

} // namespace
