#include "transfer/transferengine.h"

#include "transfer/fileworker.h"
#include "transfer/mpeg4stream.h"
#include "transfer/targetnames.h"
#include "transfer/toolrun.h"
#include "transfer/transferarguments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

namespace Zarnet {

namespace {

constexpr int TickMilliseconds = 250;
constexpr double NotYetDone = 0.99;

// ffmpeg 5.1 ends with 0 when the trailer could not be written: the disk
// filled up at the very end.
bool finishedBadly(const ToolRun &tool)
{
    const QString errors = tool.errorText();
    return errors.contains(QLatin1String("Error writing trailer"))
        || errors.contains(QLatin1String("Error closing file"));
}

QString toolFailure(const ToolRun &tool, ToolResult result)
{
    const QString line = tool.errorText();
    if (result == ToolResult::Failed && line.contains(QLatin1String("No space left on device")))
        return PartFile::writeError(ENOSPC);
    if (result == ToolResult::Failed
        && (line.contains(QLatin1String("No such file or directory"))
            || line.contains(QLatin1String("Input/output error"))))
        return PartFile::writeError(ENOENT);
    return tool.failureText(result);
}

bool roomFor(const QString &folder, qint64 bytes)
{
    const QStorageInfo storage(folder);
    return !storage.isValid() || storage.bytesAvailable() < 0 || storage.bytesAvailable() >= bytes;
}

} // namespace

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
    removeSegmentParts();
    m_part.remove();
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
    if (!error->isEmpty())
        return false;
    m_request = request;
    for (const QString &file : request.files) {
        TransferItem item;
        item.source = file;
        m_items.append(item);
    }
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
        && std::all_of(m_items.cbegin(), m_items.cend(),
            [](const TransferItem &item) { return item.state == TransferItem::Arrived; });
}

void TransferEngine::probeNext()
{
    if (!m_probing)
        return; // a second probe's queued call after the plan was made
    // Mostly ffprobe's start-up, which a second core halves.
    const int limit = std::clamp(QThread::idealThreadCount(), 2, 4);
    while (!m_cancelled && m_probesRunning < limit && m_nextProbe < m_items.size()) {
        const int index = m_nextProbe++;
        const QFileInfo info(m_items.at(index).source);
        QString error;
        if (!info.exists())
            error = tr("the source does not exist");
        else if (!info.isFile())
            error = tr("not a video: not a file");
        else if (!info.isReadable())
            error = tr("cannot read the source");
        if (!error.isEmpty()) {
            endProbe(index, TransferItem::Failed, error);
            continue;
        }
        report(index, TransferProgress::Probing, 0);
        auto &tool = m_probes[index];
        tool = std::make_unique<ToolRun>();
        tool->setKillDelay(m_killDelay);
        tool->setKeepOutput(true);
        connect(
            tool.get(), &ToolRun::done, this, [this, index](ToolResult result) { probed(index, result); });
        ++m_probesRunning;
        tool->start(QStringLiteral("ffprobe"),
            { QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"),
                QStringLiteral("json"), QStringLiteral("-show_format"), QStringLiteral("-show_streams"),
                info.filePath() });
    }
    if (m_probesRunning > 0 || (!m_cancelled && m_nextProbe < m_items.size()))
        return;
    m_probing = false;
    if (m_cancelled)
        endRun();
    else
        plan();
}

void TransferEngine::probed(int index, ToolResult result)
{
    TransferItem &item = m_items[index];
    ToolRun &tool = *m_probes[index];
    QString error;
    if (result == ToolResult::Done) {
        MediaProbe probe;
        if (MediaProbe::fromJson(tool.output(), &probe, &error)) {
            item.decision = decide(probe, *deviceProfile(m_request.type));
            item.probed = true;
            if (!m_cancelled && wantsStreamCheck(probe, item.decision)) {
                checkStream(index, probe);
                return;
            }
        }
    } else if (result == ToolResult::Failed) {
        error = tr("not a video: %1").arg(tool.lastErrorLine());
    } else {
        error = tool.failureText(result);
    }
    retire(m_probes[index]);
    --m_probesRunning;
    if (result == ToolResult::Cancelled)
        endProbe(index, TransferItem::Cancelled);
    else if (!item.probed)
        endProbe(index, TransferItem::Failed, error);
    QMetaObject::invokeMethod(this, &TransferEngine::probeNext, Qt::QueuedConnection);
}

// Still counted as running: the plan waits for the stream's own word.
void TransferEngine::checkStream(int index, const MediaProbe &probe)
{
    retire(m_probes[index]);
    auto &tool = m_probes[index];
    tool = std::make_unique<ToolRun>();
    tool->setKillDelay(m_killDelay);
    tool->setKeepOutput(true);
    connect(tool.get(), &ToolRun::done, this,
        [this, index, probe](ToolResult result) { streamChecked(index, probe, result); });
    // The headers of a few hundred frames, not the whole file. dump_extra
    // brings in a VOL the container keeps apart from the frames.
    tool->start(QStringLiteral("ffmpeg"),
        { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"),
            m_items.at(index).source, QStringLiteral("-map"), QStringLiteral("0:%1").arg(probe.video.index),
            QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-bsf:v"),
            QStringLiteral("dump_extra"), QStringLiteral("-frames:v"), QStringLiteral("300"),
            QStringLiteral("-f"), QStringLiteral("m4v"), QStringLiteral("pipe:1") });
}

void TransferEngine::streamChecked(int index, MediaProbe probe, ToolResult result)
{
    TransferItem &item = m_items[index];
    const ToolRun &tool = *m_probes[index];
    const Mpeg4Stream stream = result == ToolResult::Done ? Mpeg4Stream::parse(tool.output()) : Mpeg4Stream();
    if (result == ToolResult::Done && stream.hasVol && stream.vops > 0) {
        probe.video.streamChecked = true;
        probe.video.qpel = stream.qpel;
        probe.video.gmc = stream.gmc;
        probe.video.bRun = stream.longestBRun;
        item.decision = decide(probe, *deviceProfile(m_request.type));
    } else if (result != ToolResult::Cancelled) {
        // The probe's decision stands, but it says what it could not see.
        item.decision.notes << tr("QPel, GMC and B-frame runs not checked: %1")
                                   .arg(result == ToolResult::Done ? tr("no VOL header in the stream")
                                                                   : tool.failureText(result));
    }
    retire(m_probes[index]);
    --m_probesRunning;
    if (result == ToolResult::Cancelled)
        endProbe(index, TransferItem::Cancelled);
    QMetaObject::invokeMethod(this, &TransferEngine::probeNext, Qt::QueuedConnection);
}

void TransferEngine::endProbe(int index, TransferItem::State state, const QString &error)
{
    m_items[index].state = state;
    m_items[index].error = error;
    report(
        index, state == TransferItem::Cancelled ? TransferProgress::Cancelled : TransferProgress::Failed, 0);
    emit fileEnded(index);
}

void TransferEngine::startEarlyCopy()
{
    const DeviceProfile &profile = *deviceProfile(m_request.type);
    const QFileInfo source(m_items.first().source);
    if (m_request.dryRun || m_request.burn || !source.isFile() || !mayGoAsItIs(source.suffix(), profile))
        return;
    // The size rules the plan applies to a copy; a file they would refuse or
    // split is not begun.
    qint64 limit = m_request.partBytes > 0 ? m_request.partBytes : profile.partBytes;
    if (profile.alwaysFat32 || TargetNames::isFat32(TargetNames::fileSystemType(m_request.destination)))
        limit = limit > 0 ? std::min(limit, Fat32MaxFile) : Fat32MaxFile;
    if ((limit > 0 && source.size() > limit) || !roomFor(m_request.destination, source.size()))
        return;
    QString error;
    if (!m_early.part.create(QDir(m_request.destination).filePath(source.fileName()), &error))
        return; // the copy proper will say why
    m_early.clock.start();
    m_early.worker = std::make_unique<FileWorker>();
    connect(m_early.worker.get(), &FileWorker::done, this, &TransferEngine::earlyCopied);
    m_early.worker->copy(source.filePath(), m_early.part.descriptor());
}

void TransferEngine::earlyCopied(bool ok, const QString &error)
{
    if (m_early.adopted) {
        copied(ok, error);
        return;
    }
    m_early.ended = true;
    m_early.ok = ok;
    m_early.error = error;
    if (m_early.dropped) {
        dropEarlyCopy();
        if (m_endWaits)
            endRun();
    }
}

void TransferEngine::dropEarlyCopy()
{
    if (!m_early.worker)
        return;
    m_early.dropped = true;
    if (!m_early.ended) {
        // The part is closed only after the worker let go of its descriptor.
        m_early.worker->cancel();
        return;
    }
    retire(m_early.worker);
    m_early.part.remove();
}

bool TransferEngine::adoptEarlyCopy(const QString &finalPath)
{
    if (!m_early.worker || m_early.dropped || m_current != 0)
        return false;
    m_part = std::move(m_early.part);
    m_worker = std::move(m_early.worker);
    m_clock = m_early.clock;
    m_early.adopted = true;
    m_finals = QStringList { finalPath };
    m_stage = TransferProgress::Copying;
    report(m_stage, 0);
    if (m_early.ended)
        copied(m_early.ok, m_early.error);
    return true;
}

void TransferEngine::plan()
{
    const QByteArray type = TargetNames::fileSystemType(
        m_request.burn ? QFileInfo(m_request.isoPath).absolutePath() : m_request.destination);
    const bool fat = !m_request.burn && TargetNames::isFat(type);
    // ISO 9660 below level 3 holds files under 4 GiB, as FAT32 does.
    const bool fat32 = m_request.burn || TargetNames::isFat32(type);
    for (TransferItem &item : m_items) {
        if (!item.probed)
            continue;
        item.state = TransferItem::Planned;
        item.size = SizePlan::make(item.decision, fat32, m_request.partBytes);
        if (!item.size.fits) {
            item.state = TransferItem::Failed;
            item.error = item.size.message;
        } else if (item.size.parts > 1 && item.decision.action == TransferAction::Copy) {
            item.decision.action = TransferAction::Remux;
            item.decision.reason = tr("%1; %2").arg(item.decision.reason, item.size.message);
        } else if (item.size.parts > 1) {
            item.decision.notes << item.size.message;
        }
    }
    planNames(fat);
    if (m_request.burn)
        planDisc();
    const TransferItem &first = m_items.first();
    if (first.state != TransferItem::Planned || first.decision.action != TransferAction::Copy
        || first.size.parts > 1)
        dropEarlyCopy();
    emit planned();
    if (m_request.dryRun || !m_runError.isEmpty()) {
        m_running = false;
        emit finished(m_runError.isEmpty()
            && std::none_of(m_items.cbegin(), m_items.cend(),
                [](const TransferItem &item) { return item.state == TransferItem::Failed; }));
        return;
    }
    PartFile::sweep(m_request.burn ? QFileInfo(m_request.isoPath).absolutePath() : m_request.destination);
    m_current = -1;
    runNext();
}

void TransferEngine::planNames(bool fat)
{
    const DeviceProfile &profile = *deviceProfile(m_request.type);
    TargetNames::Rules rules;
    rules.fat = fat;
    rules.ascii = profile.asciiNames;
    rules.maxLength = profile.maxNameLength > 0 ? profile.maxNameLength : 255;
    if (m_request.burn) {
        // Joliet holds 64 characters; xorriso would make long names unique at 65.
        rules.joliet = true;
        rules.maxLength = std::min(rules.maxLength, 64);
    }
    const bool caseBlind = fat || m_request.burn;
    QSet<QString> taken;
    if (!m_request.burn) {
        const QStringList existing
            = QDir(m_request.destination)
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : existing)
            taken.insert(TargetNames::key(name, caseBlind));
    }
    for (TransferItem &item : m_items) {
        if (item.state != TransferItem::Planned)
            continue;
        const QFileInfo source(item.source);
        const QString extension
            = item.decision.action == TransferAction::Copy ? source.suffix() : item.decision.extension();
        if (item.size.parts <= 1) {
            const QString wanted = source.completeBaseName()
                + (extension.isEmpty() ? QString() : QLatin1Char('.') + extension);
            item.name
                = TargetNames::unique(TargetNames::clean(wanted, rules), &taken, caseBlind, rules.maxLength);
            continue;
        }
        // "Name - part 1.avi" and on: the stem is cut so the longest part name fits.
        const QString tail = QStringLiteral(" - part %1.").arg(item.size.parts + 9) + extension;
        TargetNames::Rules stemRules = rules;
        stemRules.maxLength = rules.maxLength - int(tail.size()) - 4;
        const QString stem = TargetNames::clean(source.completeBaseName(), stemRules);
        for (int n = 1;; ++n) {
            const QString candidate = n == 1 ? stem : stem + QStringLiteral(" (%1)").arg(n);
            bool free = true;
            for (int part = 1; part <= item.size.parts + 9 && free; ++part)
                free = !taken.contains(TargetNames::key(
                    QStringLiteral("%1 - part %2.%3").arg(candidate).arg(part).arg(extension), caseBlind));
            if (free) {
                for (int part = 1; part <= item.size.parts + 9; ++part)
                    taken.insert(TargetNames::key(
                        QStringLiteral("%1 - part %2.%3").arg(candidate).arg(part).arg(extension),
                        caseBlind));
                item.name = candidate + QStringLiteral(" - part %d.") + extension;
                break;
            }
        }
    }
}

QString TransferEngine::workFolder() const
{
    return m_request.burn ? m_staging->path() : m_request.destination;
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
    if (m_request.burn && item.decision.action == TransferAction::Copy) {
        // Copies go onto the disc straight from the source.
        item.outputs = QStringList { item.source };
        endItem(TransferItem::Planned);
        return;
    }
    const QString finalPath = QDir(workFolder()).filePath(item.name);
    m_outTimeUs = 0;
    m_outBytes = 0;
    m_speed = 0;
    m_clock.start();
    m_tick.start();
    if (item.decision.action == TransferAction::Copy && adoptEarlyCopy(finalPath))
        return;
    if (item.decision.action == TransferAction::Copy)
        copyFile(item, finalPath);
    else
        convert(item, finalPath);
}

void TransferEngine::copyFile(TransferItem &item, const QString &finalPath)
{
    // A copy's size is known: a file that cannot fit is not begun.
    QString error;
    if (!roomFor(workFolder(), QFileInfo(item.source).size()))
        error = PartFile::writeError(ENOSPC);
    if (!error.isEmpty() || !m_part.create(finalPath, &error)) {
        endItem(TransferItem::Failed, error);
        return;
    }
    m_finals = QStringList { finalPath };
    m_stage = TransferProgress::Copying;
    report(m_stage, 0);
    m_worker = std::make_unique<FileWorker>();
    connect(m_worker.get(), &FileWorker::done, this, &TransferEngine::copied);
    m_worker->copy(item.source, m_part.descriptor());
}

void TransferEngine::copied(bool ok, const QString &error)
{
    retire(m_worker);
    if (ok) {
        commit({ m_part.path() }, m_finals);
        return;
    }
    m_part.remove();
    endItem(m_cancelled ? TransferItem::Cancelled : TransferItem::Failed, m_cancelled ? QString() : error);
}

void TransferEngine::convert(TransferItem &item, const QString &finalPath)
{
    TransferPaths paths;
    paths.source = item.source;
    paths.x264Preset = m_request.x264Preset;
    m_segmentPattern.clear();
    m_finals.clear();
    if (item.size.parts > 1) {
        m_segmentPattern = PartFile::partPath(finalPath);
        paths.output = m_segmentPattern;
        paths.segmentSeconds = item.size.segmentSeconds;
        // Held before ffmpeg writes them, as any part is, so that another
        // run's sweep leaves them be and its own parts never share their names.
        for (int part = 1; part <= item.size.parts + 9; ++part) {
            const QString number = QString::number(part);
            PartFile held;
            QString error;
            const bool ok = held.create(QString(finalPath).replace(QLatin1String("%d"), number), &error);
            if (!ok || held.path() != QString(m_segmentPattern).replace(QLatin1String("%d"), number)) {
                held.remove();
                removeSegmentParts();
                endItem(TransferItem::Failed, ok ? tr("another transfer is writing this name") : error);
                return;
            }
            m_segmentParts.push_back(std::move(held));
        }
    } else {
        QString error;
        if (!m_part.create(finalPath, &error)) {
            endItem(TransferItem::Failed, error);
            return;
        }
        paths.output = m_part.path();
        m_finals << finalPath;
    }
    m_parser = ProgressParser();
    m_stage = TransferProgress::Converting;
    report(m_stage, 0);
    m_tool = std::make_unique<ToolRun>();
    m_tool->setKillDelay(m_killDelay);
    connect(m_tool.get(), &ToolRun::outputRead, this, [this](const QByteArray &chunk) {
        for (const ProgressBlock &block : m_parser.feed(chunk)) {
            if (block.outTimeUs >= 0)
                m_outTimeUs = block.outTimeUs;
            if (block.totalSize >= 0)
                m_outBytes = block.totalSize;
            m_speed = block.speed;
        }
    });
    connect(m_tool.get(), &ToolRun::done, this, &TransferEngine::converted);
    m_tool->start(QStringLiteral("ffmpeg"), transferArguments(item.decision, paths));
    if (m_part.descriptor() >= 0) {
        m_writeBehind = std::make_unique<FileWorker>();
        m_writeBehind->writeBehind(m_part.descriptor());
    }
}

QStringList TransferEngine::segmentParts() const
{
    QStringList parts;
    if (m_segmentPattern.isEmpty())
        return parts;
    // The parts ffmpeg did not reach are there too, empty.
    for (int part = 1;; ++part) {
        const QString path = QString(m_segmentPattern).replace(QLatin1String("%d"), QString::number(part));
        const QFileInfo info(path);
        if (!info.exists() || info.size() == 0)
            break;
        parts << path;
    }
    return parts;
}

void TransferEngine::removeSegmentParts()
{
    for (const QString &part : segmentParts())
        QFile::remove(part);
    releaseSegmentParts({});
}

void TransferEngine::releaseSegmentParts(const QStringList &gone)
{
    for (PartFile &part : m_segmentParts) {
        if (gone.contains(part.path()))
            part.release();
    }
    m_segmentParts.clear(); // deletes the rest
    m_segmentPattern.clear();
}

void TransferEngine::converted(ToolResult result)
{
    if (result == ToolResult::Done && finishedBadly(*m_tool))
        result = ToolResult::Failed;
    const QString error = toolFailure(*m_tool, result);
    retire(m_tool);
    if (m_writeBehind) {
        m_writeBehind->cancel();
        retire(m_writeBehind);
    }
    if (result != ToolResult::Done) {
        removeSegmentParts();
        m_part.remove();
        endItem(result == ToolResult::Cancelled ? TransferItem::Cancelled : TransferItem::Failed,
            result == ToolResult::Cancelled ? QString() : error);
        return;
    }
    if (m_segmentPattern.isEmpty()) {
        commit({ m_part.path() }, m_finals);
        return;
    }
    const QStringList parts = segmentParts();
    if (parts.isEmpty()) {
        removeSegmentParts();
        endItem(TransferItem::Failed, tr("ffmpeg wrote nothing"));
        return;
    }
    const QString finalPattern = QDir(workFolder()).filePath(m_items.at(m_current).name);
    for (int part = 1; part <= parts.size(); ++part)
        m_finals << QString(finalPattern).replace(QLatin1String("%d"), QString::number(part));
    commit(parts, m_finals);
}

void TransferEngine::commit(const QStringList &parts, const QStringList &finals)
{
    commitThen(parts, finals, false, [this](bool ok, const QString &error) {
        if (!ok) {
            endItem(TransferItem::Failed, error);
            return;
        }
        m_items[m_current].outputs = m_finals;
        endItem(m_request.burn ? TransferItem::Planned : TransferItem::Arrived);
    });
}

void TransferEngine::commitThen(const QStringList &parts, const QStringList &finals, bool replace,
    std::function<void(bool, const QString &)> then)
{
    m_stage = TransferProgress::Flushing;
    report(m_stage, NotYetDone);
    m_worker = std::make_unique<FileWorker>();
    connect(m_worker.get(), &FileWorker::done, this, [this, parts, then](bool ok, const QString &error) {
        retire(m_worker);
        if (!ok) {
            for (const QString &path : parts)
                QFile::remove(path);
            m_part.remove();
        } else {
            m_part.release();
        }
        // Renamed or deleted by now; what is left of the split was never written.
        releaseSegmentParts(parts);
        then(ok, error);
    });
    m_worker->commit(parts, finals, replace);
}

void TransferEngine::endItem(TransferItem::State state, const QString &error)
{
    m_tick.stop();
    TransferItem &item = m_items[m_current];
    item.state = state;
    item.error = error;
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
        progress.name = QFileInfo(m_items.at(index).source).fileName();
    else if (m_request.burn)
        progress.name = QFileInfo(m_request.isoPath).fileName();
    progress.stage = stage;
    progress.fraction = fraction;
    const double seconds = m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0;
    if (stage == TransferProgress::Converting) {
        const double duration = m_items.at(m_current).decision.duration;
        if (seconds > 0)
            progress.bytesPerSecond = m_outBytes / seconds;
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
