#include "tests/transfer/testclips.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const char *const Names[] = { "clip.mp4", "clip with subtitles.mkv", "clip.avi", "wide.mp4", "asp.mkv" };

bool make(const QString &dir)
{
    const QString srt = dir + QStringLiteral("/subtitles.srt");
    QFile file(srt);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("1\n00:00:00,000 --> 00:00:01,000\nHello\n\n");
    file.close();
    const auto source = [](int rate, const char *filter = "") {
        return args("-nostdin -v error -y -f lavfi -i %1 -f lavfi -i sine=frequency=440:duration=2",
            { QStringLiteral("testsrc2=size=160x120:rate=%1:duration=2%2")
                    .arg(rate)
                    .arg(QLatin1String(filter)) });
    };
    const QStringList h264 = args("-c:v libx264 -preset veryfast -pix_fmt yuv420p");
    const QStringList mp3 = args("-c:a libmp3lame -b:a 128k");
    const QStringList asp = args("-c:v mpeg4 -vtag DX50 -bf 1 -q:v 5");
    const QStringList aac = args("-c:a aac -b:a 96k");
    const auto out
        = [&](int kind) { return QStringList { dir + QLatin1Char('/') + QLatin1String(Names[kind]) }; };
    const QList<QStringList> commands {
        source(25) + h264 + aac + out(TestClips::Mp4H264Aac),
        source(25) + args("-i %1 -map 0 -map 1 -map 2 -c:s srt", { srt }) + h264 + mp3
            + out(TestClips::MkvH264Mp3Srt),
        source(25) + asp + mp3 + out(TestClips::AviAspMp3),
        source(25, ",setsar=2") + args("-c:v libx264 -preset veryfast -profile:v high10 -pix_fmt yuv420p10le")
            + aac + out(TestClips::Anamorphic),
        source(24) + asp + mp3 + out(TestClips::AspInMkv24),
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
        args("-v error -print_format json -show_format -show_streams") + extra + QStringList { file }, &json);
    return json;
}

bool TestClips::probe(const QString &file, Zarnet::MediaProbe *out)
{
    QString error;
    return Zarnet::MediaProbe::fromJson(probeJson(file), out, &error);
}

QStringList args(const char *line, const QStringList &fill)
{
    QStringList words = QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &word : words) {
        bool number = false;
        const int n = word.startsWith(QLatin1Char('%')) ? word.mid(1).toInt(&number) : 0;
        if (number && n >= 1 && n <= fill.size())
            word = fill.at(n - 1);
    }
    return words;
}

QString shellScript(const QString &path, const QByteArray &body)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n" + body + '\n');
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QString fakeFfmpeg(const QString &path, const char *ending)
{
    return shellScript(path,
        QByteArray(
            "for a; do out=${a#file:}; done\nhead -c 65536 /dev/zero > \"$out\"\necho 'progress=continue'\n")
            + ending);
}

QStringList folderEntries(const QString &folder)
{
    QStringList entries
        = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    entries.removeOne(QStringLiteral(".kavo-sent"));
    return entries;
}

bool sameBytes(const QString &a, const QString &b)
{
    QFile one(a);
    QFile other(b);
    return one.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly)
        && one.readAll() == other.readAll();
}
