// kavo-player: the video player that hosts the Kavo To Go plug-in.
#include "host/medialibrary.h"
#include "host/nowplaying.h"
#include "host/playeroptions.h"
#include "host/playertour.h"
#include "host/playerwindow.h"
#include "host/videoplayer.h"
#include "zrt/interfacelanguage.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

namespace {
// Qt takes "-plugin X" (and "--plugin X") as a generic input plug-in of its
// own and removes it from the arguments, so the player reads its arguments
// before Qt does and keeps that option away from it.
std::vector<char *> argumentsForQt(int argc, char **argv)
{
    std::vector<char *> kept;
    for (int i = 0; i < argc; ++i) {
        const std::string argument = argv[i];
        if (i > 0 && (argument == "--plugin" || argument == "-plugin")) {
            ++i;
            continue;
        }
        if (i > 0 && (argument.rfind("--plugin=", 0) == 0 || argument.rfind("-plugin=", 0) == 0))
            continue;
        kept.push_back(argv[i]);
    }
    kept.push_back(nullptr);
    return kept;
}

// Qt's media back ends tell stderr about every sound server and hardware
// decoder they try and do not find; a player that plays is not in trouble.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

int main(int argc, char **argv)
{
    Zarnet::InterfaceLanguage::takeOption(argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!qEnvironmentVariableIsSet("KAVO_DEBUG"))
        qInstallMessageHandler(quietMessages);
    VideoPlayer::preferFfmpegBackend();
    std::vector<char *> qtArguments = argumentsForQt(argc, argv);
    int qtArgc = int(qtArguments.size()) - 1;
    QApplication app(qtArgc, qtArguments.data());
    QApplication::setApplicationName(QStringLiteral("kavo-player"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kavo Player"));
    QApplication::setOrganizationName(QStringLiteral("Kavo"));
    Zarnet::InterfaceLanguage::install();

    PlayerOptions options;
    QString message;
    int exitCode = 0;
    if (!PlayerOptions::parse(arguments, QApplication::applicationDirPath(), &options, &message, &exitCode)) {
        std::fprintf(exitCode == 0 ? stdout : stderr, "%s\n", qPrintable(message));
        return exitCode;
    }

    QString mediaFolder = options.mediaFolder;
    if (!options.tourDir.isEmpty()) {
        QString error;
        if (!PlayerTour::prepare(options.tourDir, &mediaFolder, &error)) {
            std::fprintf(stderr, "kavo-player: cannot prepare the tour: %s\n", qPrintable(error));
            return 1;
        }
    }
    if (mediaFolder.isEmpty())
        mediaFolder = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);

    PlayerWindow window;
    window.openMediaFolder(mediaFolder);
    if (!window.loadPlugin(options.pluginPath))
        std::fprintf(
            stderr, "kavo-player: Kavo To Go is not available: %s\n", qPrintable(window.pluginError()));

    if (!options.tourDir.isEmpty()) {
        PlayerTour tour(&window, options.tourDir);
        const int result = tour.run();
        window.close();
        return result;
    }

    window.show();
    if (options.playFirst && !window.library()->items().isEmpty())
        window.nowPlaying()->play(window.library()->items().first().id);
    if (options.quitAfterMs >= 0) {
        QTimer::singleShot(options.quitAfterMs, &window, [&window] {
            window.close();
            QCoreApplication::quit();
        });
    }
    return QApplication::exec();
}
