#include "wizard/wizardcommand.h"

#include "tools/stopsignals.h"
#include "wizard/transferwizardwindow.h"
#include "zrt/interfacelanguage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <thread>
#include <utility>

namespace Zarnet {

bool WizardCommand::parse(QStringList arguments, unsigned *deviceId, QStringList *files)
{
    arguments.removeOne(QStringLiteral("--wizard"));
    bool ok = false;
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--device"))
        *deviceId = arguments.at(1).toUInt(&ok);
    if (!ok)
        return false;
    arguments = arguments.mid(2);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--"))
        arguments.removeFirst();
    // Spelled out rather than through QFileInfo, which reads a leading ':' as
    // one of Qt's resources.
    const QString here = QDir::currentPath();
    files->clear();
    for (const QString &file : std::as_const(arguments))
        *files << (file.startsWith(QLatin1Char('/')) ? file : here + QLatin1Char('/') + file);
    return true;
}

int WizardCommand::run(int argc, char **argv)
{
    // Before QApplication starts any thread (threads inherit the mask), so
    // that only the watcher below takes them.
    const sigset_t stop = blockStopSignals();
    InterfaceLanguage::takeOption(argc, argv);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    unsigned id = 0;
    QStringList files;
    if (!parse(arguments, &id, &files)) {
        std::fputs("kavo-transfer: --wizard takes --device ID\n"
                   "usage: kavo-transfer --wizard --device ID|1000 [--] [FILE...]\n",
            stderr);
        return Usage;
    }
    // Qt takes options such as -style or -reverse wherever they stand, and a
    // file may have any name: it sees none of ours.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    InterfaceLanguage::install();

    TransferWizardWindow window(files, id);
    std::atomic<bool> ending { false };
    std::atomic<bool> stopped { false };
    // A stopped run ends once the engine has removed the file on its way;
    // the exit code is the run's outcome, whenever the signal came.
    QObject::connect(&window, &TransferWizardWindow::ended, &app, [&] {
        if (stopped)
            app.exit();
    });
    std::thread watcher([&] {
        waitForStopSignal(stop);
        if (ending)
            return;
        stopped = true;
        QMetaObject::invokeMethod(
            &window,
            [&] {
                if (!window.stop())
                    app.exit(); // not quit(), which a running window may refuse
            },
            Qt::QueuedConnection);
    });
    window.show();
    QTimer::singleShot(0, &window, &TransferWizardWindow::begin);
    const int code = app.exec();
    ending = true;
    if (!stopped)
        pthread_kill(watcher.native_handle(), SIGHUP);
    watcher.join();
    return code == 0 && window.succeeded() ? Done : Failed;
}

} // namespace Zarnet
