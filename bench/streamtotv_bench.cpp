// "Stream to ..." to a TV, measured: gmediarender stands in for the TV in
// one network namespace, the headless media server runs in another (joined
// by a veth pair), and a file is handed over through the player's pipe.
// Printed: from choosing the renderer to the renderer reporting PLAYING
// (target under 1 s for a file it plays as it is), and from the hand-over
// with the renderer chosen at once (which includes listing and probing the
// file). Needs root.
//
//   streamtotv_bench [ROUNDS]   (default 5; medians are printed)
#include "bench/benchenvironment.h"
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/refcountedptr.h"
#include "tests/mediaserver/tvnetwork.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Whether the server printed a line starting with prefix in time; rest gets what follows.
bool waitFor(QProcess &server, const QByteArray &prefix, QByteArray *rest = nullptr)
{
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        while (server.canReadLine()) {
            const QByteArray line = server.readLine().trimmed();
            if (line.startsWith(prefix)) {
                if (rest)
                    *rest = line.mid(prefix.size()).trimmed();
                return true;
            }
        }
        server.waitForReadyRead(20);
    }
    return false;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    useBenchEnvironment(home);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    TvNetwork network;
    if (!network.isReady()) {
        std::fprintf(stderr, "needs root and network namespaces\n");
        return 1;
    }
    qputenv("KAVO_SHARE_INTERFACES", network.serverLink.toUtf8());
    const QString clip = home.filePath(u"clip.mp4"_s);
    if (runCommand({ u"ffmpeg"_s, u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                       u"testsrc=size=640x360:rate=25"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine"_s, u"-t"_s,
                       u"20"_s, u"-c:v"_s, u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-pix_fmt"_s,
                       u"yuv420p"_s, u"-c:a"_s, u"aac"_s, u"-shortest"_s, clip },
            nullptr, 120000)
        != 0) {
        std::fprintf(stderr, "ffmpeg could not make the clip\n");
        return 1;
    }

    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QProcess renderer;
    renderer.setStandardOutputFile(QProcess::nullDevice());
    renderer.setStandardErrorFile(QProcess::nullDevice());
    const QStringList rendererCommand = network.rendererCommand(uuid);
    renderer.start(rendererCommand.first(), rendererCommand.mid(1));
    QProcess server;
    const QStringList serverCommand = TvNetwork::inside(network.server,
        { QCoreApplication::applicationDirPath() + u"/kavo-media-server"_s, u"--headless"_s, u"--sharing"_s,
            u"on"_s },
        600);
    server.start(serverCommand.first(), serverCommand.mid(1));
    const QByteArray udn = "uuid:" + uuid.toUtf8();
    kvtl::RefCountedPtr<kvds::IKavoIPC> player;
    if (!waitFor(server, "renderer found " + udn)
        || !kvds::CreateNamedPipeIPC("C277327F-6714-4129-A79F-6D8477523D76", true, nullptr, &player)
        || !waitFor(server, "connected")) {
        std::fprintf(stderr, "the server did not find the renderer, or took no pipe\n");
        return 1;
    }

    std::vector<double> chosen;
    std::vector<double> handed;
    for (int round = 0; round < rounds; ++round) {
        // A new file each round, so each is probed afresh.
        const QString copy = home.filePath(QStringLiteral("clip %1.mp4").arg(round));
        QFile::copy(clip, copy);
        const QByteArray path = copy.toLocal8Bit() + '\0';
        int delivered = 0;
        QElapsedTimer sinceHandOver;
        sinceHandOver.start();
        player->Send("Player", "DevicePane->KavoMediaServerDialogStreamFileRequest",
            static_cast<unsigned>(path.size()), path.constData(), &delivered);
        if (!waitFor(server, "StreamFileRequest"))
            return 1;
        server.write("play " + udn + '\n');
        if (!waitFor(server, "state PLAYING")) {
            std::fprintf(stderr, "round %d: the renderer never played\n", round + 1);
            return 1;
        }
        handed.push_back(sinceHandOver.nsecsElapsed() / 1e6);
        server.write("stop\n");
        waitFor(server, "state STOPPED");
        // The user picks a TV once the window shows the file: by then it
        // is listed and probed.
        QElapsedTimer sinceChoice;
        sinceChoice.start();
        server.write("play " + udn + '\n');
        if (!waitFor(server, "state PLAYING"))
            return 1;
        chosen.push_back(sinceChoice.nsecsElapsed() / 1e6);
        std::printf("round %d: choice to PLAYING %.0f ms, hand-over (choosing at once) to PLAYING %.0f ms\n",
            round + 1, chosen.back(), handed.back());
        server.write("stop\n");
        waitFor(server, "state STOPPED");
    }
    std::printf("median: choice to PLAYING %.0f ms (target < 1000), hand-over to PLAYING %.0f ms\n",
        median(chosen), median(handed));
    server.write("quit\n");
    server.waitForFinished(3000);
    renderer.terminate();
    renderer.waitForFinished(3000);
    return median(chosen) < 1000 ? 0 : 2;
}
