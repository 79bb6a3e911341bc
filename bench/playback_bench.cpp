// The player's playback against its goals, in one run:
//  - from "play" to the first frame in the picture, for a local 1080p H.264
//    MP4 (goal under 300 ms; the median of several starts);
//  - the player's CPU time to play 10 s of 1080p30 H.264 with no audio
//    output, picture area included, against ffmpeg decoding the same 10 s of
//    video to nothing (goal at most 1.5x that floor). Taken in turns.
//  - what the sound adds where a device plays it: the player decodes the
//    chosen audio track itself, so that decode's CPU time is shown beside.
//
//   playback_bench [ROUNDS]   (default 3; medians are printed)
#include "bench/benchenvironment.h"
#include "host/audiotrackdecoder.h"
#include "host/medialibrary.h"
#include "host/nowplaying.h"
#include "host/playerwindow.h"
#include "host/videoplayer.h"
#include "host/videoview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double cpuSeconds(const rusage &usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ownCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage);
}

// CPU time of one child program run to its end; negative when it failed.
double childCpuSeconds(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return cpuSeconds(usage);
}

bool makeClip(const QString &path, const char *seconds)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
        { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
            QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc2=size=1920x1080:rate=30:duration=") + QLatin1String(seconds),
            QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=duration=") + QLatin1String(seconds), QStringLiteral("-c:v"),
            QStringLiteral("libx264"), QStringLiteral("-preset"), QStringLiteral("veryfast"),
            QStringLiteral("-b:v"), QStringLiteral("8M"), QStringLiteral("-pix_fmt"),
            QStringLiteral("yuv420p"), QStringLiteral("-c:a"), QStringLiteral("aac"), path });
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    useBenchEnvironment(dir);
    VideoPlayer::preferFfmpegBackend();
    qputenv("KAVO_NO_AUDIO", "1");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    std::printf("making a 10 s 1080p30 H.264 clip...\n");
    std::fflush(stdout);
    const QString media = dir.filePath(QStringLiteral("media"));
    QDir().mkpath(media);
    const QString clip = media + QStringLiteral("/clip.mp4");
    if (!makeClip(clip, "10")) {
        std::fprintf(stderr, "ffmpeg could not make the clip\n");
        return 1;
    }

    PlayerWindow window;
    window.openMediaFolder(media);
    window.resize(1280, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || window.library()->items().size() != 1) {
        std::fprintf(stderr, "the player did not come up with the clip\n");
        return 1;
    }
    const qint64 id = window.library()->items().first().id;
    QElapsedTimer probe;
    probe.start();
    const double aspect = VideoPlayer::probeDisplayAspect(clip);
    std::printf(
        "reading the display aspect (%.3f) takes %.1f ms of the start\n", aspect, probe.nsecsElapsed() / 1e6);
    probe.restart();
    AudioTrackDecoder sound;
    const bool listed = sound.open(clip);
    std::printf("listing the audio tracks (%lld) takes %.1f ms, while the first frame decodes\n",
        listed ? qint64(sound.tracks().size()) : -1LL, probe.nsecsElapsed() / 1e6);
    double soundCpu = -1;
    if (listed && sound.select(0, 48000, 2, AudioTrackDecoder::SampleFormat::Int16)) {
        const double before = ownCpuSeconds();
        std::vector<char> buffer(48000 * 4 / 10);
        while (sound.read(buffer.data(), qint64(buffer.size())) > 0) { }
        soundCpu = ownCpuSeconds() - before;
        std::printf(
            "decoding its 10 s of sound for a device: %.3f s CPU (to %lld ms)\n", soundCpu, sound.position());
    }
    sound.close();
    VideoPlayer *player = window.videoPlayer();

    std::vector<double> firstFrameMs;
    std::vector<double> playerCpu;
    std::vector<double> floorCpu;
    for (int round = 0; round < rounds; ++round) {
        // The player, from play to the end of the item.
        QEventLoop loop;
        qint64 firstMs = -1;
        const auto first
            = QObject::connect(player, &VideoPlayer::firstFrame, [&](qint64 ms) { firstMs = ms; });
        const auto done
            = QObject::connect(window.nowPlaying(), &NowPlaying::currentChanged, &loop, [&](qint64 current) {
                  if (current == 0)
                      loop.quit();
              });
        const auto failed = QObject::connect(player, &VideoPlayer::failed, &loop, [&](const QString &reason) {
            std::fprintf(stderr, "the player failed: %s\n", qPrintable(reason));
            loop.quit();
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        const qint64 framesBefore = window.videoView()->framesShown();
        const double cpuBefore = ownCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        window.nowPlaying()->play(id);
        loop.exec();
        const double cpu = ownCpuSeconds() - cpuBefore;
        QObject::disconnect(first);
        QObject::disconnect(done);
        QObject::disconnect(failed);
        const qint64 frames = window.videoView()->framesShown() - framesBefore;
        if (firstMs < 0 || frames < 200) {
            std::fprintf(stderr, "round %d: the clip did not play (%lld frames)\n", round + 1, frames);
            return 1;
        }
        firstFrameMs.push_back(double(firstMs));
        playerCpu.push_back(cpu);

        // The floor: ffmpeg decodes the same video and throws it away.
        const double bare = childCpuSeconds(
            { "ffmpeg", "-nostdin", "-v", "error", "-i", clip.toStdString(), "-an", "-f", "null", "-" });
        if (bare < 0) {
            std::fprintf(stderr, "ffmpeg could not decode the clip\n");
            return 1;
        }
        floorCpu.push_back(bare);
        std::printf(
            "round %d: first frame %lld ms; player %.2f s CPU over %.1f s, %lld frames; ffmpeg %.2f s CPU\n",
            round + 1, firstMs, cpu, wall.elapsed() / 1000.0, frames, bare);
        std::fflush(stdout);
    }

    const double player_ = median(playerCpu);
    const double floor_ = median(floorCpu);
    std::printf(
        "play to first frame, 1080p H.264 MP4: %.0f ms median (goal < 300 ms)\n", median(firstFrameMs));
    std::printf("CPU to play 10 s of 1080p30 H.264: player %.2f s, ffmpeg decode floor %.2f s, ratio %.2fx "
                "(goal <= 1.5x)\n",
        player_, floor_, floor_ > 0 ? player_ / floor_ : 0);
    if (soundCpu >= 0)
        std::printf("with the sound decoded for a device: %.2f s, ratio %.2fx\n", player_ + soundCpu,
            floor_ > 0 ? (player_ + soundCpu) / floor_ : 0);
    return 0;
}
