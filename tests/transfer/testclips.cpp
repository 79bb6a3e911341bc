#include "tests/transfer/testclips.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const char *const Names[] = { "clip.mp4", "clip with subtitles.mkv", "clip.avi", "wide.mp4", "asp.mkv" };

QStringList source(int rate, const char *extraFilter = nullptr)
{
    QString video = QStringLiteral("testsrc2=size=160x120:rate=%1:duration=2").arg(rate);
    if (extraFilter)
        video += QLatin1Char(',') + QLatin1String(extraFilter);
    return { QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), video, QStringLiteral("-f"),
        QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=2") };
}

QStringList h264()
{
    return { QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
        QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p") };
}

QStringList mp3()
{
    return { QStringLiteral("-c:a"), QStringLiteral("libmp3lame"), QStringLiteral("-b:a"),
        QStringLiteral("128k") };
}

QStringList asp()
{
    return { QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-vtag"), QStringLiteral("DX50"),
        QStringLiteral("-bf"), QStringLiteral("1"), QStringLiteral("-q:v"), QStringLiteral("5") };
}

QStringList aac()
{
    return { QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-b:a"), QStringLiteral("96k") };
}

bool make(const QString &dir)
{
    const QString srt = dir + QStringLiteral("/subtitles.srt");
    QFile file(srt);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("1\n00:00:00,000 --> 00:00:01,000\nHello\n\n");
    file.close();
    const QStringList common { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
        QStringLiteral("-y") };
    const auto out = [&](int kind) -> QString { return dir + QLatin1Char('/') + QLatin1String(Names[kind]); };
    const QList<QStringList> commands {
        common + source(25) + h264() + aac() + QStringList { out(TestClips::Mp4H264Aac) },
        common + source(25)
            + QStringList { QStringLiteral("-i"), srt, QStringLiteral("-map"), QStringLiteral("0"),
                QStringLiteral("-map"), QStringLiteral("1"), QStringLiteral("-map"), QStringLiteral("2"),
                QStringLiteral("-c:s"), QStringLiteral("srt") }
            + h264() + mp3() + QStringList { out(TestClips::MkvH264Mp3Srt) },
        common + source(25) + asp() + mp3() + QStringList { out(TestClips::AviAspMp3) },
        common + source(25, "setsar=2")
            + QStringList { QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                QStringLiteral("veryfast"), QStringLiteral("-profile:v"), QStringLiteral("high10"),
                QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p10le") }
            + aac() + QStringList { out(TestClips::Anamorphic) },
        common + source(24) + asp() + mp3() + QStringList { out(TestClips::AspInMkv24) },
    };
    for (const QStringList &arguments : commands) {
        if (!TestClips::run(QStringLiteral("ffmpeg"), arguments))
            return false;
    }
    return true;
}

} // namespace

QString TestClips::folder()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kavo-clips-XXXXXX"));
    static const bool made = make(dir.path());
    return made ? dir.path() : QString();
}

QString TestClips::path(Kind kind)
{
    const QString dir = folder();
    return dir.isEmpty() ? QString() : dir + QLatin1Char('/') + QLatin1String(Names[kind]);
}

bool TestClips::run(const QString &program, const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (output)
        *output = process.readAllStandardOutput();
    // The tools talk a lot on stderr; only a failure's words are worth showing.
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", qPrintable(program), process.readAllStandardError().constData());
    return ok;
}

QByteArray TestClips::probeJson(const QString &file, const QStringList &extra)
{
    QByteArray json;
    run(QStringLiteral("ffprobe"),
        QStringList { QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"),
            QStringLiteral("json"), QStringLiteral("-show_format"), QStringLiteral("-show_streams") }
            + extra + QStringList { file },
        &json);
    return json;
}

bool TestClips::probe(const QString &file, Zarnet::MediaProbe *out)
{
    QString error;
    return Zarnet::MediaProbe::fromJson(probeJson(file), out, &error);
}
