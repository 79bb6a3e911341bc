#pragma once

#include "transfer/mediaprobe.h"

#include <QString>
#include <QStringList>

#include <ostream>

QT_BEGIN_NAMESPACE
// Readable failures for texts and lists.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '['
        << list.join(QStringLiteral("\", \""))
               .prepend(QLatin1Char('"'))
               .append(QLatin1Char('"'))
               .toStdString()
        << ']';
}
QT_END_NAMESPACE

// Small clips made once per test program with ffmpeg's test sources, in a
// folder removed at exit. Each kind is a container, video and audio a device
// meets in the wild.
class TestClips
{
public:
    enum Kind { Mp4H264Aac, MkvH264Mp3Srt, AviAspMp3, Anamorphic, AspInMkv24, KindCount };

    static QString path(Kind kind);
    static QString folder();
    // Runs a program to its end; false on a failed start, crash or exit not 0.
    static bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr);
    static bool probe(const QString &file, Zarnet::MediaProbe *out);
    static QByteArray probeJson(const QString &file, const QStringList &extra = {});
};

// A command line split at spaces; a word %N is the Nth of fill, whole, so
// paths with spaces stay one argument.
QStringList args(const char *line, const QStringList &fill = {});
// An executable shell script at path.
QString shellScript(const QString &path, const QByteArray &body);
// An ffmpeg that writes a part and its progress, then ends as told; by
// default it hangs until stopped.
QString fakeFfmpeg(const QString &path, const char *ending = "exec sleep 60");
// The files a folder holds, hidden parts included, by name; the index of
// what was sent there is left out.
QStringList folderEntries(const QString &folder);
bool sameBytes(const QString &a, const QString &b);
