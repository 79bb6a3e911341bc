#pragma once

#include "bench/benchenvironment.h"
#include "pane/devicepane.h"
#include "tests/pane/fakehost.h"
#include "zrt/zrttoolbarbutton.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

// A headless kavo-media-server beside the benchmark, sharing on.
inline bool startMediaServer(QProcess &server)
{
    server.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kavo-media-server"),
        { QStringLiteral("--headless"), QStringLiteral("--sharing"), QStringLiteral("on") });
    if (server.waitForStarted(10000))
        return true;
    std::fprintf(stderr, "kavo-media-server did not start\n");
    return false;
}

// A pane with both tool-bar items set up, its poll connected and answered.
inline Zarnet::DevicePane *pollingPane(
    FakeHost &host, Zarnet::ZRTToolBarButton &show, Zarnet::ZRTToolBarButton &streaming)
{
    auto *pane = new Zarnet::DevicePane(&host);
    pane->setupToolBarItem(QStringLiteral("ShowDeviceMenu"), &show);
    pane->setupToolBarItem(QStringLiteral("Streaming"), &streaming);
    QTest::qWait(3000);
    return pane;
}

// What the streaming benchmarks share: a profile of their own, a headless
// media server, and a pane polling it; ok when the server started.
struct StreamingBench
{
    StreamingBench(int &argc, char **argv)
        : seconds(argc > 1 ? std::max(1, std::atoi(argv[1])) : 60)
        , app((useBenchEnvironment(home), std::make_unique<QApplication>(argc, argv)))
    {
        ok = startMediaServer(server);
        if (ok)
            pane = pollingPane(host, showButton, streamingButton);
    }
    // The event loop alone, for that long.
    static void idle(int forSeconds)
    {
        QEventLoop loop;
        QTimer::singleShot(forSeconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // In this order: the profile, then the application, then the widgets.
    int seconds;
    QTemporaryDir home;
    std::unique_ptr<QApplication> app;
    QProcess server;
    FakeHost host;
    Zarnet::ZRTToolBarButton showButton, streamingButton;
    Zarnet::DevicePane *pane = nullptr;
    bool ok = false;
};
