// kavo-transfer: the transfer engine from a shell. Each file is probed,
// decided (copy, remux or transcode, with the reason) for a device type, and
// written whole or not at all; or all of them go into a disc image.
//
// Exit codes: 0 every file arrived (a dry run: every file can go), 1 a file
// failed or the run was stopped, 2 bad arguments or an unknown device.
#include "devices/devicetype.h"
#include "tools/stopsignals.h"
#include "transfer/localname.h"
#include "transfer/transferengine.h"
#include "wizard/destinationdialog.h"
#include "wizard/destinationstore.h"
#include "wizard/devicelookup.h"
#include "wizard/wizardcommand.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <unistd.h>

using namespace Zarnet;

namespace {

enum Exit { Done = WizardCommand::Done, Failed = WizardCommand::Failed, Usage = WizardCommand::Usage };

const char UsageText[]
    = "usage: kavo-transfer --device ID --to DIR [--again] [--dry-run [--verbose]] FILE...\n"
      "       kavo-transfer --type 0..3 --to DIR [--again] [--dry-run] FILE...\n"
      "       kavo-transfer --burn --type 0..3 [--disc cd|dvd|dvd-dl|bd] --iso OUT.iso [--dry-run] FILE...\n"
      "       kavo-transfer --wizard --device ID|1000 [--] [FILE...]\n"
      "       kavo-transfer --device ID --remember DIR\n"
      "Converts each video to what the device type plays (0 DVD Player, 1 Blu-ray Player,\n"
      "2 TV, 3 PlayStation 3): copied when it plays as it is, remuxed when only the\n"
      "container or the audio does not fit, transcoded otherwise. --device takes the type\n"
      "of a stored device. Each output is written as .NAME.kavo-part, synced, then\n"
      "renamed; a file that fails or is stopped leaves nothing. --burn puts the files\n"
      "into an ISO 9660 image (Joliet, Rock Ridge, MD5s), refused at once when it cannot\n"
      "fit the disc (default dvd). --dry-run prints each file's decision and reason\n"
      "(--verbose: with the technical detail after it).\n"
      "A file sent before from the same source (same size, time and content at both\n"
      "ends) for the same device type, and still there, is left as it is: \"already on\n"
      "the device\". --again sends it anyway, under the next free name.\n"
      "One line per file on stderr. Ctrl+C or SIGTERM stops and removes the parts.\n"
      "--wizard shows the transfer window instead: it asks where the device's files go\n"
      "(once; remembered per device) or, for 1000, what the disc is for, then shows\n"
      "each file's progress and what arrived. --remember sets where the wizard puts\n"
      "that device's files (on a USB stick: found again wherever it is mounted).\n"
      "KAVO_WIZARD_SNAPSHOTS=DIR runs the wizard unattended: its questions take their\n"
      "defaults, pictures of it go to DIR, and it closes when done.\n"
      "Devices are read as KAVO_COMPONENT_ID (default \"KavoPlayer\"), as in the player.\n"
      "Exit: 0 every file arrived, 1 a file failed or the run was stopped, 2 bad usage.\n"
      "ffmpeg, ffprobe and xorriso are found through KAVO_FFMPEG, KAVO_FFPROBE and\n"
      "KAVO_XORRISO, beside this program, or on PATH.\n";

int usage(const char *problem = nullptr, const QString &detail = {})
{
    if (problem)
        std::fprintf(stderr, "kavo-transfer: %s%s\n", problem, qPrintable(detail));
    std::fputs(UsageText, stderr);
    return Usage;
}

bool parseType(const QString &text, int *type)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || !TransferDevicesLibrary::isKnownDeviceType(value))
        return false;
    *type = value;
    return true;
}

int deviceType(const QString &text, int *type, QString *name = nullptr)
{
    bool ok = false;
    const unsigned id = text.toUInt(&ok);
    if (!ok)
        return usage("not a device id: ", text);
    const DeviceLookup::Result device = DeviceLookup::find(id);
    switch (device.status) {
    case DeviceLookup::StoreUnreadable:
        std::fprintf(stderr, "kavo-transfer: cannot open the device database\n");
        return Failed;
    case DeviceLookup::NoSuchDevice:
        return usage("no such device: ", text);
    case DeviceLookup::UnknownType:
        std::fprintf(stderr, "kavo-transfer: device %u has the unknown type %d\n", id, device.type);
        return Usage;
    case DeviceLookup::Found:
        break;
    }
    *type = device.type;
    if (name)
        *name = device.name;
    return Done;
}

QString sizeText(double bytes)
{
    return bytes >= 1e6 ? QString::number(bytes / 1e6, 'f', 1) + QStringLiteral(" MB")
                        : QString::number(bytes / 1e3, 'f', 0) + QStringLiteral(" kB");
}

class Reporter
{
public:
    Reporter(const TransferEngine &engine, bool live)
        : m_engine(engine)
        , m_live(live)
    {
    }

    void progress(const TransferProgress &progress)
    {
        if (!m_live || progress.stage == TransferProgress::Arrived
            || progress.stage == TransferProgress::Failed || progress.stage == TransferProgress::Cancelled)
            return;
        QString line = QStringLiteral("[%1/%2] %3: %4 %5%")
                           .arg(progress.file)
                           .arg(progress.count)
                           .arg(progress.name, TransferProgress::stageName(progress.stage))
                           .arg(int(progress.fraction * 100));
        if (progress.bytesPerSecond > 0)
            line += QStringLiteral(", %1/s").arg(sizeText(progress.bytesPerSecond));
        if (progress.secondsLeft >= 0)
            line += QStringLiteral(", %1 s left").arg(int(progress.secondsLeft + 0.5));
        std::fprintf(stderr, "\r\033[K%s", qPrintable(line));
        m_open = true;
    }

    void ended(int index)
    {
        if (m_printed.contains(index))
            return;
        m_printed.insert(index);
        const TransferItem &item = m_engine.items().at(index);
        QString line = QStringLiteral("[%1/%2] %3")
                           .arg(index + 1)
                           .arg(m_engine.items().size())
                           .arg(QFileInfo(LocalName::readable(item.source)).fileName());
        if (item.decision.profile && item.state != TransferItem::AlreadyThere)
            line += QStringLiteral(" (%1: %2)")
                        .arg(TransferDecision::actionName(item.decision.action), item.decision.reason);
        switch (item.state) {
        case TransferItem::Arrived:
            line += QStringLiteral(": arrived as ") + item.outputs.join(QStringLiteral(", "));
            if (!item.decision.damage.isEmpty())
                line += QStringLiteral(", but ") + item.decision.damage;
            if (!item.decision.notes.isEmpty())
                line += QStringLiteral("; ") + item.decision.notes.join(QStringLiteral("; "));
            break;
        case TransferItem::AlreadyThere:
            line += QStringLiteral(": already on the device as ") + item.outputs.join(QStringLiteral(", "));
            break;
        case TransferItem::Failed:
            line += QStringLiteral(": failed: ") + item.error;
            break;
        case TransferItem::Cancelled:
            line += QStringLiteral(": stopped");
            break;
        default:
            return;
        }
        std::fprintf(stderr, "%s%s\n", m_open ? "\r\033[K" : "", qPrintable(line));
        m_open = false;
    }

    void rest()
    {
        for (int i = 0; i < m_engine.items().size(); ++i)
            ended(i);
        if (!m_engine.runError().isEmpty())
            std::fprintf(
                stderr, "%skavo-transfer: %s\n", m_open ? "\r\033[K" : "", qPrintable(m_engine.runError()));
    }

private:
    const TransferEngine &m_engine;
    bool m_live;
    bool m_open = false;
    QSet<int> m_printed;
};

// verbose: the technical detail after each reason.
void printDecisions(const TransferEngine &engine, bool verbose)
{
    for (const TransferItem &item : engine.items()) {
        if (item.state == TransferItem::Failed && !item.decision.profile) {
            std::printf(
                "%s\terror\t%s\n", LocalName::encode(item.source).constData(), qPrintable(item.error));
            continue;
        }
        QString line = QLatin1Char('\t') + TransferDecision::actionName(item.decision.action)
            + QLatin1Char('\t') + item.decision.reason
            + (verbose ? QStringLiteral("\t") + item.decision.detail : QString()) + QStringLiteral("\t")
            + item.name;
        for (const QString &note : item.decision.notes)
            line += QStringLiteral("\t") + note;
        if (item.state == TransferItem::Failed)
            line += QStringLiteral("\trefused: ") + item.error;
        std::printf("%s%s\n", LocalName::encode(item.source).constData(), qPrintable(line));
    }
    if (!engine.runError().isEmpty())
        std::printf("refused\t%s\n", qPrintable(engine.runError()));
}

int rememberDestination(const QString &device, const QString &folder, const QStringList &rest)
{
    if (device.isEmpty() || !rest.isEmpty())
        return usage("--remember takes --device ID and a folder, nothing else");
    if (!QFileInfo(folder).isDir())
        return usage("not a folder: ", folder);
    int type = -1;
    QString name;
    const int code = deviceType(device, &type, &name);
    if (code != Done)
        return code;
    const DestinationStore::Destination destination = DestinationDialog::destinationOf(folder);
    if (!DestinationStore::save(device.toUInt(), name, type, destination)) {
        std::fprintf(stderr, "kavo-transfer: cannot write the settings\n");
        return Failed;
    }
    return Done;
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--wizard") == 0)
            return WizardCommand::run(argc, argv);
        if (qstrcmp(argv[i], "--") == 0)
            break;
    }

    // Before any thread starts, so that only the watcher below takes them.
    const sigset_t stop = blockStopSignals();
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);

    TransferRequest request;
    QString device;
    QString remember;
    bool typeGiven = false;
    bool verbose = false;
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        const auto value = [&](QString *out) {
            if (arguments.isEmpty())
                return false;
            *out = arguments.takeFirst();
            return true;
        };
        QString text;
        if (option == QLatin1String("--help")) {
            std::fputs(UsageText, stdout);
            return Done;
        } else if (option == QLatin1String("--")) {
            break;
        } else if (option == QLatin1String("--dry-run")) {
            request.dryRun = true;
        } else if (option == QLatin1String("--again")) {
            request.sendAgain = true;
        } else if (option == QLatin1String("--verbose")) {
            verbose = true;
        } else if (option == QLatin1String("--burn")) {
            request.burn = true;
        } else if (option == QLatin1String("--device") && value(&device)) {
        } else if (option == QLatin1String("--type") && value(&text)) {
            if (!parseType(text, &request.type))
                return usage("the type is a number 0-3: ", text);
            typeGiven = true;
        } else if (option == QLatin1String("--remember") && value(&remember)) {
        } else if (option == QLatin1String("--to") && value(&request.destination)) {
        } else if (option == QLatin1String("--iso") && value(&request.isoPath)) {
        } else if (option == QLatin1String("--disc") && value(&text)) {
            if (!TransferRequest::parseDisc(text, &request.disc))
                return usage("the disc is cd, dvd, dvd-dl or bd: ", text);
        } else {
            return usage("unknown or incomplete option ", option);
        }
    }
    // Names as the system gave them: one that is not UTF-8 still names its file.
    for (int i = argc - int(arguments.size()); i < argc; ++i)
        request.files << LocalName::decode(QByteArray(argv[i]));
    if (!remember.isEmpty())
        return rememberDestination(device, remember, arguments);
    if (request.files.isEmpty())
        return usage("no files given");
    if (typeGiven == !device.isEmpty())
        return usage("give either --device or --type");
    if (request.burn ? (request.isoPath.isEmpty() || !request.destination.isEmpty() || !device.isEmpty())
                     : (request.destination.isEmpty() || !request.isoPath.isEmpty()))
        return usage(request.burn ? "--burn takes --type and --iso" : "give --to (or --burn with --iso)");
    if (!device.isEmpty()) {
        const int code = deviceType(device, &request.type);
        if (code != Done)
            return code;
    }

    TransferEngine engine;
    Reporter reporter(engine, isatty(STDERR_FILENO));
    QObject::connect(
        &engine, &TransferEngine::progressed, [&](const TransferProgress &p) { reporter.progress(p); });
    QObject::connect(&engine, &TransferEngine::fileEnded, [&](int index) {
        if (!request.dryRun)
            reporter.ended(index);
    });
    QObject::connect(&engine, &TransferEngine::finished, &app, [&] {
        if (request.dryRun)
            printDecisions(engine, verbose);
        else
            reporter.rest();
        app.quit();
    });
    QString error;
    if (!engine.start(request, &error))
        return usage("", error);

    std::atomic<bool> ending { false };
    std::atomic<bool> stopped { false };
    std::thread watcher([&] {
        waitForStopSignal(stop);
        if (ending)
            return;
        stopped = true;
        QMetaObject::invokeMethod(&engine, &TransferEngine::cancel, Qt::QueuedConnection);
    });
    app.exec();
    ending = true;
    if (!stopped)
        pthread_kill(watcher.native_handle(), SIGHUP);
    watcher.join();
    if (stopped) {
        std::fprintf(stderr, "kavo-transfer: stopped\n");
        return Failed;
    }
    if (request.dryRun)
        return std::none_of(engine.items().cbegin(), engine.items().cend(),
                   [](const TransferItem &item) { return item.state == TransferItem::Failed; })
                && engine.runError().isEmpty()
            ? Done
            : Failed;
    return engine.allArrived() ? Done : Failed;
}
