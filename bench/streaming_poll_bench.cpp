// What the one-second media-server poll costs a running player: process CPU
// time (all threads, the pipe reader included) over a stretch of idle event
// loop with the poll running against a live kavo-media-server, against the
// same stretch with the poll stopped. Target: under 0.1% of one core.
//
//   streaming_poll_bench [SECONDS]   (default 60 per stretch)
#include "bench/benchenvironment.h"
#include "bench/benchmediaserver.h"
#include "pane/devicepane.h"
#include "tests/pane/fakehost.h"
#include "zrt/zrttoolbarbutton.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds the process used while its event loop ran for that long.
double idleStretch(int seconds)
{
    // A plain event loop: QTest::qWait would wake every few milliseconds itself.
    const double before = cpuSeconds();
    StreamingBench::idle(seconds);
    return cpuSeconds() - before;
}

} // namespace

int main(int argc, char **argv)
{
    StreamingBench bench(argc, argv);
    if (!bench.ok)
        return 1;
    const int seconds = bench.seconds;
    QProcess &server = bench.server;
    Zarnet::DevicePane *pane = bench.pane;

    const double polling = idleStretch(seconds);
    int requests = 0;
    for (const QByteArray &line : server.readAllStandardOutput().split('\n'))
        requests += line.trimmed() == "StartedRequest";

    // The same process without the pane and its poll: what an idle Qt
    // process costs anyway.
    static_cast<Orbe::Plugin *>(pane)->release();
    const double idle = idleStretch(seconds);

    server.write("quit\n");
    server.waitForFinished(5000);

    const double cost = polling - idle;
    std::printf("poll over %d s: %.1f ms CPU with the poll (%d requests answered), %.1f ms without\n",
        seconds, polling * 1000, requests, idle * 1000);
    std::printf("poll cost: %.1f ms per minute = %.4f%% of one core (target < 0.1%%)\n",
        cost * 60000 / seconds, 100.0 * cost / seconds);
    return 0;
}
