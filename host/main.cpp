// kavo-player: the video player that hosts the Kavo To Go plug-in.
#include "host/playeroptions.h"
#include "host/playertour.h"
#include "host/playerwindow.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kavo-player"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kavo Player"));
    QApplication::setOrganizationName(QStringLiteral("Kavo"));

    PlayerOptions options;
    QString message;
    int exitCode = 0;
    if (!PlayerOptions::parse(QApplication::arguments(), QApplication::applicationDirPath(), &options, &message,
                              &exitCode)) {
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
        std::fprintf(stderr, "kavo-player: Kavo To Go is not available: %s\n", qPrintable(window.pluginError()));

    if (!options.tourDir.isEmpty()) {
        PlayerTour tour(&window, options.tourDir);
        const int result = tour.run();
        window.close();
        return result;
    }

    window.show();
    if (options.quitAfterMs >= 0) {
        QTimer::singleShot(options.quitAfterMs, &window, [&window] {
            window.close();
            QCoreApplication::quit();
        });
    }
    return QApplication::exec();
}
