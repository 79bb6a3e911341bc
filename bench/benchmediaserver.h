#pragma once

#include "pane/devicepane.h"
#include "tests/pane/fakehost.h"
#include "zrt/zrttoolbarbutton.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>

// A headless kavo-media-server beside the benchmark, sharing on.
inline bool startMediaServer(QProcess &server)
{
    server.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kavo-media-server"),
                 {QStringLiteral("--headless"), QStringLiteral("--sharing"), QStringLiteral("on")});
    if (server.waitForStarted(10000))
        return true;
    std::fprintf(stderr, "kavo-media-server did not start\n");
    return false;
}

// A pane with both tool-bar items set up, its poll connected and answered.
inline Zarnet::DevicePane *pollingPane(FakeHost &host, Zarnet::ZRTToolBarButton &show,
                                       Zarnet::ZRTToolBarButton &streaming)
{
    auto *pane = new Zarnet::DevicePane(&host);
    pane->setupToolBarItem(QStringLiteral("ShowDeviceMenu"), &show);
    pane->setupToolBarItem(QStringLiteral("Streaming"), &streaming);
    QTest::qWait(3000);
    return pane;
}
