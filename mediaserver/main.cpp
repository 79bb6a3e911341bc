// kavo-media-server: shares the player's videos on the home network, and
// answers the player's polls over its pipe.
//   kavo-media-server [--sharing on|off]             with its window
//   kavo-media-server --headless [--sharing on|off]  events on stdout, commands on stdin
// Without --sharing the last state is kept (off at first start).
#include "mediaserver/headlessconsole.h"
#include "mediaserver/mediaserver.h"
#include "mediaserver/mediaserverwindow.h"
#include "mediaserver/raiselistener.h"
#include "mediaserver/sharingservice.h"
#include "mediaserver/sharingsettings.h"
#include "mediaserver/tvstreamer.h"
#include "zrt/interfacelanguage.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct Options
{
    bool headless = false;
    bool sharingGiven = false;
    bool sharing = false;
};

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--headless") == 0) {
            options.headless = true;
        } else if (std::strcmp(argv[i], "--sharing") == 0 && i + 1 < argc
            && (std::strcmp(argv[i + 1], "on") == 0 || std::strcmp(argv[i + 1], "off") == 0)) {
            options.sharing = std::strcmp(argv[++i], "on") == 0;
            options.sharingGiven = true;
        } else {
            return false;
        }
    }
    return true;
}

int runHeadless(int argc, char **argv, const Options &options)
{
    QCoreApplication app(argc, argv);
    // The names TVs show are in the user's language here too.
    Zarnet::InterfaceLanguage::install();
    MediaServer server(false);
    SharingService sharing(&server);
    server.setSharing(options.sharingGiven ? options.sharing : SharingSettings::sharing());
    TvStreamer streamer(&server, &sharing);
    HeadlessConsole console(&server);
    console.setStreamer(&streamer);
    RaiseListener raise;
    QObject::connect(&raise, &RaiseListener::raiseRequested, &console,
        [&console] { console.print(QStringLiteral("raise")); });
    QObject::connect(&raise, &RaiseListener::sharingRequested, &server, &MediaServer::setSharing);
    // Another media server may already hold the raise socket; this one then
    // just is not raised.
    raise.listen();
    console.print(server.isSharing() ? QStringLiteral("sharing on") : QStringLiteral("sharing off"));
    server.start();
    return app.exec();
}

int runWindow(int argc, char **argv, const Options &options)
{
    QApplication app(argc, argv);
    Zarnet::InterfaceLanguage::install();
    // One media server per user: a second start brings the first forward.
    if (RaiseListener::askRunningInstance(
            options.sharingGiven ? QByteArray(options.sharing ? "on" : "off") : QByteArray()))
        return 0;
    MediaServer server(false);
    SharingService sharing(&server);
    server.setSharing(options.sharingGiven ? options.sharing : SharingSettings::sharing());
    TvStreamer streamer(&server, &sharing);
    MediaServerWindow window(&server, &sharing, &streamer);
    RaiseListener raise;
    QObject::connect(&raise, &RaiseListener::raiseRequested, &window, &MediaServerWindow::bringForward);
    QObject::connect(&raise, &RaiseListener::sharingRequested, &server, &MediaServer::setSharing);
    raise.listen();
    window.show();
    server.start();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    Zarnet::InterfaceLanguage::takeOption(argc, argv);
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: kavo-media-server [--headless] [--sharing on|off] [--lang CODE]\n");
        return 2;
    }
    return options.headless ? runHeadless(argc, argv, options) : runWindow(argc, argv, options);
}
