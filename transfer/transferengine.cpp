#include "transfer/transferengine.h"

#include "transfer/fileworker.h"
#include "transfer/localname.h"
#include "transfer/toolrun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace Zarnet {

namespace {
constexpr int TickMilliseconds = 250;
} // namespace

bool TransferEngine::roomFor(const QString &folder, qint64 bytes, qint64 *free)
{
    const QStorageInfo storage(folder);
    if (free)
        *free = storage.bytesAvailable();
    return !storage.isValid() || storage.bytesTotal() <= 0 || storage.bytesAvailable() < 0
        || storage.bytesAvailable() >= bytes;
}

qint64 TransferRequest::discBytes(DiscSize disc)
{
    switch (disc) {
    case DiscSize::Cd:
        return Q_INT64_C(360000) * 2048; // 80 minutes, "700 MB"
    case DiscSize::Dvd:
        return Q_INT64_C(2295104) * 2048; // 4.7 GB
    case DiscSize::DvdDual:
        return Q_INT64_C(4171712) * 2048; // 8.5 GB
    case DiscSize::BluRay:
        return Q_INT64_C(12219392) * 2048; // 25 GB
    }
    return 0;
}

bool TransferRequest::parseDisc(const QString &text, DiscSize *out)
{
    static const struct
    {
        const char *name;
        DiscSize disc;
    } names[] = { { "cd", DiscSize::Cd }, { "dvd", DiscSize::Dvd }, { "dvd-dl", DiscSize::DvdDual },
        { "bd", DiscSize::BluRay } };
    for (const auto &entry : names) {
        if (text == QLatin1String(entry.name)) {
            *out = entry.disc;
            return true;
        }
    }
    return false;
}

QString TransferProgress::stageName(Stage stage)
{
    switch (stage) {
    case Probing:
        return QCoreApplication::translate("Zarnet::TransferProgress", "probing");
    case Converting:
        return QCoreApplication::translate("Zarnet::TransferProgress", "converting");
    case Copying:
        return QCoreApplication::translate("Zarnet::TransferProgress", "copying");
    case Flushing:
        return QCoreApplication::translate("Zarnet::TransferProgress", "writing out");
    case Imaging:
        return QCoreApplication::translate("Zarnet::TransferProgress", "making the image");
    case Arrived:
        return QCoreApplication::translate("Zarnet::TransferProgress", "arrived");
    case Failed:
        return QCoreApplication::translate("Zarnet::TransferProgress", "failed");
    case Cancelled:
        return QCoreApplication::translate("Zarnet::TransferProgress", "cancelled");
    }
    return {};
}

TransferEngine::TransferEngine(QObject *parent)
    : QObject(parent)
{
    m_tick.setInterval(TickMilliseconds);
    connect(&m_tick, &QTimer::timeout, this, &TransferEngine::tick);
}

TransferEngine::~TransferEngine()
{
    m_tool.reset(); // kills a child still running
    m_probes.clear();
    m_worker.reset(); // joins a copy, cancelled
    m_writeBehind.reset();
    m_early.worker.reset();
    m_early.part.remove();
    m_split.remove();
    m_part.remove();
    m_subtitlePart.remove();
    m_staging.remove();
    m_indexPart.remove();
}

bool TransferEngine::start(const TransferRequest &request, QString *error)
{
    if (m_running || !m_items.isEmpty())
        *error = tr("this transfer has started already");
    else if (!deviceProfile(request.type))
        *error = tr("unknown device type %1").arg(request.type);
    else if (request.files.isEmpty())
        *error = tr("no files to transfer");
    else if (request.burn && request.isoPath.isEmpty())
        *error = tr("no disc image named");
    else if (request.burn && !QFileInfo(QFileInfo(request.isoPath).absolutePath()).isDir())
        *error = tr("the disc image's folder does not exist");
    else if (!request.burn && !QFileInfo(request.destination).isDir())
        *error = tr("the destination folder does not exist");
    else if (!request.dryRun
        && !m_folder.open(
            request.burn ? QFileInfo(request.isoPath).absolutePath() : request.destination, error))
        return false;
    if (!error->isEmpty())
        return false;
    // A dry run reads what the destination already holds, too.
    QString unread;
    if (request.dryRun && !request.burn)
        m_folder.open(request.destination, &unread);
    m_request = request;
    // Every name is taken as a local file from here on: absolute, so that no
    // tool can read it as an option or a protocol.
    if (request.burn)
        m_request.isoPath = QDir::cleanPath(QFileInfo(request.isoPath).absoluteFilePath());
    else
        m_request.destination = QDir::cleanPath(QFileInfo(request.destination).absoluteFilePath());
    for (const QString &file : request.files) {
        TransferItem item;
        // By string alone: QFileInfo would lose bytes that are not UTF-8.
        item.source = QDir::cleanPath(
            QDir::isAbsolutePath(file) ? file : QDir::currentPath() + QLatin1Char('/') + file);
        m_items.append(item);
    }
    QString noJournal;
    if (!request.dryRun)
        m_journal.open(&noJournal); // without one, only a crash's leftovers stay
    m_running = true;
    m_probes.resize(m_items.size());
    m_probing = true;
    startEarlyCopy();
    QMetaObject::invokeMethod(this, &TransferEngine::probeNext, Qt::QueuedConnection);
    return true;
}

void TransferEngine::cancel()
{
    if (!m_running || m_cancelled)
        return;
    m_cancelled = true;
    if (m_tool)
        m_tool->cancel();
    for (const auto &probe : m_probes) {
        if (probe)
            probe->cancel();
    }
    if (m_worker)
        m_worker->cancel();
    if (m_early.worker)
        m_early.worker->cancel();
}

bool TransferEngine::allArrived() const
{
    return m_runError.isEmpty()
        && std::all_of(m_items.cbegin(), m_items.cend(), [](const TransferItem &item) {
               return item.state == TransferItem::Arrived || item.state == TransferItem::AlreadyThere;
           });
}

QString TransferEngine::subtitleName(const QString &videoName)
{
    const int dot = videoName.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? videoName.left(dot) : videoName) + QStringLiteral(".srt");
}

const PinnedFolder &TransferEngine::workFolder() const
{
    return m_request.burn ? m_staging : m_folder;
}

QString TransferEngine::goneText() const
{
    return m_request.volumeLabel.isEmpty() ? tr("The destination is no longer there.")
                                           : tr("The USB stick “%1” was removed.").arg(m_request.volumeLabel);
}

void TransferEngine::runNext()
{
    if (m_cancelled) {
        endRun();
        return;
    }
    while (++m_current < m_items.size() && m_items.at(m_current).state != TransferItem::Planned) { }
    if (m_current >= m_items.size()) {
        if (m_request.burn)
            makeImage();
        else
            endRun();
        return;
    }
    TransferItem &item = m_items[m_current];
    // Gone means gone for the rest too: the path now leads somewhere else.
    if (m_gone || !m_folder.stillThere()) {
        m_gone = true;
        endItem(TransferItem::Failed, goneText(), TransferItem::Fault::DestinationGone);
        return;
    }
    if (m_request.burn && item.decision.action == TransferAction::Copy) {
        // Copies go onto the disc straight from the source.
        item.outputs = QStringList { item.source };
        endItem(TransferItem::Planned);
        return;
    }
    m_outTimeUs = 0;
    m_outBytes = 0;
    m_speed = 0;
    m_clock.start();
    m_tick.start();
    if (item.decision.action == TransferAction::Copy && adoptEarlyCopy(item.name))
        return;
    if (item.decision.action == TransferAction::Copy)
        copyFile(item, item.name);
    else
        convert(item, item.name);
}

void TransferEngine::endItem(TransferItem::State state, const QString &error, TransferItem::Fault fault)
{
    m_tick.stop();
    TransferItem &item = m_items[m_current];
    item.state = state;
    item.error = error;
    item.fault = state == TransferItem::Failed ? fault : TransferItem::Fault::None;
    // A write that failed because the stick was pulled says so.
    if (state == TransferItem::Failed && !m_gone && m_folder.isOpen() && !m_folder.stillThere()) {
        m_gone = true;
        item.error = goneText();
        item.fault = TransferItem::Fault::DestinationGone;
    }
    // A converted file waiting for the disc image is not there yet.
    if (state != TransferItem::Planned) {
        report(state == TransferItem::Arrived      ? TransferProgress::Arrived
                : state == TransferItem::Cancelled ? TransferProgress::Cancelled
                                                   : TransferProgress::Failed,
            state == TransferItem::Arrived ? 1.0 : 0.0);
        emit fileEnded(m_current);
    }
    QMetaObject::invokeMethod(this, &TransferEngine::runNext, Qt::QueuedConnection);
}

void TransferEngine::endRun()
{
    // Nothing may be left behind when finished() says the run is over.
    dropEarlyCopy();
    m_endWaits = bool(m_early.worker);
    if (m_endWaits)
        return;
    m_tick.stop();
    m_staging.remove();
    for (TransferItem &item : m_items) {
        if (item.state == TransferItem::Waiting || item.state == TransferItem::Planned) {
            item.state = TransferItem::Cancelled;
            item.outputs.clear();
        }
    }
    m_running = false;
    emit finished(allArrived());
}

void TransferEngine::report(int index, TransferProgress::Stage stage, double fraction)
{
    TransferProgress progress;
    progress.file = std::min(index + 1, int(m_items.size()));
    progress.count = int(m_items.size());
    if (index >= 0 && index < m_items.size())
        progress.name = QFileInfo(LocalName::readable(m_items.at(index).source)).fileName();
    else if (m_request.burn)
        progress.name = QFileInfo(m_request.isoPath).fileName();
    progress.stage = stage;
    progress.fraction = fraction;
    const double seconds = m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0;
    if (stage == TransferProgress::Converting) {
        const double duration = m_items.at(m_current).decision.duration;
        if (seconds > 0)
            progress.bytesPerSecond = m_outBytes / seconds;
        progress.realTimeFactor = m_speed;
        if (m_speed > 0 && duration > 0)
            progress.secondsLeft = std::max(0.0, duration - m_outTimeUs / 1e6) / m_speed;
    } else if (stage == TransferProgress::Copying && m_worker) {
        if (seconds > 0)
            progress.bytesPerSecond = m_worker->bytesDone() / seconds;
        if (progress.bytesPerSecond > 0)
            progress.secondsLeft = (m_worker->bytesTotal() - m_worker->bytesDone()) / progress.bytesPerSecond;
    }
    emit progressed(progress);
}

void TransferEngine::tick()
{
    double fraction = 0;
    if (m_stage == TransferProgress::Converting) {
        const double duration = m_items.at(m_current).decision.duration;
        fraction = duration > 0 ? m_outTimeUs / 1e6 / duration : 0;
    } else if (m_stage == TransferProgress::Copying && m_worker && m_worker->bytesTotal() > 0) {
        fraction = double(m_worker->bytesDone()) / m_worker->bytesTotal();
    } else if (m_stage == TransferProgress::Flushing) {
        fraction = NotYetDone;
    } else if (m_stage == TransferProgress::Imaging) {
        fraction = m_imageFraction;
    }
    report(m_stage, std::clamp(fraction, 0.0, NotYetDone));
}

} // namespace Zarnet
