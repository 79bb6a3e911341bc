// kavo-media-server: the media server the player polls over its pipe.
//   kavo-media-server [--sharing on|off]             with its window
//   kavo-media-server --headless [--sharing on|off]  events on stdout, commands on stdin
#include "mediaserver/headlessconsole.h"
#include "mediaserver/mediaserver.h"
#include "mediaserver/mediaserverwindow.h"
#include "mediaserver/raiselistener.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct Options
{
    bool headless = false;
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
        } else {
            return false;
        }
    }
    return true;
}

int runHeadless(int argc, char **argv, const Options &options)
{
    QCoreApplication app(argc, argv);
    MediaServer server(options.sharing);
    HeadlessConsole console(&server);
    RaiseListener raise;
    QObject::connect(&raise, &RaiseListener::raiseRequested, &console,
                     [&console] { console.print(QStringLiteral("raise")); });
    // Another media server may already hold the raise socket; this one then
    // just is not raised.
    raise.listen();
    console.print(options.sharing ? QStringLiteral("sharing on") : QStringLiteral("sharing off"));
    server.start();
    return app.exec();
}

int runWindow(int argc, char **argv, const Options &options)
{
    QApplication app(argc, argv);
    // One media server per user: a second start brings the first forward.
    if (RaiseListener::askRunningInstance())
        return 0;
    MediaServer server(options.sharing);
    MediaServerWindow window(&server);
    RaiseListener raise;
    QObject::connect(&raise, &RaiseListener::raiseRequested, &window, &MediaServerWindow::bringForward);
    raise.listen();
    window.show();
    server.start();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: kavo-media-server [--headless] [--sharing on|off]\n");
        return 2;
    }
    return options.headless ? runHeadless(argc, argv, options) : runWindow(argc, argv, options);
}
