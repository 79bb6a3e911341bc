// kavo-transfer's exit codes, from the outside, with the real tool.
#include "tests/transfer/testclips.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

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
    EXPECT_EQ(
        folderEntries(to), (QStringList { QStringLiteral("clip (2).mp4"), QStringLiteral("clip.mp4") }));

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

} // namespace
