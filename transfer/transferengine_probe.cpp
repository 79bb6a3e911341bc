// Probing: ffprobe on every file, a few at once, and for MPEG-4 Part 2 the
// stream's own headers; meanwhile the first file may start copying on the
// guess that it goes as it is.
#include "transfer/transferengine.h"

#include "transfer/fileworker.h"
#include "transfer/localname.h"
#include "transfer/mpeg4stream.h"
#include "transfer/targetnames.h"
#include "transfer/toolrun.h"
#include "transfer/transferarguments.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zarnet {

void TransferEngine::probeNext()
{
    if (!m_probing)
        return; // a second probe's queued call after the plan was made
    // Mostly ffprobe's start-up, which a second core halves.
    const int limit = std::clamp(QThread::idealThreadCount(), 2, 4);
    while (!m_cancelled && m_probesRunning < limit && m_nextProbe < m_items.size()) {
        const int index = m_nextProbe++;
        const QString source = m_items.at(index).source;
        const QByteArray local = LocalName::encode(source);
        struct stat info;
        QString error;
        if (::stat(local.constData(), &info) != 0)
            error = tr("the source does not exist");
        else if (!S_ISREG(info.st_mode))
            error = tr("not a video: not a file");
        else if (::access(local.constData(), R_OK) != 0)
            error = tr("cannot read the source");
        if (!error.isEmpty()) {
            endProbe(index, TransferItem::Failed, error, TransferItem::Fault::Source);
            continue;
        }
        report(index, TransferProgress::Probing, 0);
        auto &tool = m_probes[index];
        tool = std::make_unique<ToolRun>();
        tool->setKillDelay(m_killDelay);
        tool->setKeepOutput(true);
        tool->setSilenceLimit(m_silenceLimit);
        connect(
            tool.get(), &ToolRun::done, this, [this, index](ToolResult result) { probed(index, result); });
        ++m_probesRunning;
        tool->start(QStringLiteral("ffprobe"),
            QStringList { QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"),
                QStringLiteral("json"), QStringLiteral("-show_format"), QStringLiteral("-show_streams") }
                + inputArguments(sourceFor(source, *tool)));
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
            item.decision = decide(
                probe, *deviceProfile(m_request.type), m_request.audioLanguage, m_request.subtitleLanguage);
            item.probed = true;
            if (!m_cancelled && wantsStreamCheck(probe, item.decision)) {
                checkStream(index, probe);
                return;
            }
            if (!m_cancelled && wantsFieldCheck(probe, item.decision)) {
                checkFields(index, probe);
                return;
            }
        }
    } else if (result == ToolResult::Failed) {
        error = tr("not a video: %1").arg(tool.lastErrorLine());
    } else if (result == ToolResult::Silent) {
        error = tr("ffprobe read nothing from it for %1 s").arg(m_silenceLimit / 1000.0);
    } else {
        error = tool.failureText(result);
    }
    retire(m_probes[index]);
    --m_probesRunning;
    if (result == ToolResult::Cancelled)
        endProbe(index, TransferItem::Cancelled);
    else if (!item.probed)
        endProbe(index, TransferItem::Failed, error,
            result == ToolResult::Crashed || result == ToolResult::StartFailed ? TransferItem::Fault::Tool
                                                                               : TransferItem::Fault::Source);
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
    tool->setSilenceLimit(m_silenceLimit);
    connect(tool.get(), &ToolRun::done, this,
        [this, index, probe](ToolResult result) { streamChecked(index, probe, result); });
    // The headers of a few hundred frames, not the whole file. dump_extra
    // brings in a VOL the container keeps apart from the frames.
    tool->start(QStringLiteral("ffmpeg"),
        QStringList { QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error") }
            + inputArguments(sourceFor(m_items.at(index).source, *tool))
            + QStringList { QStringLiteral("-map"), QStringLiteral("0:%1").arg(probe.video.index),
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
        item.decision = decide(
            probe, *deviceProfile(m_request.type), m_request.audioLanguage, m_request.subtitleLanguage);
        if (!m_cancelled && wantsFieldCheck(probe, item.decision)) {
            checkFields(index, probe);
            return;
        }
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

// Still counted as running, as the stream check is.
void TransferEngine::checkFields(int index, const MediaProbe &probe)
{
    retire(m_probes[index]);
    auto &tool = m_probes[index];
    tool = std::make_unique<ToolRun>();
    tool->setKillDelay(m_killDelay);
    tool->setSilenceLimit(m_silenceLimit);
    connect(tool.get(), &ToolRun::done, this,
        [this, index, probe](ToolResult result) { fieldsChecked(index, probe, result); });
    // A hundred pictures tell, decoded alone and without the sound; idet
    // says what it saw when it ends.
    tool->start(QStringLiteral("ffmpeg"),
        QStringList { QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-nostats"),
            QStringLiteral("-v"), QStringLiteral("info"), QStringLiteral("-an"), QStringLiteral("-sn"),
            QStringLiteral("-dn"), QStringLiteral("-flags2"), QStringLiteral("+fast") }
            + inputArguments(sourceFor(m_items.at(index).source, *tool))
            + QStringList { QStringLiteral("-map"), QStringLiteral("0:%1").arg(probe.video.index),
                QStringLiteral("-frames:v"), QStringLiteral("100"), QStringLiteral("-vf"),
                QStringLiteral("idet"), QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-") });
}

void TransferEngine::fieldsChecked(int index, MediaProbe probe, ToolResult result)
{
    TransferItem &item = m_items[index];
    const ToolRun &tool = *m_probes[index];
    if (result == ToolResult::Done) {
        probe.video.fieldsDetected = true;
        probe.video.fieldOrder = fieldOrderSeen(tool.errorText());
        item.decision = decide(
            probe, *deviceProfile(m_request.type), m_request.audioLanguage, m_request.subtitleLanguage);
    } else if (result != ToolResult::Cancelled) {
        item.decision.notes << tr("interlacing not checked: %1").arg(tool.failureText(result));
    }
    retire(m_probes[index]);
    --m_probesRunning;
    if (result == ToolResult::Cancelled)
        endProbe(index, TransferItem::Cancelled);
    QMetaObject::invokeMethod(this, &TransferEngine::probeNext, Qt::QueuedConnection);
}

QString TransferEngine::sourceFor(const QString &source, ToolRun &tool)
{
    if (!LocalName::isRaw(source))
        return source;
    const int fd = ::open(LocalName::encode(source).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return source; // the tool says it cannot read it
    tool.adoptDescriptor(fd);
    return descriptorPath(fd);
}

QString TransferEngine::fieldOrderSeen(const QString &idetLog)
{
    // "Multi frame detection: TFF: 250 BFF: 0 Progressive: 0 Undetermined: 0"
    static const QRegularExpression summary(
        QStringLiteral("Multi frame detection: *TFF: *(\\d+) *BFF: *(\\d+) *Progressive: *(\\d+)"));
    const QRegularExpressionMatch match = summary.match(idetLog);
    if (!match.hasMatch())
        return {};
    const qint64 top = match.captured(1).toLongLong();
    const qint64 bottom = match.captured(2).toLongLong();
    const qint64 progressive = match.captured(3).toLongLong();
    // Still pictures and titles look progressive in either; what moves decides.
    if (top + bottom <= progressive)
        return QStringLiteral("progressive");
    return top >= bottom ? QStringLiteral("tt") : QStringLiteral("bb");
}

void TransferEngine::endProbe(
    int index, TransferItem::State state, const QString &error, TransferItem::Fault fault)
{
    m_items[index].state = state;
    m_items[index].error = error;
    m_items[index].fault = fault;
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
    if (!m_early.part.create(m_folder, source.fileName(), journal(), &error))
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

bool TransferEngine::adoptEarlyCopy(const QString &finalName)
{
    if (!m_early.worker || m_early.dropped || m_current != 0)
        return false;
    m_part = std::move(m_early.part);
    m_worker = std::move(m_early.worker);
    m_clock = m_early.clock;
    m_early.adopted = true;
    m_moves = { m_part.move(finalName) };
    m_finals = QStringList { m_folder.filePath(finalName) };
    m_stage = TransferProgress::Copying;
    report(m_stage, 0);
    if (m_early.ended)
        copied(m_early.ok, m_early.error);
    return true;
}

} // namespace Zarnet
