// The transfer engine against the bare work it wraps, in one run, taking
// turns: a copy through the engine vs cp plus fsync of the same bytes; a
// remux and a transcode through the engine vs the same ffmpeg command run
// bare; and what deciding one file costs (most of it ffprobe's start), alone
// and in a batch of eight. Targets: 1.05x for the three, 100 ms for the
// decision, and the time from SIGTERM to kavo-transfer's exit (2 s). A copy begins while its file is probed;
// a conversion cannot, so its figure is also given without the decision, which has its own target.
//
//   transfer_bench [ROUNDS]   (default 3; medians are printed)
#include "bench/benchenvironment.h"
#include "transfer/mediaprobe.h"
#include "transfer/transferarguments.h"
#include "transfer/transferengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace Zarnet;

namespace {

bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (output)
        *output = process.readAllStandardOutput();
    if (!ok)
        std::fprintf(
            stderr, "%s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
    return ok;
}

void syncFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct EngineRun
{
    double seconds = 0;
    double decideSeconds = 0;
    bool arrived = false;
    TransferDecision decision;
};

EngineRun throughEngine(const TransferRequest &request)
{
    TransferEngine engine;
    EngineRun result;
    QElapsedTimer clock;
    QEventLoop loop;
    QObject::connect(
        &engine, &TransferEngine::planned, [&] { result.decideSeconds = clock.nsecsElapsed() / 1e9; });
    QObject::connect(&engine, &TransferEngine::finished, &loop, [&](bool all) {
        result.arrived = all;
        loop.quit();
    });
    clock.start();
    QString error;
    if (!engine.start(request, &error)) {
        std::fprintf(stderr, "engine: %s\n", qPrintable(error));
        return result;
    }
    loop.exec();
    result.seconds = clock.nsecsElapsed() / 1e9;
    if (!engine.items().isEmpty())
        result.decision = engine.items().first().decision;
    if (!result.arrived && !engine.items().isEmpty())
        std::fprintf(stderr, "engine: %s\n", qPrintable(engine.items().first().error));
    return result;
}

void clear(const QString &folder)
{
    QDir dir(folder);
    dir.removeRecursively();
    QDir().mkpath(folder);
}

void compare(const char *what, const std::vector<double> &engine, const std::vector<double> &bare,
    const char *bareName)
{
    const double e = median(engine);
    const double b = median(bare);
    std::printf("%-10s engine %7.3f s   %-14s %7.3f s   ratio %.3fx (target <= 1.05x)\n", what, e, bareName,
        b, b > 0 ? e / b : 0);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    useBenchEnvironment(dir);
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const QString ffmpeg = QStringLiteral("ffmpeg");
    const auto path = [&](const char *name) -> QString { return dir.filePath(QLatin1String(name)); };
    const QStringList quiet { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
        QStringLiteral("-y") };

    // A 2 s 1080p H.264 clip at 15 Mb/s, level 4.0, looped to 60 s (about 115 MB):
    // a TV takes it as it is, a PlayStation 3 once its audio is AAC-LC.
    std::printf("making the sources...\n");
    std::fflush(stdout);
    if (!run(ffmpeg,
            quiet
                + QStringList { QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("testsrc2=size=1920x1080:rate=25:duration=2"), QStringLiteral("-f"),
                    QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=duration=2"),
                    QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                    QStringLiteral("ultrafast"), QStringLiteral("-b:v"), QStringLiteral("15M"),
                    QStringLiteral("-maxrate"), QStringLiteral("15M"), QStringLiteral("-bufsize"),
                    QStringLiteral("15M"), QStringLiteral("-level:v"), QStringLiteral("4.0"),
                    QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-c:a"),
                    QStringLiteral("libmp3lame"), path("seed.mkv") })
        || !run(ffmpeg,
            quiet
                + QStringList { QStringLiteral("-stream_loop"), QStringLiteral("29"), QStringLiteral("-i"),
                    path("seed.mkv"), QStringLiteral("-c:v"), QStringLiteral("copy"), QStringLiteral("-c:a"),
                    QStringLiteral("aac"), path("copy.mp4") })
        || !run(ffmpeg,
            quiet
                + QStringList { QStringLiteral("-stream_loop"), QStringLiteral("29"), QStringLiteral("-i"),
                    path("seed.mkv"), QStringLiteral("-c"), QStringLiteral("copy"), path("remux.mkv") })
        || !run(ffmpeg,
            quiet
                + QStringList { QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("testsrc2=size=640x360:rate=25:duration=5"), QStringLiteral("-f"),
                    QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=duration=5"),
                    QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
                    QStringLiteral("libmp3lame"), path("transcode.avi") }))
        return 1;

    const QString out = path("out");
    const QString bare = path("bare");
    const auto request = [&](int type, const char *source) {
        TransferRequest r;
        r.type = type;
        r.files = QStringList { path(source) };
        r.destination = out;
        return r;
    };
    // The same command the engine would give ffmpeg, from the engine's own decision.
    const auto bareArguments = [&](const TransferDecision &decision, const char *source) {
        TransferPaths paths;
        paths.source = path(source);
        paths.output = bare + QStringLiteral("/bare.") + decision.extension();
        return transferArguments(decision, paths);
    };

    std::vector<double> copyEngine, copyBare, batch, decide, probe;
    // A remux and a transcode, each through the engine, without its decision, and bare.
    struct Conversion
    {
        int type;
        const char *source;
        TransferAction action;
        const char *name;
        std::vector<double> engine, undecided, bare;
    } conversions[] = { { 3, "remux.mkv", TransferAction::Remux, "remux", {}, {}, {} },
        { 1, "transcode.avi", TransferAction::Transcode, "transcode", {}, {}, {} } };
    const char *actions[3] = {};
    for (int round = 0; round < rounds; ++round) {
        clear(out);
        clear(bare);
        // Whoever goes first meets the other's writeback: take turns.
        QElapsedTimer clock;
        const auto bareCopy = [&] {
            run(QStringLiteral("sync"), {});
            clock.start();
            run(QStringLiteral("cp"), { path("copy.mp4"), bare + QStringLiteral("/copy.mp4") });
            syncFile(bare + QStringLiteral("/copy.mp4"));
            copyBare.push_back(clock.nsecsElapsed() / 1e9);
        };
        if (round % 2)
            bareCopy();
        run(QStringLiteral("sync"), {});
        EngineRun copy = throughEngine(request(2, "copy.mp4"));
        copyEngine.push_back(copy.seconds);
        actions[0] = copy.decision.action == TransferAction::Copy ? "copy" : "NOT A COPY";
        if (round % 2 == 0)
            bareCopy();

        for (Conversion &conversion : conversions) {
            clear(out);
            clear(bare);
            const EngineRun engine = throughEngine(request(conversion.type, conversion.source));
            conversion.engine.push_back(engine.seconds);
            conversion.undecided.push_back(engine.seconds - engine.decideSeconds);
            actions[1 + (&conversion - conversions)]
                = engine.decision.action == conversion.action ? conversion.name : "NOT AS EXPECTED";
            clock.start();
            run(ffmpeg, bareArguments(engine.decision, conversion.source));
            conversion.bare.push_back(clock.nsecsElapsed() / 1e9);
        }
    }
    for (int i = 0; i < 10; ++i) {
        TransferRequest dry = request(i % 4, "copy.mp4");
        dry.dryRun = true;
        decide.push_back(throughEngine(dry).decideSeconds);
        QElapsedTimer clock;
        clock.start();
        run(QStringLiteral("ffprobe"),
            { QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"),
                QStringLiteral("json"), QStringLiteral("-show_format"), QStringLiteral("-show_streams"),
                path("copy.mp4") });
        probe.push_back(clock.nsecsElapsed() / 1e9);
    }
    for (int i = 0; i < 3; ++i) {
        TransferRequest dry = request(2, "copy.mp4");
        dry.dryRun = true;
        for (int file = 1; file < 8; ++file)
            dry.files << path(file % 2 ? "remux.mkv" : "transcode.avi");
        batch.push_back(throughEngine(dry).decideSeconds / dry.files.size());
    }

    // From SIGTERM to kavo-transfer's exit while ffmpeg converts: the child
    // must stop at once, not wait out the kill timer.
    std::vector<double> stop;
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/kavo-transfer");
    for (int round = 0; round < rounds; ++round) {
        clear(out);
        QProcess transfer;
        transfer.start(tool,
            { QStringLiteral("--type"), QStringLiteral("0"), QStringLiteral("--to"), out,
                path("remux.mkv") });
        QElapsedTimer waited;
        waited.start();
        while (QDir(out).entryList(QDir::Files | QDir::Hidden).isEmpty() && waited.elapsed() < 30000)
            QThread::msleep(10);
        QThread::msleep(300); // well into the conversion
        QElapsedTimer clock;
        clock.start();
        transfer.terminate();
        transfer.waitForFinished(30000);
        stop.push_back(clock.nsecsElapsed() / 1e9);
        if (!QDir(out).entryList(QDir::Files | QDir::Hidden).isEmpty())
            std::fprintf(stderr, "kavo-transfer left files behind after SIGTERM\n");
    }

    std::printf("medians of %d rounds (%s, %s, %s)\n", rounds, actions[0], actions[1], actions[2]);
    std::printf("copy of %.0f MB; remux of 60 s of 1080p (audio to AAC); transcode of 5 s of 640x360\n",
        QFileInfo(path("copy.mp4")).size() / 1e6);
    compare("copy", copyEngine, copyBare, "cp + fsync");
    for (const Conversion &conversion : conversions) {
        compare(conversion.name, conversion.engine, conversion.bare, "ffmpeg bare");
        compare("  undecided", conversion.undecided, conversion.bare, "ffmpeg bare");
    }
    std::printf(
        "decision   %.1f ms per file (target <= 100 ms); ffprobe alone %.1f ms; %.1f ms per file of 8\n",
        median(decide) * 1000, median(probe) * 1000, median(batch) * 1000);
    std::printf("stop       %.3f s from SIGTERM to kavo-transfer's exit during a conversion (target < 2 s)\n",
        median(stop));
    return 0;
}
