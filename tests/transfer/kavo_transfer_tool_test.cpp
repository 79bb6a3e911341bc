// kavo-transfer's exit codes, from the outside, with the real tool.
#include "tests/transfer/testclips.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

QStringList files(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(KavoTransferTool, ExitCodes)
{
    ASSERT_FALSE(TestClips::folder().isEmpty());
    QTemporaryDir dir;
    const QString clip = TestClips::path(TestClips::Mp4H264Aac);
    const QString to = dir.filePath(QStringLiteral("to"));
    QDir().mkpath(to);

    const Result device = tool(
        KAVO_DEVICES_TOOL, { QStringLiteral("add"), QStringLiteral("2"), QStringLiteral("Living Room TV") });
    ASSERT_EQ(device.code, 0) << device.err.constData();
    const QString id = QString::fromUtf8(device.out).section(QLatin1Char('\t'), 0, 0);

    struct Row
    {
        QStringList arguments;
        int code;
    };
    const Row rows[] = {
        { { QStringLiteral("--help") }, 0 },
        { {}, 2 },
        { { QStringLiteral("--type"), QStringLiteral("4"), QStringLiteral("--to"), to, clip }, 2 },
        { { QStringLiteral("--type"), QStringLiteral("2"), clip }, 2 },
        { { QStringLiteral("--type"), QStringLiteral("2"), QStringLiteral("--to"), to }, 2 },
        { { QStringLiteral("--burn"), QStringLiteral("--type"), QStringLiteral("2"), QStringLiteral("--disc"),
              QStringLiteral("floppy"), QStringLiteral("--iso"), dir.filePath(QStringLiteral("x.iso")),
              clip },
            2 },
        { { QStringLiteral("--device"), QStringLiteral("4242"), QStringLiteral("--to"), to, clip }, 2 },
        { { QStringLiteral("--type"), QStringLiteral("2"), QStringLiteral("--to"),
              dir.filePath(QStringLiteral("missing")), clip },
            2 },
        { { QStringLiteral("--type"), QStringLiteral("1"), QStringLiteral("--dry-run"),
              QStringLiteral("--to"), to, clip },
            0 },
        { { QStringLiteral("--device"), id, QStringLiteral("--to"), to, clip }, 0 },
        { { QStringLiteral("--type"), QStringLiteral("2"), QStringLiteral("--to"), to, clip,
              dir.filePath(QStringLiteral("gone.mp4")) },
            1 },
    };
    for (const Row &row : rows) {
        const Result result = tool(KAVO_TRANSFER_TOOL, row.arguments);
        EXPECT_EQ(result.code, row.code) << row.arguments.join(QLatin1Char(' ')).toStdString() << "\n"
                                         << result.err.constData();
    }
    EXPECT_EQ(files(to), (QStringList { QStringLiteral("clip (2).mp4"), QStringLiteral("clip.mp4") }));

    // Stopped while converting: non-zero, and the part is gone with the child.
    const QString script = dir.filePath(QStringLiteral("ffmpeg"));
    QFile fake(script);
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\nfor a; do out=$a; done\necho partial > \"$out\"\nexec sleep 60\n");
    fake.close();
    fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString stopped = dir.filePath(QStringLiteral("stopped"));
    QDir().mkpath(stopped);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KAVO_FFMPEG"), script);
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(KAVO_TRANSFER_TOOL),
        { QStringLiteral("--type"), QStringLiteral("0"), QStringLiteral("--to"), stopped, clip });
    QElapsedTimer waited;
    waited.start();
    while (files(stopped).isEmpty() && waited.elapsed() < 30000)
        QThread::msleep(20);
    ASSERT_EQ(files(stopped), QStringList { QStringLiteral(".clip.avi.kavo-part") });
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(files(stopped), QStringList());
}

} // namespace
