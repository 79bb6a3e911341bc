// The transfer engine against the bare work it wraps, in one run, taking
// turns: a copy through the engine vs cp plus fsync of the same bytes; a
// remux and a transcode through the engine vs the same ffmpeg command run
// bare; and what deciding one file costs (most of it ffprobe's start), alone
// and in a batch of eight. Targets: 1.05x for the three, 100 ms for the
// decision, and the time from SIGTERM to kavo-transfer's exit (2 s). A copy begins while its file is probed;
// a conversion cannot, so its figure is also given without the decision, which has its own target.
//
// Then a deinterlacing conversion through the engine vs the same command
// bare (1.05x), and the TV conversion of three sources (interlaced MPEG-2
// with AC-3 5.1, 10-bit HEVC, VP9) beside HandBrake's "Fast 1080p30", taking
// turns: time (goal 0.9x HandBrake's), size (1.0x; also beside the preset
// told to keep the sound the TV plays, as the engine does) and SSIM against
// the source (no lower than HandBrake's). HandBrakeCLI is installed through
// kavo.sh when missing.
//
//   transfer_bench [ROUNDS] [engine|deinterlace|handbrake]...
//   (default 3 rounds of all; medians are printed)
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
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

double seconds(const std::function<bool()> &work, bool *ok = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    const bool done = work();
    if (ok)
        *ok = done;
    return clock.nsecsElapsed() / 1e9;
}

// The mean SSIM of a converted file's pictures against its source's, the
// source scaled to the output's size.
double ssim(const QString &output, const QString &source)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"),
        { QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-nostats"),
            QStringLiteral("-i"), output, QStringLiteral("-i"), source, QStringLiteral("-lavfi"),
            QStringLiteral("[1:v][0:v]scale2ref[ref][out];[out]format=yuv420p[a];[ref]format=yuv420p[b];"
                           "[a][b]ssim"),
            QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-") });
    process.waitForFinished(-1);
    const QString log = QString::fromLocal8Bit(process.readAllStandardError());
    const int at = log.lastIndexOf(QLatin1String(" All:"));
    return at < 0 ? 0 : log.mid(at + 5).section(QLatin1Char(' '), 0, 0).toDouble();
}

QString handBrake()
{
    QString program = QStandardPaths::findExecutable(QStringLiteral("HandBrakeCLI"));
    if (!program.isEmpty())
        return program;
    // The project's own installer, beside the build folder.
    const QString kavo = QCoreApplication::applicationDirPath() + QStringLiteral("/../../kavo.sh");
    if (QFileInfo(kavo).isExecutable()) {
        std::printf("installing handbrake-cli...\n");
        std::fflush(stdout);
        run(kavo, { QStringLiteral("install"), QStringLiteral("handbrake-cli") });
    }
    return QStandardPaths::findExecutable(QStringLiteral("HandBrakeCLI"));
}

struct Source
{
    const char *name;
    const char *label;
    QStringList make; // ffmpeg's arguments before the output
};

// The deinterlacing conversion vs the same ffmpeg command bare, and the TV
// conversion of each source beside HandBrake's.
void compareConversions(const QTemporaryDir &dir, int rounds, bool deinterlace, bool withHandBrake)
{
    const auto path = [&](const char *name) -> QString { return dir.filePath(QLatin1String(name)); };
    const QStringList quiet { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
        QStringLiteral("-y") };
    const auto words = [](const char *line) { return QString::fromLatin1(line).split(QLatin1Char(' ')); };
    const Source sources[] = {
        { "interlaced.ts", "MPEG-2 576i + AC-3 5.1",
            words("-f lavfi -i testsrc2=size=720x576:rate=50:duration=20,tinterlace=interleave_top -f lavfi "
                  "-i sine=duration=20 -c:v mpeg2video -b:v 6M -flags +ilme+ildct -top 1 -c:a ac3 -ac 6 "
                  "-b:a 448k") },
        { "hevc10.mkv", "HEVC 10-bit 720p",
            words("-f lavfi -i testsrc2=size=1280x720:rate=25:duration=10 -f lavfi -i sine=duration=10 "
                  "-c:v libx265 -preset ultrafast -pix_fmt yuv420p10le -x265-params log-level=error "
                  "-c:a aac") },
        { "vp9.webm", "VP9 720p",
            words("-f lavfi -i testsrc2=size=1280x720:rate=25:duration=10 -f lavfi -i sine=duration=10 "
                  "-c:v libvpx-vp9 -deadline realtime -cpu-used 8 -b:v 2M -c:a libopus") },
    };
    std::printf("making the conversion sources...\n");
    std::fflush(stdout);
    for (const Source &source : sources) {
        if (!run(QStringLiteral("ffmpeg"), quiet + source.make + QStringList { path(source.name) }))
            return;
    }
    const QString out = path("conv-out");
    const QString bare = path("conv-bare");
    const auto request = [&](const char *source) {
        TransferRequest r;
        r.type = 2;
        r.files = QStringList { path(source) };
        r.destination = out;
        return r;
    };

    if (deinterlace) {
        std::vector<double> engine, undecided, plain;
        bool deinterlaced = true;
        TransferDecision decision;
        for (int round = 0; round < rounds; ++round) {
            clear(out);
            clear(bare);
            const auto throughIt = [&] {
                const EngineRun run = throughEngine(request("interlaced.ts"));
                engine.push_back(run.seconds);
                undecided.push_back(run.seconds - run.decideSeconds);
                decision = run.decision;
                deinterlaced = deinterlaced && run.decision.deinterlace;
            };
            // The bare command is the engine's own: the first round learns it.
            if (round == 0 || round % 2 == 0)
                throughIt();
            TransferPaths paths;
            paths.source = path("interlaced.ts");
            paths.output = bare + QStringLiteral("/bare.mp4");
            const QStringList arguments = transferArguments(decision, paths);
            plain.push_back(seconds([&] { return run(QStringLiteral("ffmpeg"), arguments); }));
            if (round % 2 == 1)
                throughIt();
        }
        std::printf("deinterlacing TV conversion of 20 s of MPEG-2 576i (%s), medians of %d rounds:\n",
            deinterlaced ? "deinterlaced" : "NOT DEINTERLACED", rounds);
        compare("deinterlace", engine, plain, "ffmpeg bare");
        compare("  undecided", undecided, plain, "ffmpeg bare");
    }

    if (!withHandBrake)
        return;
    const QString handBrakeCli = handBrake();
    if (handBrakeCli.isEmpty()) {
        std::printf("HandBrake comparison skipped: handbrake-cli is missing and could not be installed\n");
        return;
    }
    std::printf("TV conversion vs HandBrake \"Fast 1080p30\", medians of %d rounds, taking turns:\n", rounds);
    for (const Source &source : sources) {
        std::vector<double> ours, theirs;
        double ourSize = 0;
        double theirSize = 0;
        double theirSameSoundSize = 0;
        double ourSsim = 0;
        double theirSsim = 0;
        bool ok = true;
        for (int round = 0; round < rounds; ++round) {
            clear(out);
            clear(bare);
            const QString handBrakeOut = bare + QStringLiteral("/hb.mp4");
            const auto engineTurn = [&] {
                const EngineRun run = throughEngine(request(source.name));
                ok = ok && run.arrived;
                ours.push_back(run.seconds);
            };
            const auto runHandBrake = [&](const QString &output, const QStringList &more) {
                QProcess process;
                process.start(handBrakeCli,
                    QStringList { QStringLiteral("--preset"), QStringLiteral("Fast 1080p30"),
                        QStringLiteral("-i"), path(source.name), QStringLiteral("-o"), output }
                        + more);
                return process.waitForFinished(-1) && process.exitCode() == 0;
            };
            const auto handBrakeTurn = [&] {
                bool done = false;
                theirs.push_back(seconds([&] { return runHandBrake(handBrakeOut, {}); }, &done));
                ok = ok && done;
            };
            if (round % 2) {
                handBrakeTurn();
                engineTurn();
            } else {
                engineTurn();
                handBrakeTurn();
            }
            const QStringList arrived = QDir(out).entryList({ QStringLiteral("*.mp4") }, QDir::Files);
            if (round == 0 && !arrived.isEmpty()) {
                const QString ourOut = out + QLatin1Char('/') + arrived.first();
                ourSize = QFileInfo(ourOut).size();
                theirSize = QFileInfo(handBrakeOut).size();
                ourSsim = ssim(ourOut, path(source.name));
                theirSsim = ssim(handBrakeOut, path(source.name));
                // The preset mixes every sound down to stereo AAC; the TV keeps
                // the sound it plays (AC-3 5.1, AAC) as it is. The same preset
                // told to do likewise weighs the pictures alone.
                const QString sameSound = bare + QStringLiteral("/hb-same-sound.mp4");
                if (runHandBrake(sameSound,
                        { QStringLiteral("--aencoder"), QStringLiteral("copy"),
                            QStringLiteral("--audio-copy-mask"), QStringLiteral("ac3,aac"),
                            QStringLiteral("--audio-fallback"), QStringLiteral("av_aac") }))
                    theirSameSoundSize = QFileInfo(sameSound).size();
            }
        }
        const double time = median(ours) / std::max(1e-9, median(theirs));
        const QByteArray sameSound = theirSameSoundSize > 0
            ? QByteArray::number(ourSize / theirSameSoundSize, 'f', 3) + 'x'
            : QByteArray("n/a (that HandBrake run failed)");
        std::printf("%-24s%s engine %6.2f s, HandBrake %6.2f s: time %.3fx (goal <= 0.9x), size %.3fx "
                    "(goal <= 1.0x; %s with the sound kept alike), SSIM %.4f vs %.4f (goal: no lower)\n",
            source.label, ok ? "" : " (A RUN FAILED)", median(ours), median(theirs), time,
            theirSize > 0 ? ourSize / theirSize : 0, sameSound.constData(), ourSsim, theirSsim);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    useBenchEnvironment(dir);
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QStringList sections = app.arguments().mid(2);
    if (sections.isEmpty())
        sections = QStringList { QStringLiteral("engine"), QStringLiteral("deinterlace"),
            QStringLiteral("handbrake") };
    if (sections.contains(QLatin1String("deinterlace")) || sections.contains(QLatin1String("handbrake")))
        compareConversions(dir, rounds, sections.contains(QLatin1String("deinterlace")),
            sections.contains(QLatin1String("handbrake")));
    if (!sections.contains(QLatin1String("engine")))
        return 0;
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
